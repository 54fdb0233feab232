#pragma once
// The calls outside a save that still depend on the system: reading a regular
// file, telling files apart and reading the environment. Each returns 0 or an
// errno value (or one of the codes below); nothing here throws. Paths and
// values are UTF-8 everywhere.

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/fileidentity.h"
#include "files/savefilesystem.h"

// A name Windows keeps for a device (CON, NUL, COM1.txt, a name ending in a
// dot or a blank): no file can have it there.
constexpr int kReservedNameError = 0x7E5E;
// Something that is neither a regular file nor a folder (a FIFO, a device).
constexpr int kNotRegularFileError = 0x7E5F;

// Opens a regular file to read it; EISDIR for a folder, kNotRegularFileError
// for anything else (never blocking on a FIFO). `sizeHint` is its size now.
int OpenRegularFile(const std::string& path, TSystemHandle& file, std::uint64_t& sizeHint);
// Reads up to `size` bytes; `got` == 0 at the end.
int ReadSome(TSystemHandle file, char* data, std::size_t size, std::size_t& got);
void CloseQuietly(TSystemHandle file);

// The identity of what `path` names (links followed when `followLinks`);
// a path naming nothing gives 0 and identity.exists == false.
int IdentifyPath(const std::string& path, bool followLinks, TFileIdentity& identity);

// The value of an environment variable as UTF-8; "" when it is not set.
std::string EnvironmentValue(const char* name);

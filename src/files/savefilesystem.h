#pragma once
// Every call to the operating system that a save makes, behind one small
// interface, so the rules of a safe save (what may be replaced, in which
// order, what a dead run left) are written once for every system. Each call
// returns 0 or an errno value; nothing here throws.

#include <cstdint>
#include <string>
#include <vector>

#include "files/fileidentity.h"

// An open file of the system's own kind; kNoHandle is none.
using TSystemHandle = std::intptr_t;
constexpr TSystemHandle kNoHandle = -1;

// What a path names, the path itself (a link is not followed).
struct TEntryInfo {
    enum class Kind { Missing, File, Link, Folder, Other };
    Kind kind = Kind::Missing;
    bool ownedByUser = false;  // belongs to the user who saves
    bool writableByNobody = false;
    std::uint32_t mode = 0;  // permission bits, to give a replacement
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    TFileIdentity identity;
};

// A held folder lock; `lockFile` is the file that serves as the lock where the
// folder itself cannot be locked, removed when the lock is released.
struct TFolderLock {
    TSystemHandle handle = kNoHandle;
    std::string lockFile;
};

class TSaveFileSystem {
public:
    virtual ~TSaveFileSystem() = default;

    // --- what is there ---
    virtual int Inspect(const std::string& path, TEntryInfo& info) = 0;
    virtual int ReadLink(const std::string& path, std::string& target) = 0;
    virtual int ResolveFolder(const std::string& folder, std::string& resolved) = 0;
    virtual int CheckWritable(const std::string& path) = 0;
    // The names in a folder; an error where the user may not list it.
    virtual int List(const std::string& folder, std::vector<std::string>& names) = 0;
    // The whole content of a file that must be a regular file of the user's,
    // never reached through a link; EPERM when it is not one, `info` then
    // saying what it is.
    virtual int ReadOwnFile(const std::string& path, std::string& bytes, TEntryInfo& info) = 0;

    // --- writing beside a target ---
    // A new file at `path` that nothing else may be (no link followed, no
    // file replaced), with the mode and owner of `replaced` when it exists.
    virtual int StageBeside(const std::string& path, const TEntryInfo& replaced, TSystemHandle& file) = 0;
    virtual int Write(TSystemHandle file, const char* data, std::size_t size) = 0;
    virtual int Flush(TSystemHandle file) = 0;  // to the disk
    virtual int Close(TSystemHandle file) = 0;
    virtual int Replace(const std::string& from, const std::string& to) = 0;
    // Keeps the file at `path` also under `keep` (a second name where the file
    // system has them, else moved there: `moved` says which).
    virtual int KeepAside(const std::string& path, const std::string& keep, bool& moved) = 0;
    virtual int Remove(const std::string& path) = 0;
    virtual int SyncFolder(const std::string& folder) = 0;

    // --- the folder lock ---
    // 0 when locked now, EWOULDBLOCK when another holds it.
    virtual int TryLockFolder(const std::string& folder, TFolderLock& lock) = 0;
    virtual void UnlockFolder(TFolderLock& lock) = 0;
};

// This system's implementation.
TSaveFileSystem& SystemSaveFileSystem();

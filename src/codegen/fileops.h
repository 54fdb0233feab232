#pragma once
// The silent file operations of the preview folder and of publishing: a copy
// or deletion that fails is not reported, as the product has always done.

#include <string>

// folder + name; a folder given without its trailing separator gets one, an
// empty folder means the current working directory.
std::string InFolder(const std::string& folder, const std::string& name);

// The name after the last path separator ("/" everywhere, "\" on Windows too).
std::string FileNamePart(const std::string& path);

// A bare file name: not empty, not "." or "..", no separator. Only such names
// are ever deleted from the preview folder.
bool IsPlainFileName(const std::string& name);

// The folder part of a path with its trailing separator ("" for a bare name).
std::string FolderPart(const std::string& path);

// A regular file, links followed.
bool IsRegularFile(const std::string& path);

// Deletes a file (never a folder) if it exists.
void DeleteFileQuietly(const std::string& path);

// Creates one folder level; removes a folder only when it is empty.
void CreateFolderQuietly(const std::string& folder);
void RemoveEmptyFolderQuietly(const std::string& folder);

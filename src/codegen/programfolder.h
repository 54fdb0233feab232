#pragma once
// The program folder: where tmzcfg.js is generated, where "preview",
// "templates", "help", "samples" and "recentfile.dat" live, and where the
// run-time scripts and default arrow images are found. The editor and the
// command-line tool resolve it the same way.

#include <string>

// The executable's own folder when it holds the run-time scripts (tmzparams.js)
// and can be written (a build tree, a portable install). Otherwise the
// per-user data folder ($XDG_DATA_HOME, default ~/.local/share, then
// "Varn/Trellimenu 2006"), created when missing and refreshed from the
// installed data folder <executable folder>/../share/trellimenu: files missing
// there or older than the installed ones are copied; nothing is ever deleted.
// The result ends with a path separator. Failures to create or copy are silent.
// When the executable's folder holds the scripts but cannot be written (a
// portable copy on read-only media, a build tree of another user), the
// per-user folder is filled from the executable's folder instead: its
// scripts, images and data folders, never its programs.
std::string ResolveProgramFolder(const std::string& executablePath);
// The same with the test of writability given (tests run as any user).
std::string ResolveProgramFolder(const std::string& executablePath, bool (*isWritable)(const std::string& folder));

// The per-user data folder alone (with trailing separator), "" when no home
// folder is known.
std::string UserProgramFolder();

// True when files can be created in the folder (asked of the system, not tried).
bool IsWritableFolder(const std::string& folder);

// Copies every file below `from` into `to` that is missing there or older
// there; never deletes. Silent on failure.
void RefreshDataFolder(const std::string& from, const std::string& to);

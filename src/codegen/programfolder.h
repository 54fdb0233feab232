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
std::string ResolveProgramFolder(const std::string& executablePath);

// The per-user data folder alone (with trailing separator), "" when no home
// folder is known.
std::string UserProgramFolder();

// True when a file can be created in the folder.
bool IsWritableFolder(const std::string& folder);

// Copies every file below `from` into `to` that is missing there or older
// there; never deletes. Silent on failure.
void RefreshDataFolder(const std::string& from, const std::string& to);

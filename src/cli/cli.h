#pragma once
// trellimenu-cli: publishing, page output and structure exchange from scripts,
// through the same core functions as the editor's commands.

#include <ostream>
#include <string>
#include <vector>

// Exit codes of the tool.
enum TCliExit : int { kCliSuccess = 0, kCliUsage = 1, kCliFileFailure = 2 };

// Runs one command line (the arguments after the program name). The page of
// "html" goes to `out`, messages to `err`. executablePath locates the program folder.
int RunTrellimenuCli(const std::vector<std::string>& args, const std::string& executablePath, std::ostream& out,
                     std::ostream& err);

// trellimenu-cli: the command-line tool for web authors who build their sites
// from scripts.
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace {

// The running program's own path: the program folder is found from it.
std::string ExecutablePath(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.string();
    const std::filesystem::path given = std::filesystem::absolute(argv0 ? argv0 : "", error);
    return error ? std::string(argv0 ? argv0 : "") : given.string();
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // The page code and the messages go out byte for byte, as on every other
    // system: a text-mode stream would make each line end "\r\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunTrellimenuCli(args, ExecutablePath(argv[0]), std::cout, std::cerr);
}

// trellimenu-cli: the command-line tool for web authors who build their sites
// from scripts.
#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "files/utf8path.h"

namespace {

#if !defined(_WIN32)
// The running program's own path: the program folder is found from it.
std::string ExecutablePath(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.string();
    const std::filesystem::path given = std::filesystem::absolute(argv0 ? argv0 : "", error);
    return error ? std::string(argv0 ? argv0 : "") : given.string();
}
#endif

#if defined(_WIN32)
// The arguments as UTF-8, which the core takes: argv holds them in the ANSI
// code page, where a name outside it (Japanese on a Western system) is lost.
std::vector<std::string> Arguments(std::string& self) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; wide && i < count; ++i) args.push_back(Utf8FromPath(wide[i]));
    ::LocalFree(wide);
    wchar_t path[32768];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, 32768);
    self = Utf8FromPath(std::wstring(path, length));
    if (!args.empty()) args.erase(args.begin());
    return args;
}
#endif

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // The page code and the messages go out byte for byte, as on every other
    // system: a text-mode stream would make each line end "\r\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
#if defined(_WIN32)
    (void)argc, (void)argv;
    std::string self;
    const std::vector<std::string> args = Arguments(self);
    return RunTrellimenuCli(args, self, std::cout, std::cerr);
#else
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunTrellimenuCli(args, ExecutablePath(argv[0]), std::cout, std::cerr);
#endif
}

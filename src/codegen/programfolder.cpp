#include "codegen/programfolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

const char* const kRuntimeProbeFile = "tmzparams.js";
const char* const kOrganisation = "Varn";
const char* const kApplication = "Trellimenu 2006";

std::string WithTrailingSeparator(const fs::path& folder) {
    std::string text = folder.string();
    if (text.empty() || text.back() != fs::path::preferred_separator) text += fs::path::preferred_separator;
    return text;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The base that Qt's AppLocalDataLocation uses on each platform.
fs::path UserDataBase() {
#if defined(_WIN32)
    return Environment("LOCALAPPDATA");
#elif defined(__APPLE__)
    const std::string home = Environment("HOME");
    return home.empty() ? fs::path() : fs::path(home) / "Library" / "Application Support";
#else
    const fs::path xdg = Environment("XDG_DATA_HOME");
    if (xdg.is_absolute()) return xdg;  // the XDG rules ignore a relative value
    const std::string home = Environment("HOME");
    return home.empty() ? fs::path() : fs::path(home) / ".local" / "share";
#endif
}

}  // namespace

bool IsWritableFolder(const std::string& folder) {
    std::random_device random;
    const fs::path probe = fs::path(folder) / (".trellimenu-probe-" + std::to_string(random()));
    std::error_code error;
    if (fs::exists(probe, error)) return false;
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) return false;
    }
    fs::remove(probe, error);
    return true;
}

std::string UserProgramFolder() {
    const fs::path base = UserDataBase();
    if (base.empty()) return {};
    return WithTrailingSeparator(base / kOrganisation / kApplication);
}

void RefreshDataFolder(const std::string& from, const std::string& to) {
    std::error_code error;
    if (!fs::is_directory(from, error)) return;
    for (fs::recursive_directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) continue;
        const fs::path target = fs::path(to) / fs::relative(it->path(), from, fileError);
        if (fileError) continue;
        const fs::file_time_type installed = it->last_write_time(fileError);
        if (fs::exists(target, fileError) && fs::last_write_time(target, fileError) >= installed) continue;
        fs::create_directories(target.parent_path(), fileError);
        // The copy takes the installed file's time, so that only a newer
        // installation (not the copying itself) counts as newer next time.
        if (fs::copy_file(it->path(), target, fs::copy_options::overwrite_existing, fileError)) {
            fs::last_write_time(target, installed, fileError);
        }
    }
}

std::string ResolveProgramFolder(const std::string& executablePath) {
    std::error_code error;
    fs::path executable = fs::absolute(executablePath, error);
    if (error) executable = executablePath;
    const fs::path folder = executable.parent_path();
    const std::string own = WithTrailingSeparator(folder);
    if (fs::is_regular_file(folder / kRuntimeProbeFile, error) && IsWritableFolder(own)) return own;

    const std::string user = UserProgramFolder();
    if (user.empty()) return own;
    fs::create_directories(user, error);
    RefreshDataFolder((folder.parent_path() / "share" / "trellimenu").string(), user);
    return user;
}

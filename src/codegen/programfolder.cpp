#include "codegen/programfolder.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include <filesystem>

#include "files/filetransaction.h"
#include "files/savefilesystem.h"
#include "files/systemfiles.h"
#include "files/textfile.h"
#include "files/utf8path.h"

namespace fs = std::filesystem;

namespace {

const char* const kRuntimeProbeFile = "tmzparams.js";
const char* const kOrganisation = "Varn";
const char* const kApplication = "Trellimenu 2006";

std::string WithTrailingSeparator(const fs::path& folder) {
    std::string text = Utf8FromPath(folder);
    if (text.empty() || text.back() != fs::path::preferred_separator) text += fs::path::preferred_separator;
    return text;
}

// The base that Qt's AppLocalDataLocation uses on each platform.
fs::path UserDataBase() {
#if defined(_WIN32)
    return PathFromUtf8(EnvironmentValue("LOCALAPPDATA"));
#elif defined(__APPLE__)
    const std::string home = EnvironmentValue("HOME");
    return home.empty() ? fs::path() : PathFromUtf8(home) / "Library" / "Application Support";
#else
    const fs::path xdg = PathFromUtf8(EnvironmentValue("XDG_DATA_HOME"));
    if (xdg.is_absolute()) return xdg;  // the XDG rules ignore a relative value
    const std::string home = EnvironmentValue("HOME");
    return home.empty() ? fs::path() : PathFromUtf8(home) / ".local" / "share";
#endif
}

}  // namespace

bool IsWritableFolder(const std::string& folder) {
    // Asked, not tried: a probe file would be litter wherever a run is cut short.
    std::error_code error;
#if defined(_WIN32)
    return fs::is_directory(PathFromUtf8(folder), error) && SystemSaveFileSystem().CheckWritable(folder) == 0;
#else
    return fs::is_directory(PathFromUtf8(folder), error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
#endif
}

std::string UserProgramFolder() {
    const fs::path base = UserDataBase();
    if (base.empty()) return {};
    return WithTrailingSeparator(base / kOrganisation / kApplication);
}

namespace {

// What of a portable program folder is data: the run-time scripts, the arrow
// images and the folders of installed data. The programs themselves stay.
bool IsProgramData(const fs::path& relative) {
    const std::string top = Utf8FromPath(*relative.begin());
    if (relative.has_parent_path()) return top == "templates" || top == "help" || top == "samples";
    const std::string extension = Utf8FromPath(relative.extension());
    return extension == ".js" || extension == ".gif";
}

void RefreshFolder(const fs::path& from, const fs::path& to, bool dataOnly) {
    std::error_code error;
    if (!fs::is_directory(from, error)) return;
    for (fs::recursive_directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) continue;
        const fs::path relative = fs::relative(it->path(), from, fileError);
        if (fileError || (dataOnly && !IsProgramData(relative))) continue;
        const fs::path target = to / relative;
        const fs::file_time_type installed = it->last_write_time(fileError);
        if (fs::exists(target, fileError) && fs::last_write_time(target, fileError) >= installed) continue;
        fs::create_directories(target.parent_path(), fileError);
        // Whole or not at all: a copy cut short must not look up to date.
        // The copy takes the installed file's time, so that only a newer
        // installation (not the copying itself) counts as newer next time.
        try {
            WriteFileAtomically(Utf8FromPath(target), ReadWholeFile(Utf8FromPath(it->path())));
            fs::last_write_time(target, installed, fileError);
        } catch (const TFileError&) {
        }
    }
}

}  // namespace

void RefreshDataFolder(const std::string& from, const std::string& to) {
    RefreshFolder(PathFromUtf8(from), PathFromUtf8(to), false);
}

std::string ResolveProgramFolder(const std::string& executablePath) {
    return ResolveProgramFolder(executablePath, IsWritableFolder);
}

std::string ResolveProgramFolder(const std::string& executablePath, bool (*isWritable)(const std::string& folder)) {
    std::error_code error;
    fs::path executable = fs::absolute(PathFromUtf8(executablePath), error);
    if (error) executable = PathFromUtf8(executablePath);
    const fs::path folder = executable.parent_path();
    const std::string own = WithTrailingSeparator(folder);
    const bool holdsScripts = fs::is_regular_file(folder / kRuntimeProbeFile, error);
    if (holdsScripts && isWritable(own)) return own;

    const std::string user = UserProgramFolder();
    if (user.empty()) return own;
    const fs::path userPath = PathFromUtf8(user);
    fs::create_directories(userPath, error);
    // A read-only portable copy fills the user's folder from itself, as an
    // installation does from its shared data.
    if (holdsScripts)
        RefreshFolder(folder, userPath, true);
    else
        RefreshFolder(folder.parent_path() / "share" / "trellimenu", userPath, false);
    return user;
}

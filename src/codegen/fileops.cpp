#include "codegen/fileops.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) {
#if defined(_WIN32)
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

}  // namespace

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || IsSeparator(folder.back())) return folder + name;
    return folder + static_cast<char>(fs::path::preferred_separator) + name;
}

std::string FileNamePart(const std::string& path) {
    size_t i = path.size();
    while (i > 0 && !IsSeparator(path[i - 1])) --i;
    return path.substr(i);
}

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && FileNamePart(name) == name;
}

std::string FolderPart(const std::string& path) {
    return path.substr(0, path.size() - FileNamePart(path).size());
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

void DeleteFileQuietly(const std::string& path) {
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(path, error))) fs::remove(path, error);
}

void CreateFolderQuietly(const std::string& folder) {
    std::error_code error;
    fs::create_directory(folder, error);
}

void RemoveEmptyFolderQuietly(const std::string& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error) && fs::is_empty(folder, error) && !error) fs::remove(folder, error);
}

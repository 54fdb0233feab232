#include "codegen/fileops.h"

#include <filesystem>

#include "files/utf8path.h"

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
    return fs::is_regular_file(PathFromUtf8(path), error);
}

void DeleteFileQuietly(const std::string& path) {
    std::error_code error;
    const fs::path file = PathFromUtf8(path);
    if (!fs::is_directory(fs::symlink_status(file, error))) fs::remove(file, error);
}

void CreateFolderQuietly(const std::string& folder) {
    std::error_code error;
    fs::create_directory(PathFromUtf8(folder), error);
}

void RemoveEmptyFolderQuietly(const std::string& folder) {
    std::error_code error;
    const fs::path path = PathFromUtf8(folder);
    if (fs::is_directory(path, error) && fs::is_empty(path, error) && !error) fs::remove(path, error);
}

#include "files/pathtofileurl.h"

#include <cctype>
#include <vector>

namespace {

bool IsDrivePath(const std::string& path)
{
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool IsPosixAbsolute(const std::string& path)
{
    return !path.empty() && path[0] == '/';
}

// Characters that would end or change a URL's path if left as they are.
void AppendEscaped(std::string& url, const std::string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    for (char c : text) {
        if (c == '%' || c == '#' || c == '?') {
            url += '%';
            url += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
            url += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
            url += c;
        }
    }
}

// The names along a path, with "." dropped and ".." taking back a name.
std::vector<std::string> Components(const std::string& path, bool drive)
{
    std::vector<std::string> names;
    std::string name;
    auto finish = [&] {
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        name.clear();
    };
    for (char c : path) {
        if (c == '/' || (drive && c == '\\'))
            finish();
        else
            name += c;
    }
    finish();
    return names;
}

bool SameName(const std::string& a, const std::string& b, bool ignoreCase)
{
    if (!ignoreCase)
        return a == b;
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

std::string PathToFileURL(const std::string& path)
{
    if (IsPosixAbsolute(path)) {
        std::string url = "file://";
        url.reserve(url.size() + path.size());
        AppendEscaped(url, path);
        return url;
    }
    std::string url = "file:///";
    url.reserve(url.size() + path.size());
    for (char c : path)
        url += c == '\\' ? '/' : c == ':' ? '|' : c;
    return url;
}

std::optional<std::string> RelativeLinkInFolder(const std::string& file, const std::string& folder)
{
    const bool drive = IsDrivePath(file);
    const bool comparable = drive ? IsDrivePath(folder) : IsPosixAbsolute(file) && IsPosixAbsolute(folder);
    if (!comparable)
        return std::nullopt;
    const std::vector<std::string> names = Components(file, drive);
    const std::vector<std::string> outer = Components(folder, drive);
    if (names.size() <= outer.size())
        return std::nullopt;
    for (size_t i = 0; i < outer.size(); ++i) {
        if (!SameName(names[i], outer[i], drive))
            return std::nullopt;
    }
    std::string link = names[outer.size()].find(':') == std::string::npos ? "" : "./";
    for (size_t i = outer.size(); i < names.size(); ++i) {
        if (i > outer.size())
            link += '/';
        AppendEscaped(link, names[i]);
    }
    return link;
}

std::string LinkToLocalFile(const std::string& file, const std::string& projectFolder)
{
    return RelativeLinkInFolder(file, projectFolder).value_or(PathToFileURL(file));
}

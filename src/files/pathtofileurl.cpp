#include "files/pathtofileurl.h"

std::string PathToFileURL(const std::string& path)
{
    std::string url = "file:///";
    url.reserve(url.size() + path.size());
    for (char c : path)
        url += c == '\\' ? '/' : c == ':' ? '|' : c;
    return url;
}

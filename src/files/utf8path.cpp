#include "files/utf8path.h"

#if defined(_WIN32)
#include "files/win32path.h"
#endif

// On Windows the conversion is the one the save's own calls make, where text
// that is not UTF-8 (or a name that is not UTF-16) gives a replacement
// character instead of an exception in the middle of a copy. On POSIX
// systems the bytes stay as they are.
std::filesystem::path PathFromUtf8(const std::string& text)
{
#if defined(_WIN32)
    return std::filesystem::path(WideText(text));
#else
    return std::filesystem::path(text);
#endif
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
#if defined(_WIN32)
    return Utf8Text(path.native());
#else
    return path.native();
#endif
}

#pragma once
// Paths are UTF-8 text everywhere in Trellimenu. std::filesystem reads and
// gives a narrow string in the system's own narrow encoding, which on Windows
// is the ANSI code page (Windows-1252 on a Western system): a folder named in
// Greek or Japanese would be misread there and a file made under a garbled
// name. Every path crosses into and out of std::filesystem through these two.

#include <filesystem>
#include <string>

std::filesystem::path PathFromUtf8(const std::string& text);
std::string Utf8FromPath(const std::filesystem::path& path);

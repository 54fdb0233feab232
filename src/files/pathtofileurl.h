#pragma once
#include <string>

// The file address the item link field stores: "\" becomes "/", ":" becomes
// "|", and "file:///" goes in front. Nothing else is changed or escaped, so
// C:\Menus\a.htm gives file:///C|/Menus/a.htm and /home/a.htm gives file:////home/a.htm.
std::string PathToFileURL(const std::string& path);

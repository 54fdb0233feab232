#pragma once
#include <optional>
#include <string>

// The file address of a local path.
// - A Windows drive path keeps the old form that menus made with earlier
//   versions hold and the run-time scripts expect: "\" becomes "/", ":"
//   becomes "|", "file:///" goes in front, nothing is escaped:
//   C:\Menus\a.htm gives file:///C|/Menus/a.htm.
// - An absolute POSIX path gives a proper file URL, "file://" and the path,
//   with "%", "#" and "?" escaped so they stay part of the name:
//   /home/ann/page.html gives file:///home/ann/page.html.
// - Anything else is treated as the Windows form.
std::string PathToFileURL(const std::string& path);

// The path of a file relative to a folder it lies in, or below: "/"
// separators, the same escapes, and "./" in front when the first name holds a
// ":" that would read as a scheme. Nothing when the file lies elsewhere or
// either path is not absolute. Paths are compared as written; drive paths
// without regard to letter case.
std::optional<std::string> RelativeLinkInFolder(const std::string& file, const std::string& folder);

// The link an item stores for a local file the user picked: relative to the
// project's folder when the file lies in it or below (the link then still
// works once the site is uploaded), otherwise PathToFileURL. An empty folder
// (a project not saved yet) always gives PathToFileURL.
std::string LinkToLocalFile(const std::string& file, const std::string& projectFolder);

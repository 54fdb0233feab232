#pragma once
// Finds the web browsers installed on this machine, for the preview-browser
// dialog. On Linux and other Unix systems a browser is known when one of its
// program names is found on the search path.

#include <QString>
#include <QStringList>
#include <vector>

struct TWebBrowserNamePath {
    QString BrowserName;     // display text
    QString BrowserExePath;  // full path of the program
};

// Detects the known browsers in their fixed order, at most one entry each and
// only where the program file exists. `searchPath` lists the folders to look
// in (PATH split into folders).
std::vector<TWebBrowserNamePath> DetectBrowsers(const QStringList& searchPath);

// The folders of the PATH environment variable.
QStringList SystemSearchPath();

#pragma once
// The Help menu's commands that leave the program: the help index and the
// sample pages in the browser chosen under Option > Web Browser, as the
// preview is shown, and the maker's pages in the default browser. A browser
// that does not start is reported, naming the browser and the page.

#include <QString>
#include <functional>

#include "ui/dialogs/webbrowser.h"

class TPrompts;
class TShell;

// Starts the chosen browser on folder + file name.
using TPageLauncher = std::function<TBrowserLaunch(const QString& folder, const QString& fileName)>;

class THelpCommands {
public:
    // programFolder ends with a separator.
    THelpCommands(TShell& shell, const QString& programFolder, TPageLauncher launch, TPrompts& prompts);

    void Topic1Click();       // "Help &Topics" and the Help tool button: help/index.html
    void ViewSample1Click();  // "View &Sample...": samples/index.html
    void Homepage1Click();    // "&Homepage": the maker's web address
    void ContactUs1Click();   // "&Contact Us": the same address

private:
    void OpenInProgramFolder(const QString& folder, const QString& fileName);

    TShell& shell_;
    QString programFolder_;
    TPageLauncher launch_;
    TPrompts& prompts_;
};

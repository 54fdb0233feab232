#pragma once
// The Help menu's commands that leave the program: the help index and the
// sample pages in the default HTML handler, the maker's pages in the browser.
// What the shell reports is ignored: the handler shows its own errors.

#include <QString>

class TShell;

class THelpCommands {
public:
    // programFolder ends with a separator.
    THelpCommands(TShell& shell, const QString& programFolder);

    void Topic1Click();       // "Help &Topics" and the Help tool button: help/index.html
    void ViewSample1Click();  // "View &Sample...": samples/index.html
    void Homepage1Click();    // "&Homepage": the maker's web address
    void ContactUs1Click();   // "&Contact Us": the same address

private:
    void OpenInProgramFolder(const QString& relativePath);

    TShell& shell_;
    QString programFolder_;
};

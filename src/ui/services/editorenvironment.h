#pragma once
// Everything the editor takes from the world around it, so that the program
// entry and the main window run the same way under tests: the program folder,
// the settings, the dialogs, the shell and the way modal dialogs are shown.

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class TPrompts;
class TSettingsStore;
class TShell;

// Shows a dialog modally and returns its result; tests drive the dialog instead.
using TDialogRunner = std::function<int(QDialog&)>;

struct TEditorEnvironment {
    QString programFolder;          // with a trailing separator
    QString executablePath;         // the running program, for the file association
    QString dataHome;               // the user's XDG data folder; empty: no association
    QStringList browserSearchPath;  // where preview browsers are looked for
    TSettingsStore* settings = nullptr;
    TPrompts* prompts = nullptr;    // none: Qt's dialogs
    TShell* shell = nullptr;
    TDialogRunner runDialog;        // none: QDialog::exec
};

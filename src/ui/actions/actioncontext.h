#pragma once
// What every action of the main window works with: the program's
// surroundings, the document, where it reports, and the window its dialogs
// belong to.

#include <QKeySequence>
#include <QString>
#include <exception>
#include <string>
#include <vector>

#include "ui/dialogs/webbrowser.h"
#include "ui/services/editorenvironment.h"
#include "ui/services/prompts.h"
#include "ui/services/statusarea.h"

class QAction;
class QDialog;
class QObject;
class QWidget;
class TEditorDocument;

struct TActionContext {
    const TEditorEnvironment& environment;  // program folder, settings, shell, dialog runner
    TEditorDocument& document;
    TPrompts& prompts;
    TStatusArea& status;
    QWidget* window;  // the parent of the dialogs the actions open

    // Shows a dialog modally, or hands it to the tests' runner.
    int RunDialog(QDialog& dialog) const;

    // Runs one step of a command; a failure is shown with the file and the
    // reason, the status area is put back to rest, and false comes back.
    template <typename Step>
    bool Guarded(Step step) const
    {
        try {
            step();
            return true;
        } catch (const std::exception& error) {
            ReportFailure(QString::fromUtf8(error.what()));
        }
        return false;
    }
    void ReportFailure(const QString& text) const;
    // What a save or an open found in the folder from an earlier save that
    // did not finish: one warning, a line each; none, nothing shown.
    void ShowFolderWarnings(const std::vector<std::string>& warnings) const;
    // Starts the browser chosen under Option > Web Browser on folder + file name.
    TBrowserLaunch OpenInChosenBrowser(const QString& folder, const QString& fileName) const;
};

// A menu command: its object name (which the tests and the tool bar find it
// by), its caption with the mnemonic, and its shortcut.
QAction* NewMenuAction(QObject* owner, const char* name, const char* caption, const QKeySequence& shortcut = {});

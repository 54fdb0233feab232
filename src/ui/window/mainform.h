#pragma once
// The main window: owns the agent and the document state (ProjectFileName,
// Modified), places the menu tree and the property pages, and runs the
// document, preview and help commands through menus and the tool bar.

#include <QMainWindow>
#include <QString>
#include <memory>

#include "codegen/generation.h"
#include "codegen/previewfolder.h"
#include "model/appletagent.h"
#include "ui/dialogs/templet.h"
#include "ui/document/editordocument.h"
#include "ui/services/editorenvironment.h"
#include "ui/services/editorhost.h"

class QAction;
class QMenu;
class QToolBar;
class TformHTML;
class TfrmHelp;
class THelpCommands;
class TMenuEditor;
class TRecentFiles;
class TProjectFileGuard;
class TStatusArea;

class TMainForm final : public QMainWindow, public TEditorHost, public TDocumentCommands {
    Q_OBJECT
public:
    explicit TMainForm(const TEditorEnvironment& environment);
    ~TMainForm() override;

    // The HTML code window and the help window live as long as the program,
    // hidden until used.
    void CreateCompanionWindows();

    // --- Document state ---
    // True exactly while the document differs from the last save or open
    // (undoing back to that state clears it); Save is enabled while true.
    bool Modified() const;
    // false: the document as it is now counts as saved.
    void SetModified(bool modified);
    const QString& ProjectFileName() const { return ProjectFileName_; }
    // The page code that saves and previews publish, as the user chose it.
    TPageCode PageCode() const;

    // --- Document commands ---
    void New1Click() override;
    void Open1Click();
    bool Save1Click();  // true when the document was saved
    void Save2Click();  // Save As
    void Templet1Click();
    void SaveAsTemplate1Click();
    void ImportMenuStructure1Click();
    void ExportMenuStructure1Click();
    void OpenProjectFile(const QString& path);
    void OpenTemplate(const QString& path) override;
    void ShowTemplateChooser();

    // --- Menu, option and help commands ---
    void Preview1Click();
    void BuildHTML1Click();
    void Publish1Click();
    void WebBrowser1Click();
    void About1Click();

    // The close query: true when the window may close.
    bool CloseQuery();

    // --- TEditorHost ---
    TvarnAppletAgent& Agent() override { return agent_; }
    TEditorDocument& EditorDocument() { return document_; }
    TEditorDocument& Document() override { return document_; }
    TPrompts& Prompts() override { return *prompts_; }
    QString LastFolder(TFolderKind kind) const override;
    void RememberFolderOf(TFolderKind kind, const QString& file) override;
    void ShowHint(const QString& text) override;
    QString ProgramFolder() const override { return env_.programFolder; }
    void CopyToPreview(const QString& path) override;
    TPreviewFolder& Preview() { return preview_; }
    QString ProjectFolder() const override;
    void ShowHelpTopic(int tag) override;

    TMenuEditor& MenuEditor() const { return *menuEditor_; }
    TRecentFiles& RecentFiles() const { return *recentFiles_; }
    TStatusArea& StatusArea() const { return *status_; }
    TProjectFileGuard& FileGuard() const { return *fileGuard_; }
    TformHTML* FormHTML() const { return formHTML_; }
    TfrmHelp* FormHelp() const { return frmHelp_; }
    QString TemplatesFolder() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TDocumentKind { Project, Structure, Template };

    // Construction, in mainform.cpp.
    void BuildMenusAndToolBar();
    QAction* AddCommand(QMenu* menu, const char* name, const char* caption, void (TMainForm::*handler)(),
                        const QKeySequence& shortcut = {});
    void BuildToolBar();
    void LoadRecentFilesReporting();
    void BuildEditMenu();
    void BuildPageCodeMenu(QMenu* menu);
    // The title names the file and shows the unsaved-changes marker.
    void UpdateDocumentState();
    // The window's size and place from the last session; empty when none was kept.
    QByteArray KeptGeometry() const;
    void PlaceOnScreen();

    // Shared steps of the document commands, in documentcommands.cpp.
    bool AskToSaveChanges();
    bool SaveDocumentTo(const QString& path);
    // A file dialog starting in the folder remembered for its kind (or the
    // given one); the chosen file's folder is remembered. "" when cancelled.
    QString AskForFile(bool save, const QString& caption, TFolderKind kind, const QString& filter,
                       const QString& folder = QString());
    // The page and tmzcfg.js from the document; the records take what the
    // generator leaves in them, and tmzcfg.js is written into the program
    // folder, as every generation does. False after telling the user.
    bool Generate(struct TGeneratedMenu& menu);
    bool SaveAsInFolder(const QString& folder);  // true when the document was saved
    void LoadDocument(const QString& path, TDocumentKind kind);
    void ShowNewDocument();

    // Preview helpers, in previewcommands.cpp.
    int RunDialog(QDialog& dialog);

    // Runs one step of a command; a failure is shown with the file and the
    // reason, the status area is put back to rest, and false comes back.
    template <typename Step>
    bool Guarded(Step step);
    void ReportFailure(const QString& text);

    TEditorEnvironment env_;
    std::unique_ptr<TPrompts> ownPrompts_;
    TPrompts* prompts_;
    TvarnAppletAgent agent_;
    TEditorDocument document_{agent_};
    TPreviewFolder preview_;
    std::unique_ptr<TStatusArea> status_;
    std::unique_ptr<THelpCommands> helpCommands_;
    TMenuEditor* menuEditor_ = nullptr;
    TRecentFiles* recentFiles_ = nullptr;
    TProjectFileGuard* fileGuard_ = nullptr;
    TformHTML* formHTML_ = nullptr;
    TfrmHelp* frmHelp_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* Save1 = nullptr;

    QString ProjectFileName_;
    bool placed_ = false;
};

// The project and structure file filters of the file dialogs.
extern const char* const kProjectFilter;    // "Trellimenu 2006 Files (*.tmz)"
extern const char* const kStructureFilter;  // "General Menu Structure File (*.gms)"

template <typename Step>
bool TMainForm::Guarded(Step step)
{
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        ReportFailure(QString::fromUtf8(error.what()));
    }
    return false;
}

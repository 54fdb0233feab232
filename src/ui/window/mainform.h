#pragma once
// The main window: holds the document, places the menu tree and the property
// pages, puts the document, publish and help actions into its menus and tool
// bar, and shows the document's name and unsaved state in its title.

#include <QMainWindow>
#include <QString>
#include <memory>

#include "codegen/previewfolder.h"
#include "model/appletagent.h"
#include "ui/document/editordocument.h"
#include "ui/services/editorenvironment.h"
#include "ui/services/foldermemory.h"
#include "ui/services/previewcopies.h"

class QAction;
class QMenu;
class QToolBar;
struct TActionContext;
class TEditorViews;
class TExportAction;
class TformHTML;
class TfrmHelp;
class THelpActions;
class TMenuEditor;
class TOpenActions;
class TProjectFileGuard;
class TPublishActions;
class TRecentFiles;
class TSaveActions;
class TStatusArea;

class TMainForm final : public QMainWindow {
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
    // The file the document was opened from or saved to; "" while untitled.
    const QString& ProjectFileName() const { return document_.FileName(); }

    // The close query: true when the window may close.
    bool CloseQuery();

    // --- The parts it wires ---
    TvarnAppletAgent& Agent() { return agent_; }
    TEditorDocument& Document() { return document_; }
    TOpenActions& OpenActions() const { return *opening_; }
    TSaveActions& SaveActions() const { return *saving_; }
    TExportAction& ExportAction() const { return *exporting_; }
    TPublishActions& PublishActions() const { return *publishing_; }
    THelpActions& HelpActions() const { return *help_; }
    TMenuEditor& MenuEditor() const { return *menuEditor_; }
    TRecentFiles& RecentFiles() const { return *recentFiles_; }
    TStatusArea& StatusArea() const { return *status_; }
    TProjectFileGuard& FileGuard() const { return *fileGuard_; }
    TFolderMemory& Folders() { return folders_; }
    TformHTML* FormHTML() const;
    TfrmHelp* FormHelp() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the actions work with; the status area and the prompts exist by then.
    TActionContext ActionContext();
    void CreateActions();
    void BuildMenusAndToolBar();
    void BuildEditMenu();
    void BuildToolBar(QAction* toolBarItem);
    // The title names the file and shows the unsaved-changes marker.
    void UpdateTitle();
    // The window's size and place from the last session; empty when none was kept.
    QByteArray KeptGeometry() const;
    void PlaceOnScreen();

    TEditorEnvironment env_;
    std::unique_ptr<TPrompts> ownPrompts_;
    TvarnAppletAgent agent_;
    TEditorDocument document_{agent_};
    TPreviewFolder preview_;
    TPreviewFolderCopies previewCopies_{preview_};
    TSettingsFolderMemory folders_;
    std::unique_ptr<TStatusArea> status_;
    std::unique_ptr<TEditorViews> views_;
    THelpActions* help_ = nullptr;
    TMenuEditor* menuEditor_ = nullptr;
    TRecentFiles* recentFiles_ = nullptr;
    TProjectFileGuard* fileGuard_ = nullptr;
    TSaveActions* saving_ = nullptr;
    TOpenActions* opening_ = nullptr;
    TExportAction* exporting_ = nullptr;
    TPublishActions* publishing_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    bool placed_ = false;
};

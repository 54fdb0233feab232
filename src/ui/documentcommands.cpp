// The File menu's commands of the main window: they replace, save or exchange
// the one document, framed by the unsaved-changes prompt and the document
// state (ProjectFileName, Modified).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTreeWidget>

#include "files/textfile.h"
#include "platform/settingsstore.h"
#include "ui/designpanel.h"
#include "ui/localpath.h"
#include "ui/mainform.h"
#include "ui/menueditor.h"
#include "ui/prompts.h"
#include "ui/recentfiles.h"
#include "ui/statusarea.h"
#include "ui/templet.h"

namespace {
// The folder part of a path, ending in the separator.
QString FolderOf(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath() + '/');
}

const char* const kIncompleteMessage =
    "The file \"%1\" ended before the end of its item list. The items read so far have been opened; "
    "check the menu before you save it.";
}  // namespace

bool TMainForm::AskToSaveChanges()
{
    if (!Modified_)
        return true;
    switch (prompts_->AskYesNoCancel("Save changes to files?")) {
    case TPrompts::Answer::Yes:
        // A save that did not happen (its dialog cancelled, or failed) stops the command.
        return Save1Click();
    case TPrompts::Answer::No:
        return true;
    case TPrompts::Answer::Cancel:
        break;
    }
    return false;
}

void TMainForm::ShowNewDocument()
{
    menuEditor_->ResetSelectionState();
    menuEditor_->ResetTree();
    agent_.ResetAppletToDefaults();
    menuEditor_->RefreshMenuPages();
}

void TMainForm::New1Click()
{
    if (!AskToSaveChanges())
        return;
    agent_.ClearPreview();
    ProjectFileName_.clear();
    ShowNewDocument();
    SetModified(false);
}

void TMainForm::Open1Click()
{
    if (!AskToSaveChanges())
        return;
    const QString path = prompts_->OpenFileName("Open", QString(), kProjectFilter);
    if (path.isEmpty())
        return;
    LoadDocument(path, TDocumentKind::Project);
}

void TMainForm::OpenProjectFile(const QString& path)
{
    if (path.isEmpty())
        return;
    if (!AskToSaveChanges())
        return;
    LoadDocument(path, TDocumentKind::Project);
}

void TMainForm::ImportMenuStructure1Click()
{
    if (!AskToSaveChanges())
        return;
    QDir().mkpath(FromLocalPath(agent_.PreviewFolder()));
    const QString path = prompts_->OpenFileName("Import Menu Structure", QString(), kStructureFilter);
    if (path.isEmpty())
        return;
    LoadDocument(path, TDocumentKind::Structure);
}

void TMainForm::LoadDocument(const QString& path, TDocumentKind kind)
{
    // The reader builds the new document beside the open one and replaces it
    // only when the file was accepted, so a refused or missing file leaves
    // the document, ProjectFileName and the recent files as they were.
    TReadResult result;
    menuEditor_->SetSuppressTreeEvents(true);
    const bool read = Guarded([&] {
        result = kind == TDocumentKind::Project ? agent_.LoadProject(LocalPath(path), menuEditor_->Tree())
                                                : agent_.ImportStructure(LocalPath(path), menuEditor_->Tree());
    });
    menuEditor_->SetSuppressTreeEvents(false);
    if (!read)
        return;
    if (!result.Accepted()) {
        prompts_->Error(QString::fromUtf8(result.message.c_str()));
        return;
    }
    // The tree was rebuilt: no node is being edited any more.
    menuEditor_->ResetSelectionState();
    // The previous document's preview copies go only now, so a refused file
    // never costs the open document its picked arrow images.
    agent_.ClearPreview();

    if (kind == TDocumentKind::Project) {
        // A list file that cannot be written is reported; the open goes on.
        Guarded([&] { recentFiles_->AddRecentFile(path); });
    }
    if (!menuEditor_->RefreshMenuPages()) {
        // A stored value the pages cannot show: start afresh rather than let
        // the pages and the records disagree.
        ProjectFileName_.clear();
        ShowNewDocument();
        SetModified(false);
        return;
    }
    if (kind == TDocumentKind::Project)
        ProjectFileName_ = path;
    agent_.CopyArrowImagesToPreview(LocalPath(FolderOf(path)));
    ShowMenuRoot();
    SetModified(false);
    if (result.status == TReadResult::Incomplete)
        prompts_->Warning(QString::fromLatin1(kIncompleteMessage).arg(QDir::toNativeSeparators(path)));
}

void TMainForm::ShowMenuRoot()
{
    // Selecting the root shows the seven menu pages and hides the item pages.
    auto* panel = qobject_cast<TDesignPanel*>(menuEditor_->TreePanel());
    if (!panel)
        return;
    // The reader may have left the root current while tree events were
    // suppressed; moving away and back makes the tree panel see the selection.
    panel->TreeWidget()->setCurrentItem(nullptr);
    panel->Select(panel->Root());
    panel->Expand(panel->Root());
}

bool TMainForm::SaveDocumentTo(const QString& path)
{
    const QFileInfo info(path);
    return Guarded([&] { agent_.SaveAndPublish(LocalPath(FolderOf(path)), LocalPath(info.fileName())); });
}

bool TMainForm::Save1Click()
{
    menuEditor_->GatherPages();
    QString path = ProjectFileName_;
    if (path.isEmpty()) {
        path = prompts_->SaveFileName("Save", QString(), kProjectFilter);
        if (path.isEmpty())
            return false;
    }
    // A failed save keeps Modified and ProjectFileName as they were.
    if (!SaveDocumentTo(path))
        return false;
    ProjectFileName_ = path;
    SetModified(false);
    return true;
}

void TMainForm::SaveAsInFolder(const QString& folder)
{
    // Written from the pages as the user sees them, as Save does.
    menuEditor_->GatherPages();
    const QString path = prompts_->SaveFileName("Save As", folder, kProjectFilter);
    if (path.isEmpty())
        return;
    if (SaveDocumentTo(path))
        ProjectFileName_ = path;
}

void TMainForm::Save2Click()
{
    SaveAsInFolder(QString());
}

void TMainForm::SaveAsTemplate1Click()
{
    QDir().mkpath(TemplatesFolder());
    SaveAsInFolder(TemplatesFolder());
}

void TMainForm::ExportMenuStructure1Click()
{
    menuEditor_->GatherPages();
    QString path = prompts_->SaveFileName("Export Menu Structure", QString(), kStructureFilter);
    if (path.isEmpty())
        return;
    if (path.right(4).toLower() != ".gms")
        path += ".gms";
    Guarded([&] { agent_.ExportStructure(LocalPath(path)); });
}

void TMainForm::Templet1Click()
{
    ShowTemplateChooser();
}

void TMainForm::ShowTemplateChooser()
{
    TfrmTemplet chooser(*this, *env_.settings, *prompts_, TemplatesFolder(), this);
    RunDialog(chooser);
}

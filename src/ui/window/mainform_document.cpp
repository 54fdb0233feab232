// The File menu's commands of the main window: they replace, save or exchange
// the one document, framed by the unsaved-changes prompt and the document
// state (ProjectFileName, Modified).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "codegen/menucode.h"
#include "codegen/publishing.h"
#include "files/projectfile.h"
#include "files/structurefile.h"
#include "files/textfile.h"
#include "platform/settingsstore.h"
#include "ui/actions/projectfileguard.h"
#include "ui/actions/recentfiles.h"
#include "ui/dialogs/templet.h"
#include "ui/services/localpath.h"
#include "ui/services/prompts.h"
#include "ui/services/savesetup.h"
#include "ui/window/lockwaitindicator.h"
#include "ui/window/mainform.h"
#include "ui/window/menueditor.h"
#include "ui/window/statusarea.h"

namespace {
// The folder part of a path, ending in the separator.
QString FolderOf(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath() + '/');
}

const char* const kIncompleteMessage =
    "The file \"%1\" ended before the end of its item list. The items read so far have been opened; "
    "check the menu before you save it.";

// What a save or an open found in the folder from an earlier save that did
// not finish: the user learns that a file was left alone or a save dropped.
void ShowFolderWarnings(TPrompts& prompts, const std::vector<std::string>& warnings)
{
    if (warnings.empty())
        return;
    QStringList lines;
    for (const std::string& warning : warnings)
        lines << QString::fromUtf8(warning.c_str());
    prompts.Warning(lines.join('\n'));
}
}  // namespace

bool TMainForm::AskToSaveChanges()
{
    if (!Modified())
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
    document_.Replace(TMenuDocument());
}

void TMainForm::New1Click()
{
    if (!AskToSaveChanges())
        return;
    preview_.ClearPreview();
    ProjectFileName_.clear();
    fileGuard_->Forget();
    ShowNewDocument();
    SetModified(false);
}

QString TMainForm::AskForFile(bool save, const QString& caption, TFolderKind kind, const QString& filter,
                              const QString& folder)
{
    const QString start = folder.isEmpty() ? LastFolder(kind) : folder;
    const QString path = save ? prompts_->SaveFileName(caption, start, filter)
                              : prompts_->OpenFileName(caption, start, filter);
    // A folder chosen to write in is remembered once the writing succeeded.
    if (!save)
        RememberFolderOf(kind, path);
    return path;
}

void TMainForm::Open1Click()
{
    if (!AskToSaveChanges())
        return;
    const QString path = AskForFile(false, "Open", TFolderKind::Projects, kProjectFilter);
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

void TMainForm::OpenTemplate(const QString& path)
{
    if (path.isEmpty() || !AskToSaveChanges())
        return;
    LoadDocument(path, TDocumentKind::Template);
}

void TMainForm::ImportMenuStructure1Click()
{
    if (!AskToSaveChanges())
        return;
    QDir().mkpath(FromLocalPath(preview_.Folder()));
    const QString path = AskForFile(false, "Import Menu Structure", TFolderKind::Structures, kStructureFilter);
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
    TMenuDocument document;
    const TFileFingerprint seen = TProjectFileGuard::Look(path);
    const bool read = Guarded([&] {
        result = kind == TDocumentKind::Structure ? ImportStructureFile(LocalPath(path), document, *status_)
                                                  : LoadProjectFile(LocalPath(path), document, *status_);
    });
    if (!read)
        return;
    ShowFolderWarnings(*prompts_, result.warnings);
    if (!result.Accepted()) {
        prompts_->Error(QString::fromUtf8(result.message.c_str()));
        return;
    }
    // The tree and the pages start afresh from the new document.
    document_.Replace(std::move(document));
    // The previous document's preview copies go only now, so a refused file
    // never costs the open document its picked arrow images.
    preview_.ClearPreview();

    if (kind == TDocumentKind::Project) {
        // A list file that cannot be written is reported; the open goes on.
        Guarded([&] { recentFiles_->AddRecentFile(path); });
    }
    if (!menuEditor_->PagesShowDocument()) {
        // A stored value the pages cannot show: start afresh rather than let
        // the pages and the records disagree.
        ProjectFileName_.clear();
        fileGuard_->Forget();
        ShowNewDocument();
        SetModified(false);
        return;
    }
    if (kind == TDocumentKind::Project) {
        ProjectFileName_ = path;
        fileGuard_->Guard(path, seen);
    }
    else if (kind == TDocumentKind::Template) {
        ProjectFileName_.clear();  // an untitled copy: a shipped template is never saved over by accident
        fileGuard_->Forget();
    }
    preview_.CopyArrowImagesToPreview(LocalPath(FolderOf(path)), agent_.GetAppletData(), *status_);
    SetModified(false);
    if (result.status == TReadResult::Incomplete)
        prompts_->Warning(QString::fromLatin1(kIncompleteMessage).arg(QDir::toNativeSeparators(path)));
}

bool TMainForm::SaveDocumentTo(const QString& path)
{
    switch (fileGuard_->MayReplace(path)) {
    case TProjectFileGuard::Replace::Yes: break;
    case TProjectFileGuard::Replace::SaveAs: return SaveAsInFolder(QString());
    case TProjectFileGuard::Replace::Cancel: return false;
    }
    const TProjectFileGuard::THold hold(*fileGuard_);
    TPublishSetup setup = EditorPublishSetup(env_.programFolder, ProjectFileName_, path, PageCode());
    setup.parameterScriptCopy = setup.programFolder + kParameterScriptName;
    setup.gathering = {true, document_.Selection()};
    TLockWaitIndicator lockWait(*status_);
    setup.lockWait = &lockWait;
    TPublishResult result;
    const std::string name = LocalPath(QFileInfo(path).fileName());
    const bool saved = Guarded([&] {
        try {
            result = SaveAndPublish(agent_.Document(), setup, LocalPath(FolderOf(path)), name, *status_);
        } catch (const std::exception& error) {
            // The user asked for the project; the file that failed may be another of the set.
            throw std::runtime_error(
                SaveFailureText(ProjectFileNameFor(name), QString::fromUtf8(error.what())).toUtf8().toStdString());
        }
    });
    if (!saved)
        return false;
    RememberFolderOf(TFolderKind::Projects, path);
    document_.Normalize(result.published);
    ProjectFileName_ = FromLocalPath(result.projectPath);
    fileGuard_->Guard(ProjectFileName_);
    SetModified(false);
    // Saved files come back from File > Recent as opened ones do.
    Guarded([&] { recentFiles_->AddRecentFile(ProjectFileName_); });
    status_->ShowNote("Saved " + QFileInfo(ProjectFileName_).fileName());
    ShowFolderWarnings(*prompts_, result.warnings);
    if (!result.missingImages.empty()) {
        QStringList names;
        for (const std::string& name : result.missingImages)
            names << FromLocalPath(name);
        prompts_->Warning(QString("The arrow image %1 was found neither in the preview folder, beside the project "
                                  "nor in the program folder, so it was not saved beside the menu.")
                              .arg(names.join(", ")));
    }
    return true;
}

bool TMainForm::Save1Click()
{
    menuEditor_->ApplyGatherRules();
    QString path = ProjectFileName_;
    if (path.isEmpty()) {
        path = AskForFile(true, "Save", TFolderKind::Projects, kProjectFilter);
        if (path.isEmpty())
            return false;
    }
    // A failed save keeps Modified and ProjectFileName as they were.
    return SaveDocumentTo(path);
}

bool TMainForm::SaveAsInFolder(const QString& folder)
{
    // Written as the pages show the document, as Save does.
    menuEditor_->ApplyGatherRules();
    const QString path = AskForFile(true, "Save As", TFolderKind::Projects, kProjectFilter, folder);
    return !path.isEmpty() && SaveDocumentTo(path);
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
    menuEditor_->ApplyGatherRules();
    QString path = AskForFile(true, "Export Menu Structure", TFolderKind::Structures, kStructureFilter);
    if (path.isEmpty())
        return;
    if (!EndsWithIgnoringCase(path.toStdString(), ".gms"))
        path += ".gms";
    // In a transaction of the editor's own, so that a wait for the folder's
    // lock is shown and can be given up, as a save's can.
    TLockWaitIndicator lockWait(*status_);
    const bool exported = Guarded([&] {
        TFileTransaction files(TFileTransaction::Locking::Folders, &lockWait);
        StageStructureFile(agent_.Document(), files, LocalPath(path), *status_);
        files.Commit();
    });
    if (exported)
        RememberFolderOf(TFolderKind::Structures, path);
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

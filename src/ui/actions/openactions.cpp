#include "ui/actions/openactions.h"

#include <QAction>
#include <QDir>

#include "codegen/previewfolder.h"
#include "files/projectfile.h"
#include "files/structurefile.h"
#include "ui/actions/documentviews.h"
#include "ui/actions/filechoice.h"
#include "ui/actions/projectfileguard.h"
#include "ui/actions/recentfiles.h"
#include "ui/actions/saveactions.h"
#include "ui/document/editordocument.h"
#include "ui/services/localpath.h"
#include "ui/services/savesetup.h"

namespace {
const char* const kIncompleteMessage =
    "The file \"%1\" ended before the end of its item list. The items read so far have been opened; "
    "check the menu before you save it.";
}  // namespace

TOpenActions::TOpenActions(const TActionContext& context, TDocumentViews& views, TSaveActions& saving,
                           TFolderMemory& folders, TProjectFileGuard& guard, TRecentFiles& recentFiles,
                           TPreviewFolder& preview, QObject* parent)
    : QObject(parent),
      context_(context),
      views_(views),
      saving_(saving),
      folders_(folders),
      guard_(guard),
      recentFiles_(recentFiles),
      preview_(preview),
      new_(NewMenuAction(this, "New1", "&New...", QKeySequence("Ctrl+N"))),
      open_(NewMenuAction(this, "Open1", "&Open...", QKeySequence("Ctrl+O"))),
      templates_(NewMenuAction(this, "Templet1", "&Templates")),
      import_(NewMenuAction(this, "ImportMenuStructure1", "&Import Menu Structure"))
{
    connect(new_, &QAction::triggered, this, &TOpenActions::New1Click);
    connect(open_, &QAction::triggered, this, &TOpenActions::Open1Click);
    connect(templates_, &QAction::triggered, this, &TOpenActions::Templet1Click);
    connect(import_, &QAction::triggered, this, &TOpenActions::ImportMenuStructure1Click);
}

bool TOpenActions::AskToSaveChanges()
{
    return saving_.OfferToSave("Save changes to files?");
}

void TOpenActions::StartEmptyDocument()
{
    guard_.Forget();
    context_.document.Replace(TMenuDocument());
    context_.document.SetFileName(QString());
    context_.document.UndoStack().setClean();
}

void TOpenActions::New1Click()
{
    if (!AskToSaveChanges())
        return;
    preview_.ClearPreview();
    StartEmptyDocument();
}

void TOpenActions::Open1Click()
{
    if (!AskToSaveChanges())
        return;
    const QString path =
        AskForFile(context_.prompts, folders_, TFileChoice::Open, "Open", TFolderKind::Projects, kProjectFilter);
    if (path.isEmpty())
        return;
    LoadDocument(path, TDocumentKind::Project);
}

void TOpenActions::OpenProjectFile(const QString& path)
{
    if (path.isEmpty() || !AskToSaveChanges())
        return;
    LoadDocument(path, TDocumentKind::Project);
}

void TOpenActions::ReloadProjectFile(const QString& path)
{
    LoadDocument(path, TDocumentKind::Project);
}

void TOpenActions::OpenTemplate(const QString& path)
{
    if (path.isEmpty() || !AskToSaveChanges())
        return;
    LoadDocument(path, TDocumentKind::Template);
}

void TOpenActions::ShowTemplateChooser()
{
    TfrmTemplet chooser(*this, *context_.environment.settings, context_.prompts,
                        TemplatesFolder(context_.environment.programFolder), context_.window);
    context_.RunDialog(chooser);
}

void TOpenActions::ImportMenuStructure1Click()
{
    if (!AskToSaveChanges())
        return;
    QDir().mkpath(FromLocalPath(preview_.Folder()));
    const QString path = AskForFile(context_.prompts, folders_, TFileChoice::Open, "Import Menu Structure",
                                    TFolderKind::Structures, kStructureFilter);
    if (path.isEmpty())
        return;
    LoadDocument(path, TDocumentKind::Structure);
}

void TOpenActions::LoadDocument(const QString& path, TDocumentKind kind)
{
    // The reader builds the new document beside the open one and replaces it
    // only when the file was accepted, so a refused or missing file leaves
    // the document, its name and the recent files as they were.
    TReadResult result;
    TMenuDocument read;
    const TFileFingerprint seen = TProjectFileGuard::Look(path);
    const bool wasRead = context_.Guarded([&] {
        result = kind == TDocumentKind::Structure ? ImportStructureFile(LocalPath(path), read, context_.status)
                                                  : LoadProjectFile(LocalPath(path), read, context_.status);
    });
    if (!wasRead)
        return;
    context_.ShowFolderWarnings(result.warnings);
    if (!result.Accepted()) {
        context_.prompts.Error(QString::fromUtf8(result.message.c_str()));
        return;
    }
    TEditorDocument& document = context_.document;
    // The tree and the pages start afresh from the new document.
    document.Replace(std::move(read));
    // The previous document's preview copies go only now, so a refused file
    // never costs the open document its picked arrow images.
    preview_.ClearPreview();

    if (kind == TDocumentKind::Project) {
        // A list file that cannot be written is reported; the open goes on.
        context_.Guarded([&] { recentFiles_.AddRecentFile(path); });
    }
    if (!views_.PagesShowDocument()) {
        // A stored value the pages cannot show: start afresh rather than let
        // the pages and the records disagree.
        StartEmptyDocument();
        return;
    }
    if (kind == TDocumentKind::Project) {
        guard_.Guard(path, seen);
        document.SetFileName(path);
    } else if (kind == TDocumentKind::Template) {
        // An untitled copy: a shipped template is never saved over by accident.
        guard_.Forget();
        document.SetFileName(QString());
    }
    preview_.CopyArrowImagesToPreview(LocalFolderOf(path), document.Document().applet, context_.status);
    document.UndoStack().setClean();
    if (result.status == TReadResult::Incomplete)
        context_.prompts.Warning(QString::fromLatin1(kIncompleteMessage).arg(QDir::toNativeSeparators(path)));
}

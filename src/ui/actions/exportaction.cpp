#include "ui/actions/exportaction.h"

#include <QAction>

#include "files/filetransaction.h"
#include "files/structurefile.h"
#include "model/textencoding.h"
#include "ui/actions/documentviews.h"
#include "ui/actions/filechoice.h"
#include "ui/document/editordocument.h"
#include "ui/services/localpath.h"
#include "ui/services/lockwaitindicator.h"

TExportAction::TExportAction(const TActionContext& context, TDocumentViews& views, TFolderMemory& folders,
                             QObject* parent)
    : QObject(parent),
      context_(context),
      views_(views),
      folders_(folders),
      export_(NewMenuAction(this, "ExportMenuStructure1", "&Export Menu Structure"))
{
    connect(export_, &QAction::triggered, this, &TExportAction::ExportMenuStructure1Click);
}

void TExportAction::ExportMenuStructure1Click()
{
    views_.GatherPages();
    QString path = AskForFile(context_.prompts, folders_, TFileChoice::Save, "Export Menu Structure",
                              TFolderKind::Structures, kStructureFilter);
    if (path.isEmpty())
        return;
    if (!EndsWithIgnoringCase(path.toStdString(), ".gms"))
        path += ".gms";
    // In a transaction of the editor's own, so that a wait for the folder's
    // lock is shown and can be given up, as a save's can.
    TLockWaitIndicator lockWait(context_.status);
    const bool exported = context_.Guarded([&] {
        TFileTransaction files(TFileTransaction::Locking::Folders, &lockWait);
        StageStructureFile(context_.document.Document(), files, LocalPath(path), context_.status);
        files.Commit();
    });
    if (exported)
        folders_.RememberFolderOf(TFolderKind::Structures, path);
}

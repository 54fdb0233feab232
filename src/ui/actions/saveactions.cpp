#include "ui/actions/saveactions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <stdexcept>

#include "codegen/menucode.h"
#include "codegen/publishing.h"
#include "ui/actions/documentviews.h"
#include "ui/actions/filechoice.h"
#include "ui/actions/projectfileguard.h"
#include "ui/actions/recentfiles.h"
#include "ui/document/editordocument.h"
#include "ui/services/localpath.h"
#include "ui/services/lockwaitindicator.h"
#include "ui/services/savesetup.h"

TSaveActions::TSaveActions(const TActionContext& context, TDocumentViews& views, TFolderMemory& folders,
                           TProjectFileGuard& guard, TRecentFiles& recentFiles, QObject* parent)
    : QObject(parent),
      context_(context),
      views_(views),
      folders_(folders),
      guard_(guard),
      recentFiles_(recentFiles),
      save_(NewMenuAction(this, "Save1", "&Save", QKeySequence("Ctrl+S"))),
      saveAs_(NewMenuAction(this, "Save2", "Save &As...", QKeySequence("Ctrl+Shift+S"))),
      saveAsTemplate_(NewMenuAction(this, "SaveAsTemplate1", "Sa&ve As Template"))
{
    connect(save_, &QAction::triggered, this, [this] { Save1Click(); });
    connect(saveAs_, &QAction::triggered, this, [this] { Save2Click(); });
    connect(saveAsTemplate_, &QAction::triggered, this, [this] { SaveAsTemplate1Click(); });
    QUndoStack& history = context_.document.UndoStack();
    save_->setEnabled(!history.isClean());
    connect(&history, &QUndoStack::cleanChanged, save_, [this](bool clean) { save_->setEnabled(!clean); });
}

bool TSaveActions::OfferToSave(const QString& question)
{
    if (context_.document.UndoStack().isClean())
        return true;
    switch (context_.prompts.AskYesNoCancel(question)) {
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

bool TSaveActions::Save1Click()
{
    views_.GatherPages();
    QString path = context_.document.FileName();
    if (path.isEmpty()) {
        path = AskForFile(context_.prompts, folders_, TFileChoice::Save, "Save", TFolderKind::Projects, kProjectFilter);
        if (path.isEmpty())
            return false;
    }
    // A failed save keeps the unsaved state and the document's file as they were.
    return SaveDocumentTo(path);
}

bool TSaveActions::Save2Click()
{
    return SaveAsInFolder(QString());
}

bool TSaveActions::SaveAsTemplate1Click()
{
    const QString templates = TemplatesFolder(context_.environment.programFolder);
    QDir().mkpath(templates);
    return SaveAsInFolder(templates);
}

bool TSaveActions::SaveAsInFolder(const QString& folder)
{
    // Written as the pages show the document, as Save does.
    views_.GatherPages();
    const QString path =
        AskForFile(context_.prompts, folders_, TFileChoice::Save, "Save As", TFolderKind::Projects, kProjectFilter, folder);
    return !path.isEmpty() && SaveDocumentTo(path);
}

bool TSaveActions::SaveDocumentTo(const QString& path)
{
    switch (guard_.MayReplace(path)) {
    case TProjectFileGuard::Replace::Yes: break;
    case TProjectFileGuard::Replace::SaveAs: return SaveAsInFolder(QString());
    case TProjectFileGuard::Replace::Cancel: return false;
    }
    TEditorDocument& document = context_.document;
    const TEditorEnvironment& environment = context_.environment;
    const TProjectFileGuard::THold hold(guard_);
    TPublishSetup setup =
        EditorPublishSetup(environment.programFolder, document.FileName(), path, PageCodeSetting(*environment.settings));
    setup.parameterScriptCopy = setup.programFolder + kParameterScriptName;
    setup.gathering = {true, document.Selection()};
    TLockWaitIndicator lockWait(context_.status);
    setup.lockWait = &lockWait;
    TPublishResult result;
    const std::string name = LocalPath(QFileInfo(path).fileName());
    const bool saved = context_.Guarded([&] {
        try {
            result = SaveAndPublish(document.Document(), setup, LocalFolderOf(path), name, context_.status);
        } catch (const std::exception& error) {
            // The user asked for the project; the file that failed may be another of the set.
            throw std::runtime_error(
                SaveFailureText(ProjectFileNameFor(name), QString::fromUtf8(error.what())).toUtf8().toStdString());
        }
    });
    if (!saved)
        return false;
    folders_.RememberFolderOf(TFolderKind::Projects, path);
    document.Normalize(result.published);
    const QString savedAs = FromLocalPath(result.projectPath);
    guard_.Guard(savedAs);
    document.SetFileName(savedAs);
    document.UndoStack().setClean();
    // Saved files come back from File > Recent as opened ones do.
    context_.Guarded([&] { recentFiles_.AddRecentFile(savedAs); });
    context_.status.ShowNote("Saved " + QFileInfo(savedAs).fileName());
    context_.ShowFolderWarnings(result.warnings);
    if (!result.missingImages.empty()) {
        QStringList names;
        for (const std::string& missing : result.missingImages)
            names << FromLocalPath(missing);
        context_.prompts.Warning(QString("The arrow image %1 was found neither in the preview folder, beside the "
                                         "project nor in the program folder, so it was not saved beside the menu.")
                                     .arg(names.join(", ")));
    }
    return true;
}

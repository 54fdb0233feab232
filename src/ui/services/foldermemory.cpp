#include "ui/services/foldermemory.h"

#include <QDir>
#include <QFileInfo>

#include "platform/settingsstore.h"

namespace {
const char* FolderKey(TFolderKind kind)
{
    switch (kind) {
    case TFolderKind::Projects: return "Folders/Projects";
    case TFolderKind::Structures: return "Folders/Structures";
    case TFolderKind::Images: return "Folders/Images";
    }
    return "Folders/Projects";
}
}  // namespace

QString TSettingsFolderMemory::LastFolder(TFolderKind kind) const
{
    // A remembered folder that has gone since is no place to start.
    const QString folder = settings_.EditorValue(FolderKey(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void TSettingsFolderMemory::RememberFolderOf(TFolderKind kind, const QString& file)
{
    if (!file.isEmpty())
        settings_.SetEditorValue(FolderKey(kind), QFileInfo(file).absolutePath());
}

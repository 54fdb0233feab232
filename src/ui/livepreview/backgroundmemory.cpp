#include "ui/livepreview/backgroundmemory.h"

#include <QUrl>

#include "platform/settingsstore.h"

QString TBackgroundMemory::Key(const QString& projectFileName)
{
    // One key per file, whatever characters its path holds.
    return QStringLiteral("LivePreview/Backgrounds/") + QString::fromLatin1(QUrl::toPercentEncoding(projectFileName));
}

QString TBackgroundMemory::Open(const QString& projectFileName)
{
    project_ = projectFileName;
    current_ = project_.isEmpty() ? QString() : settings_.EditorValue(Key(project_)).toString();
    return current_;
}

bool TBackgroundMemory::Rename(const QString& projectFileName)
{
    if (projectFileName == project_)
        return false;
    project_ = projectFileName;
    Store();
    return true;
}

void TBackgroundMemory::Remember(const QString& background)
{
    current_ = background;
    Store();
}

void TBackgroundMemory::Store()
{
    if (!project_.isEmpty())
        settings_.SetEditorValue(Key(project_), current_);
}

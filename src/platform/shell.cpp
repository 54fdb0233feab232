#include "platform/shell.h"

#include <QDesktopServices>
#include <QProcess>

bool TDesktopShell::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool TDesktopShell::StartProgram(const QString& program, const QString& argument)
{
    if (program.trimmed().isEmpty())
        return false;
    // The page travels as one argument, blanks and all; no shell parses it.
    return QProcess::startDetached(program, {argument});
}

#include "ui/helpcommands.h"

#include <QDir>
#include <QUrl>

#include "model/product.h"
#include "platform/shell.h"

THelpCommands::THelpCommands(TShell& shell, const QString& programFolder)
    : shell_(shell), programFolder_(programFolder)
{
}

void THelpCommands::Topic1Click()
{
    OpenInProgramFolder("help/index.html");
}

void THelpCommands::ViewSample1Click()
{
    OpenInProgramFolder("samples/index.html");
}

void THelpCommands::Homepage1Click()
{
    shell_.OpenUrl(QUrl(QString::fromLatin1(kMakerWebAddress)));
}

void THelpCommands::ContactUs1Click()
{
    shell_.OpenUrl(QUrl(QString::fromLatin1(kMakerWebAddress)));
}

void THelpCommands::OpenInProgramFolder(const QString& relativePath)
{
    shell_.OpenUrl(QUrl::fromLocalFile(QDir::cleanPath(QDir(programFolder_).filePath(relativePath))));
}

#include "ui/actions/helpcommands.h"

#include <QDir>
#include <QUrl>

#include "model/product.h"
#include "platform/shell.h"
#include "ui/services/prompts.h"

THelpCommands::THelpCommands(TShell& shell, const QString& programFolder, TPageLauncher launch, TPrompts& prompts)
    : shell_(shell), programFolder_(programFolder), launch_(std::move(launch)), prompts_(prompts)
{
}

void THelpCommands::Topic1Click()
{
    OpenInProgramFolder("help", "index.html");
}

void THelpCommands::ViewSample1Click()
{
    OpenInProgramFolder("samples", "index.html");
}

void THelpCommands::Homepage1Click()
{
    shell_.OpenUrl(QUrl(QString::fromLatin1(kMakerWebAddress)));
}

void THelpCommands::ContactUs1Click()
{
    shell_.OpenUrl(QUrl(QString::fromLatin1(kMakerWebAddress)));
}

void THelpCommands::OpenInProgramFolder(const QString& folder, const QString& fileName)
{
    const QString path = QDir::cleanPath(QDir(programFolder_).filePath(folder)) + '/';
    const TBrowserLaunch launch = launch_(path, fileName);
    if (!launch.started) {
        prompts_.Error(BrowserNotStartedMessage(launch, path + fileName));
    }
}

#include "ui/actions/actioncontext.h"

#include <QAction>
#include <QDialog>
#include <QStringList>

int TActionContext::RunDialog(QDialog& dialog) const
{
    return environment.runDialog ? environment.runDialog(dialog) : dialog.exec();
}

void TActionContext::ReportFailure(const QString& text) const
{
    status.Reset();
    prompts.Error(text);
}

QAction* NewMenuAction(QObject* owner, const char* name, const char* caption, const QKeySequence& shortcut)
{
    auto* action = new QAction(QString::fromLatin1(caption), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void TActionContext::ShowFolderWarnings(const std::vector<std::string>& warnings) const
{
    if (warnings.empty())
        return;
    QStringList lines;
    for (const std::string& warning : warnings)
        lines << QString::fromUtf8(warning.c_str());
    prompts.Warning(lines.join('\n'));
}

TBrowserLaunch TActionContext::OpenInChosenBrowser(const QString& folder, const QString& fileName) const
{
    TformWebBrowser browser(*environment.settings, *environment.shell, prompts, environment.browserSearchPath, window);
    return browser.OpenInBrowser(folder, fileName);
}

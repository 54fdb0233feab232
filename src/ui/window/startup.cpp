#include "ui/window/startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "model/product.h"
#include "platform/settingsstore.h"
#include "ui/actions/openactions.h"
#include "ui/window/mainform.h"

QString JoinCommandLine(const QStringList& arguments)
{
    QString path;
    for (const QString& argument : arguments)
        path += argument + ' ';
    return path.trimmed();
}

std::unique_ptr<TMainForm> StartEditor(const QStringList& arguments, const TEditorEnvironment& environment)
{
    // The title lives in the application name, not in a display name: the
    // desktop's window plugins append a display name to every caption, and
    // "Template" or "HTML" would then read "Template - Trellimenu 2006".
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    auto mainForm = std::make_unique<TMainForm>(environment);
    mainForm->CreateCompanionWindows();
    mainForm->show();

    QString path = JoinCommandLine(arguments);
    if (!path.isEmpty()) {
        // Recorded whole, so the recent files list still finds it from
        // another working folder.
        if (QFileInfo(path).isRelative())
            path = QDir::current().absoluteFilePath(path);
        mainForm->SetModified(false);
        mainForm->OpenActions().OpenProjectFile(path);
    } else if (environment.settings->ShowTempletsDialog()) {
        mainForm->OpenActions().ShowTemplateChooser();
    }
    return mainForm;
}

int RunEditor(const QStringList& arguments, const TEditorEnvironment& environment)
{
    std::unique_ptr<TMainForm> mainForm = StartEditor(arguments, environment);
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}

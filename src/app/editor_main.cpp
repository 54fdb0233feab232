// The editor's program entry.

#include <QApplication>
#include <QFile>

#include "codegen/programfolder.h"
#include "model/product.h"
#include "platform/browserdetect.h"
#include "platform/fileassociation.h"
#include "platform/settingsstore.h"
#include "platform/shell.h"
#include "ui/window/startup.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QApplication::setOrganizationName("Varn");

    const QString executable = QApplication::applicationFilePath();
    TSettingsStore settings;
    TDesktopShell shell;

    TEditorEnvironment environment;
    environment.programFolder = QFile::decodeName(QByteArray::fromStdString(
        ResolveProgramFolder(QFile::encodeName(executable).toStdString())));
    environment.executablePath = executable;
#ifndef Q_OS_WIN
    environment.dataHome = TFileAssociation::UserDataHome();
#endif
    environment.browserSearchPath = SystemSearchPath();
    environment.settings = &settings;
    environment.shell = &shell;

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return RunEditor(arguments, environment);
}

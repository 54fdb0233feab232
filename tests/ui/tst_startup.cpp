// The start-up sequence: the command-line path, the template chooser offer and
// the file association written at every start.

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "platform/fileassociation.h"
#include "tst_mainform_env.h"
#include "ui/dialogs/htmlbuild.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/window/startup.h"
#include "ui/dialogs/templet.h"

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void joinCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("quoted") << QStringList({"/My Menus/site.tmz"}) << "/My Menus/site.tmz";
        QTest::newRow("split at a blank") << QStringList({"/My", "Menus/site.tmz"}) << "/My Menus/site.tmz";
        QTest::newRow("trimmed") << QStringList({" ", "/a.tmz", ""}) << "/a.tmz";
    }

    void joinCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QCOMPARE(JoinCommandLine(arguments), path);
    }

    void pathSplitAtABlankOpensWithoutTheChooser()
    {
        TEditorTestEnv env;
        QDir().mkpath(env.Path("My Menus"));
        const QString file = env.Path("My Menus/site.tmz");
        TEditorTestEnv::WriteProject(file, {{"Site", 0}});
        env.settings->SetShowTempletsDialog(true);
        const QStringList arguments = file.split(' ');
        QCOMPARE(arguments.size(), 2);
        auto form = StartEditor(arguments, env.Environment());
        QVERIFY(env.dialogsShown.isEmpty());
        QCOMPARE(form->ProjectFileName(), file);
        QCOMPARE(ModelCaptions(*form), QStringList({"Site"}));
        QVERIFY(!form->Modified());
        QVERIFY(form->isVisible());
        QVERIFY(form->FormHTML() && !form->FormHTML()->isVisible());
        QVERIFY(form->FormHelp() && !form->FormHelp()->isVisible());
    }

    void applicationTitleLeavesDialogCaptionsAlone()
    {
        TEditorTestEnv env;
        env.settings->SetShowTempletsDialog(false);
        const QString before = QCoreApplication::applicationName();
        auto form = StartEditor({}, env.Environment());
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("Trellimenu 2006"));
        // No display name of its own: window plugins append one to every
        // caption, so it must merely follow the application name.
        QCoreApplication::setApplicationName("Caption probe");
        const QString shown = QGuiApplication::applicationDisplayName();
        QCoreApplication::setApplicationName(before);
        QCOMPARE(shown, QString("Caption probe"));
    }

    void doubleBlankDoesNotOpen()
    {
        TEditorTestEnv env;
        const QString file = env.Path("two  blanks.tmz");
        TEditorTestEnv::WriteProject(file, {{"X", 0}});
        auto form = StartEditor(file.split(' ', Qt::SkipEmptyParts), env.Environment());
        QCOMPARE(form->Agent().ItemCount(), 0);
        QVERIFY(form->ProjectFileName().isEmpty());
        // Unlike the silent original, the user learns why nothing opened.
        QCOMPARE(env.prompts.shown.size(), 1);
        QVERIFY(env.prompts.shown.first().text.contains("File not found"));
    }

    void chooserOfferedWhenNoSettingExists()
    {
        TEditorTestEnv env;
        bool mainWindowShown = false;
        env.OnNextDialog([&](QDialog& dialog) {
            mainWindowShown = dialog.parentWidget() && dialog.parentWidget()->isVisible();
            dialog.findChild<QPushButton*>("BitBtn2")->click();
            return dialog.result();
        });
        auto form = StartEditor({}, env.Environment());
        QCOMPARE(env.dialogsShown, QStringList({"frmTemplet"}));
        QVERIFY(mainWindowShown);
        QVERIFY(!form->Modified());
    }

    void chooserWithheldWhenSwitchedOffButMenuStillOpensIt()
    {
        TEditorTestEnv env;
        env.settings->SetShowTempletsDialog(false);
        auto form = StartEditor({}, env.Environment());
        QVERIFY(env.dialogsShown.isEmpty());

        bool boxChecked = false;
        env.OnNextDialog([&](QDialog& dialog) {
            boxChecked = dialog.findChild<QCheckBox*>("chckbxDontShow")->isChecked();
            dialog.findChild<QPushButton*>("BitBtn1")->click();
            return dialog.result();
        });
        form->findChild<QAction*>("Templet1")->trigger();
        QCOMPARE(env.dialogsShown, QStringList({"frmTemplet"}));
        QVERIFY(boxChecked);
    }

    void fileAssociationIsWrittenAtEveryStart()
    {
        TEditorTestEnv env;
        TEditorEnvironment environment = env.Environment();
        environment.dataHome = env.Path("xdg data");
        environment.executablePath = env.Path("my programs/trellimenu");
        env.settings->SetShowTempletsDialog(false);
        // No cache tools: they would run on in the background after the test.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "");
        auto form = StartEditor({}, environment);
        qputenv("PATH", path);

        const QString desktop = QString::fromUtf8(TEditorTestEnv::ReadBytes(environment.dataHome + "/applications/trellimenu.desktop"));
        QVERIFY2(desktop.contains("Exec=\"" + environment.executablePath + "\" %f\n"), qPrintable(desktop));
        QVERIFY(desktop.contains("MimeType=application/x-trellimenu-project;"));
        const QString mime = QString::fromUtf8(TEditorTestEnv::ReadBytes(environment.dataHome + "/mime/packages/trellimenu.xml"));
        QVERIFY(mime.contains("type=\"application/x-trellimenu-project\""));
        QVERIFY(mime.contains("<glob pattern=\"*.tmz\"/>"));

        // A moved program is written again at the next start.
        TFileAssociation moved(env.Path("elsewhere/trellimenu"), environment.dataHome);
        qputenv("PATH", "");
        QVERIFY(moved.Write());
        qputenv("PATH", path);
        QVERIFY(QString::fromUtf8(TEditorTestEnv::ReadBytes(moved.DesktopEntryPath())).contains("Exec=" + TFileAssociation::QuoteExecArgument(env.Path("elsewhere/trellimenu")) + " %f"));
    }

    void dataHomeFollowsXdg()
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "/tmp/elsewhere-data");
        QCOMPARE(TFileAssociation::UserDataHome(), QString("/tmp/elsewhere-data"));
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(TFileAssociation::UserDataHome(), QDir::homePath() + "/.local/share");
        if (!saved.isEmpty())
            qputenv("XDG_DATA_HOME", saved);
    }

    void unwritableAssociationIsSilent()
    {
        TEditorTestEnv env;
        TEditorTestEnv::WriteBytes(env.Path("a file"), "not a folder");
        TFileAssociation association("/usr/bin/trellimenu", env.Path("a file"));
        QVERIFY(!association.Write());
    }

    void execArgumentQuoting_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "/usr/bin/trellimenu" << "/usr/bin/trellimenu";
        QTest::newRow("blank") << "/opt/my apps/trellimenu" << "\"/opt/my apps/trellimenu\"";
        QTest::newRow("dollar") << "/opt/$x/tm" << "\"/opt/\\\\$x/tm\"";
        QTest::newRow("percent") << "/opt/100%/tm" << "/opt/100%%/tm";
    }

    void execArgumentQuoting()
    {
        QFETCH(QString, path);
        QFETCH(QString, field);
        QCOMPARE(TFileAssociation::QuoteExecArgument(path), field);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

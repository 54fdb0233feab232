// Preview, Build HTML and Publish from the main window, and the preview-browser
// dialog: detection, the stored choice and the launch.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include "platform/browserdetect.h"
#include "platform/shell.h"
#include "tst_mainform_env.h"
#include "ui/dialogs/htmlbuild.h"
#include "ui/dialogs/publishreport.h"
#include "ui/dialogs/webbrowser.h"

namespace {
// A stand-in program: a shell script that writes its arguments, one a line.
QString MakeProgram(const QString& path, const QString& recordTo = QString())
{
    const QString record = recordTo.isEmpty() ? "/dev/null" : recordTo;
    TEditorTestEnv::WriteBytes(path, ("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" + record + "'\n").toUtf8());
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

void StoreChoice(TSettingsStore& settings, bool useDefault, bool known, bool specified, int selected,
                 const QString& exe = QString())
{
    QVERIFY(settings.SaveBrowserChoice(useDefault, known, specified, selected, exe));
}
}  // namespace

class TestPreview : public QObject {
    Q_OBJECT

    struct TDialogView {
        TformWebBrowser& d;
        QRadioButton* Radio(const char* name) const { return d.findChild<QRadioButton*>(name); }
        bool Default() const { return Radio("RadioButtonBrowserDefault")->isChecked(); }
        bool Known() const { return Radio("RadioButtonBrowserKnownInSystem")->isChecked(); }
        bool Specified() const { return Radio("RadioButtonBrowserUserSpecify")->isChecked(); }
        QComboBox* List() const { return d.findChild<QComboBox*>("ComboBoxBrowserList"); }
    };

private slots:
    void detectionKeepsTheFixedOrder()
    {
        QTemporaryDir bin;
        MakeProgram(bin.filePath("brave-browser"));
        MakeProgram(bin.filePath("konqueror"));
        MakeProgram(bin.filePath("firefox-esr"));
        TEditorTestEnv::WriteBytes(bin.filePath("opera"), "not a program");  // not executable
        const auto found = DetectBrowsers({bin.path()});
        QStringList names, paths;
        for (const auto& browser : found) {
            names << browser.BrowserName;
            paths << browser.BrowserExePath;
        }
        QCOMPARE(names, QStringList({"Firefox", "Konqueror", "Brave"}));
        QCOMPARE(paths.first(), bin.filePath("firefox-esr"));
    }

    void storedChoiceLoads_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QList<int>>("values");  // default, known, specified, selected
        QTest::addColumn<int>("browsers");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("selected");
        QTest::newRow("nothing stored") << false << QList<int>() << 2 << "default" << -1;
        QTest::newRow("known, second") << true << QList<int>({0, 1, 0, 1}) << 2 << "known" << 1;
        QTest::newRow("known, none left") << true << QList<int>({0, 1, 0, 0}) << 0 << "default" << -1;
        QTest::newRow("beyond the list") << true << QList<int>({0, 1, 0, 5}) << 2 << "known" << 0;
        QTest::newRow("no selection") << true << QList<int>({0, 1, 0, -1}) << 2 << "known" << -1;
        QTest::newRow("specified") << true << QList<int>({0, 0, 1, -1}) << 0 << "specified" << -1;
        QTest::newRow("all off") << true << QList<int>({0, 0, 0, -1}) << 0 << "none" << -1;
    }

    void storedChoiceLoads()
    {
        QFETCH(bool, stored);
        QFETCH(QList<int>, values);
        QFETCH(int, browsers);
        QFETCH(QString, mode);
        QFETCH(int, selected);
        TEditorTestEnv env;
        QTemporaryDir bin;
        if (browsers > 0)
            MakeProgram(bin.filePath("firefox"));
        if (browsers > 1)
            MakeProgram(bin.filePath("chromium"));
        if (stored)
            StoreChoice(*env.settings, values[0], values[1], values[2], values[3], "/opt/b/run");
        TformWebBrowser dialog(*env.settings, env.shell, env.prompts, {bin.path()});
        TDialogView view{dialog};
        QCOMPARE(view.List()->count(), browsers);
        const QString shown = view.Default() ? "default" : view.Known() ? "known" : view.Specified() ? "specified" : "none";
        QCOMPARE(shown, mode);
        QCOMPARE(view.List()->currentIndex(), selected);
    }

    void choosingAnEntrySwitchesToKnownAndOkStores()
    {
        TEditorTestEnv env;
        QTemporaryDir bin;
        MakeProgram(bin.filePath("firefox"));
        MakeProgram(bin.filePath("chromium"));
        {
            TformWebBrowser dialog(*env.settings, env.shell, env.prompts, {bin.path()});
            TDialogView view{dialog};
            QVERIFY(view.Default());
            view.List()->setCurrentIndex(1);
            emit view.List()->activated(1);
            QVERIFY(view.Known() && !view.Default());
            dialog.findChild<QPushButton*>("bitbtnOk")->click();
        }
        QSettings raw(env.settings->FileName(), QSettings::IniFormat);
        raw.beginGroup("1.0/Web Browsers");
        QCOMPARE(raw.value("UseDefaultBrowser").toInt(), 0);
        QCOMPARE(raw.value("UseKnownBrowser").toInt(), 1);
        QCOMPARE(raw.value("UseSpecifiedBrowser").toInt(), 0);
        QCOMPARE(raw.value("SelectedBrowserNumber").toInt(), 1);
        QCOMPARE(raw.value("SpecifiedBrowserExePath").toString(), QString());
    }

    void cancelStoresNothing()
    {
        TEditorTestEnv env;
        TformWebBrowser dialog(*env.settings, env.shell, env.prompts, {});
        TDialogView view{dialog};
        view.Radio("RadioButtonBrowserUserSpecify")->setChecked(true);
        env.prompts.fileNames.push_back("/opt/browsers/mine");
        dialog.spdbtnOpenExeFileClick();
        QCOMPARE(dialog.findChild<QLineEdit*>("editSpecifiedBrowserFileName")->text(), QString("/opt/browsers/mine"));
        dialog.findChild<QPushButton*>("bitbtnCancel")->click();
        QVERIFY(!env.settings->LoadBrowserChoice().has_value());
    }

    void checkingKnownWithNoBrowsersFallsBackToDefault()
    {
        TEditorTestEnv env;
        TformWebBrowser dialog(*env.settings, env.shell, env.prompts, {});
        TDialogView view{dialog};
        view.Radio("RadioButtonBrowserUserSpecify")->setChecked(true);
        view.Radio("RadioButtonBrowserKnownInSystem")->setChecked(true);
        QVERIFY(view.Default());
    }

    void previewFillsTheFolderAndOpensTheDefaultHandler()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->MenuEditor().InsertAction()->trigger();
        const QString cwdBefore = QDir::currentPath();
        const QStringList cwdFiles = QDir().entryList(QDir::Files);
        form->findChild<QAction*>("Preview1")->trigger();

        const QString preview = env.programFolder + "preview/";
        for (const char* name : {"~preview.html", "tmzcfg.js", "tmzparams.js", "tmzie.js", "tmzmo.js", "tmzop.js",
                                 "arrow_normal.gif", "arrow_over.gif"})
            QVERIFY2(QFile::exists(preview + name), name);
        QVERIFY(!QFile::exists(env.programFolder + "~preview.html"));
        QCOMPARE(QDir().entryList(QDir::Files), cwdFiles);
        QCOMPARE(QDir::currentPath(), cwdBefore);
        QCOMPARE(env.shell.openedUrls, QList<QUrl>({QUrl::fromLocalFile(preview + "~preview.html")}));
        QVERIFY(env.shell.startedPrograms.isEmpty());
        // The HTML code window holds the page, unseen.
        QCOMPARE(form->FormHTML()->Text().toUtf8(),
                 TEditorTestEnv::ReadBytes(preview + "~preview.html").replace("\r\n", "\n"));
        QVERIFY(!form->FormHTML()->isVisible());
        QVERIFY(env.dialogsShown.isEmpty());

        // Closing the document takes the preview folder with it.
        env.prompts.answers.push_back(TPrompts::Answer::No);
        QVERIFY(form->CloseQuery());
        QVERIFY(!QFileInfo::exists(preview));
    }

    void previewStartsTheChosenBrowserWithThePageAsOneArgument()
    {
        TEditorTestEnv env;
        QTemporaryDir bin;
        const QString record = bin.filePath("arguments.txt");
        MakeProgram(bin.filePath("firefox"));
        MakeProgram(bin.filePath("chromium"), record);
        StoreChoice(*env.settings, false, true, false, 1);
        // The real shell starts the stand-in; the program folder holds a blank.
        TDesktopShell shell;
        TEditorEnvironment environment = env.Environment();
        environment.shell = &shell;
        environment.browserSearchPath = {bin.path()};
        environment.programFolder = env.Path("program folder") + '/';
        QDir().mkpath(environment.programFolder);
        for (const QString& name : QDir(env.programFolder).entryList(QDir::Files))
            QFile::copy(env.programFolder + name, environment.programFolder + name);
        TMainForm form(environment);
        form.PublishActions().Preview1Click();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record) && QFileInfo(record).size() > 0, 5000);
        QCOMPARE(QString::fromUtf8(TEditorTestEnv::ReadBytes(record)),
                 environment.programFolder + "preview/~preview.html\n");
    }

    void launchModes_data()
    {
        QTest::addColumn<QList<int>>("values");  // default, known, specified, selected
        QTest::addColumn<QString>("started");    // program started, or "url" for the default handler
        QTest::addColumn<QString>("browser");    // as a message names it
        const QString defaultBrowser = "the default web browser";
        QTest::newRow("default") << QList<int>({1, 0, 0, -1}) << "url" << defaultBrowser;
        QTest::newRow("known") << QList<int>({0, 1, 0, 0}) << "$BIN/firefox" << "Firefox ($BIN/firefox)";
        QTest::newRow("known, none selected") << QList<int>({0, 1, 0, -1}) << "url" << defaultBrowser;
        QTest::newRow("specified") << QList<int>({0, 0, 1, 0}) << "/opt/mine/browser" << "\"/opt/mine/browser\"";
        QTest::newRow("none checked") << QList<int>({0, 0, 0, -1}) << ""
                                      << "a web browser (none is chosen under Option > Web Browser)";
    }

    void launchModes()
    {
        QFETCH(QList<int>, values);
        QFETCH(QString, started);
        QFETCH(QString, browser);
        TEditorTestEnv env;
        QTemporaryDir bin;
        const QString firefox = MakeProgram(bin.filePath("firefox"));
        StoreChoice(*env.settings, values[0], values[1], values[2], values[3], "/opt/mine/browser");
        TformWebBrowser dialog(*env.settings, env.shell, env.prompts, {bin.path()});
        const TBrowserLaunch launch = dialog.OpenInBrowser("/p/preview/", "~preview.html");
        QCOMPARE(launch.started, !started.isEmpty());
        QCOMPARE(launch.browser, QString(browser).replace("$BIN/firefox", firefox));
        QStringList what;
        for (const QUrl& url : env.shell.openedUrls)
            what << "url:" + url.toLocalFile();
        for (const auto& program : env.shell.startedPrograms)
            what << program.first + ':' + program.second;
        QStringList expected;
        if (started == "url")
            expected << "url:/p/preview/~preview.html";
        else if (!started.isEmpty())
            expected << QString(started).replace("$BIN/firefox", firefox) + ":/p/preview/~preview.html";
        QCOMPARE(what, expected);
    }

    void buildHtmlShowsThePageAndCopies()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->MenuEditor().InsertAction()->trigger();
        QString shownText;
        env.OnNextDialog([&](QDialog& dialog) {
            auto& html = static_cast<TformHTML&>(dialog);
            shownText = html.Text();
            dialog.findChild<QPushButton*>("btnCopyToClipboard")->click();
            return int(QDialog::Accepted);
        });
        form->findChild<QAction*>("BuildHTML1")->trigger();
        QCOMPARE(env.dialogsShown, QStringList({"formHTML"}));
        QVERIFY2(shownText.contains("tmzcfg.js"), qPrintable(shownText.left(400)));
        QCOMPARE(QGuiApplication::clipboard()->text(), shownText);
        QCOMPARE(form->FormHTML()->windowTitle(), QString("HTML"));
        QVERIFY(!QFile::exists(QDir::current().filePath("~tmp0001.txt")));

        // "Copy Menu Code" takes only the block to paste, both markers included.
        auto* copyCode = form->FormHTML()->findChild<QPushButton*>("btnCopyMenuCode");
        QVERIFY(copyCode && copyCode->isEnabled());
        copyCode->click();
        const QString code = QGuiApplication::clipboard()->text();
        const QStringList lines = code.split('\n');
        QCOMPARE(lines.first(), QString("<!-- CODES BEGIN -->"));
        QCOMPARE(lines.at(lines.size() - 2), QString("<!-- CODES END -->"));
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines.size(), 11);
        QVERIFY(code.contains("src=\"tmzcfg.js\""));
        QVERIFY(shownText.contains(code));
        QVERIFY(!code.contains("<BODY>") && !code.contains("PLEASE INSERT"));
    }

    void menuCodeNeedsBothMarkers()
    {
        const QString page = "<HTML>\n<BODY>\n<!-- CODES BEGIN -->\n<SCRIPT></SCRIPT>\n<!-- CODES END -->\n</BODY>\n";
        QCOMPARE(MenuCodeOf(page), QString("<!-- CODES BEGIN -->\n<SCRIPT></SCRIPT>\n<!-- CODES END -->\n"));
        QCOMPARE(MenuCodeOf("<!-- CODES END -->\n<!-- CODES BEGIN -->\nx\n"), QString());
        QCOMPARE(MenuCodeOf("<!-- CODES BEGIN -->\nx\n"), QString());

        // A menu without items has no block: the button stays greyed.
        TformHTML html;
        html.SetText("<HTML>\n<BODY>\n<!-- CODES END -->\n</BODY>\n");
        QVERIFY(!html.findChild<QPushButton*>("btnCopyMenuCode")->isEnabled());
        html.SetText(page);
        QVERIFY(html.findChild<QPushButton*>("btnCopyMenuCode")->isEnabled());
    }

    void publishShowsTheReport()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QString shownText, title;
        env.OnNextDialog([&](QDialog& dialog) {
            shownText = static_cast<TfrmPublishReport&>(dialog).Text();
            title = dialog.windowTitle();
            return int(QDialog::Accepted);
        });
        form->findChild<QAction*>("Publish1")->trigger();
        QCOMPARE(title, QString("Applet Publish Report"));
        const QStringList lines = shownText.split('\n');
        QCOMPARE(lines.first(), QString(77, '='));
        QVERIFY(lines.contains("  tmzcfg.js"));
        QVERIFY(lines.contains("  arrow_normal.gif"));
        QVERIFY(lines.contains("End of Publish Report"));
        QVERIFY(QFile::exists(env.programFolder + "preview/PublishReport.txt"));
        QVERIFY(!QFile::exists(QDir::current().filePath("PublishReport.txt")));
        QVERIFY(!form->Modified());
    }

    // Untitled, the report's title is the bare caption (above); saved, it
    // names the folder the project publishes into.
    void publishNamesTheSavedProjectsFolder()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QVERIFY(QDir().mkpath(env.Path("site")));
        env.prompts.fileNames.push_back(env.Path("site/menu.tmz"));
        QVERIFY(form->SaveActions().Save2Click());
        QString title;
        env.OnNextDialog([&](QDialog& dialog) {
            title = dialog.windowTitle();
            return int(QDialog::Accepted);
        });
        form->findChild<QAction*>("Publish1")->trigger();
        QCOMPARE(title, "Applet Publish Report - " + QDir::toNativeSeparators(env.Path("site")));
    }

    // An arrow image found nowhere is named after the save, which still writes the menu.
    void aSaveNamesTheArrowImageItFoundNowhere()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->findChild<QLineEdit*>("edtpSubMenuArrowFileNormal")->setText("nowhere.gif");
        env.prompts.fileNames.push_back(env.Path("menu.tmz"));
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(env.prompts.Texts(),
                 QStringList({kProjectFilter, "The arrow image nowhere.gif was found neither in the preview folder, "
                                              "beside the project nor in the program folder, so it was not saved "
                                              "beside the menu."}));
        QVERIFY(QFile::exists(env.Path("menu.tmz")));
        QVERIFY(QFile::exists(env.Path("arrow_over.gif")));
        QVERIFY(!QFile::exists(env.Path("nowhere.gif")));
        QVERIFY(!form->Modified());
    }

    void openedProjectBringsItsOwnArrowImages()
    {
        TEditorTestEnv env;
        QDir().mkpath(env.Path("site"));
        QDir().mkpath(env.Path("copy"));
        const QString project = env.Path("site/menu.tmz");
        TEditorTestEnv::WriteProject(project, {{"A", 0}});
        TEditorTestEnv::WriteBytes(env.Path("site/arrow_normal.gif"), "normal of the site");
        TEditorTestEnv::WriteBytes(env.Path("site/arrow_over.gif"), "over of the site");
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(project);
        const QString preview = env.programFolder + "preview/";
        QCOMPARE(TEditorTestEnv::ReadBytes(preview + "arrow_normal.gif"), QByteArray("normal of the site"));
        QCOMPARE(TEditorTestEnv::ReadBytes(preview + "arrow_over.gif"), QByteArray("over of the site"));

        // Saved elsewhere, the menu takes the site's images along.
        env.prompts.fileNames.push_back(env.Path("copy/menu.tmz"));
        form->SaveActions().Save2Click();
        QCOMPARE(TEditorTestEnv::ReadBytes(env.Path("copy/arrow_normal.gif")), QByteArray("normal of the site"));
        QCOMPARE(TEditorTestEnv::ReadBytes(env.Path("copy/arrow_over.gif")), QByteArray("over of the site"));

        // A new document closes this one, and its preview copies with it.
        QVERIFY(!form->Modified());
        form->OpenActions().New1Click();
        QVERIFY(!QFileInfo::exists(preview));
        QVERIFY(env.prompts.shown.size() == 1 && env.prompts.shown.first().kind == "save");
    }

    void publishShowsTheReportThatSaveWrites()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QString shownText, title;
        const auto show = [&](QDialog& dialog) {
            shownText = static_cast<TfrmPublishReport&>(dialog).Text();
            title = dialog.windowTitle();
            return int(QDialog::Accepted);
        };
        env.OnNextDialog(show);
        form->PublishActions().Publish1Click();
        env.prompts.fileNames.push_back(env.Path("menu.tmz"));
        QVERIFY(form->SaveActions().Save1Click());
        const QByteArray saved = TEditorTestEnv::ReadBytes(env.Path("menu_PublishReport.txt"));
        QVERIFY(saved.endsWith("\r\n"));
        QCOMPARE(shownText.toUtf8(), QByteArray(saved).replace("\r\n", "\n"));

        // Once saved, the caption says where the files went.
        QCOMPARE(title, QString("Applet Publish Report"));
        env.OnNextDialog(show);
        form->PublishActions().Publish1Click();
        QCOMPARE(title, "Applet Publish Report - " + QDir::toNativeSeparators(env.root.path()));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"

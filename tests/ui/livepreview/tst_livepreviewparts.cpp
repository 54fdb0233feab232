// The live preview's parts that need no browser: what each address of the
// preview's scheme answers, where the menu code goes into an author's page,
// the background field's text, the page kept for each project, and where the
// dock is kept.

#include <QAction>
#include <QDockWidget>

#include "codegen/generation.h"
#include "codegen/publishing.h"
#include "codegen/savepreparation.h"
#include "tst_mainform_env.h"
#include "ui/dialogs/htmlbuild.h"
#include "ui/livepreview/backgroundmemory.h"
#include "ui/livepreview/desktopzoom.h"
#include "ui/livepreview/dockplacement.h"
#include "ui/livepreview/previewsite.h"

namespace {

QUrl At(const QString& path)
{
    return QUrl(QStringLiteral("tmzpreview://menu") + path);
}

TGeneratedMenu Generated(TPageCode code = TPageCode::Classic, const std::string& arrow = "arrow_normal.gif")
{
    TvarnAppletAgent agent;
    agent.ResetAppletToDefaults();
    TMenuDocument document = agent.Document();
    document.applet[pSubMenuArrowFileNormal] = arrow;
    TItemData item = NewDefaultItem();
    item[ICaption] = "Home";
    item[pLevel] = "0";
    document.items = {item};
    TSilentStatus status;
    return GenerateMenu(document, status, code);
}

// Where `part` lies in `page`: its start, and -1 when it is not there.
qsizetype Where(const QByteArray& page, const char* part)
{
    return page.indexOf(part);
}

}  // namespace

class TestLivePreviewParts : public QObject {
    Q_OBJECT

    TEditorTestEnv env;

    TPublishSetup Setup(const QStringList& imageFolders) const
    {
        TPublishSetup setup;
        setup.programFolder = LocalPath(env.programFolder);
        for (const QString& folder : imageFolders)
            setup.imageFolders.push_back(LocalPath(folder));
        return setup;
    }

private slots:
    void theMenuAloneIsServedFromMemoryAndTheProgramFolder()
    {
        const TGeneratedMenu menu = Generated();
        TPreviewSite site;
        site.SetMenu(menu, Setup({env.programFolder}));
        QCOMPARE(site.PageUrl(), At("/preview.html"));

        const TPreviewResource page = site.Resolve(site.PageUrl());
        QCOMPARE(page.kind, TPreviewResource::Kind::Bytes);
        QCOMPARE(page.bytes, QByteArray::fromStdString(menu.page));
        QCOMPARE(page.mimeType, QByteArray("text/html"));
        const TPreviewResource script = site.Resolve(At("/tmzcfg.js"));
        QCOMPARE(script.bytes, QByteArray::fromStdString(menu.script));
        QVERIFY(script.mimeType.contains("javascript"));
        for (const char* name : {"tmzparams.js", "tmzmo.js", "tmzie.js", "tmzop.js", "arrow_normal.gif"}) {
            const TPreviewResource file = site.Resolve(At('/' + QString::fromLatin1(name)));
            QCOMPARE(file.kind, TPreviewResource::Kind::LocalFile);
            QCOMPARE(file.path, env.programFolder + name);
        }
        // Nothing else, and nothing of another host or scheme.
        QCOMPARE(site.Resolve(At("/site.css")).kind, TPreviewResource::Kind::Missing);
        QCOMPARE(site.Resolve(At("/tmzmenu.css")).kind, TPreviewResource::Kind::Missing);
        QCOMPARE(site.Resolve(QUrl("tmzpreview://other/tmzcfg.js")).kind, TPreviewResource::Kind::Missing);
        QCOMPARE(site.Resolve(QUrl("file:///tmzcfg.js")).kind, TPreviewResource::Kind::Missing);

        // The modern page code brings its style sheet.
        const TGeneratedMenu modern = Generated(TPageCode::Modern);
        site.SetMenu(modern, Setup({env.programFolder}));
        const TPreviewResource sheet = site.Resolve(At("/tmzmenu.css"));
        QCOMPARE(sheet.bytes, QByteArray::fromStdString(modern.stylesheet));
        QCOMPARE(sheet.mimeType, QByteArray("text/css"));
    }

    void arrowImagesComeFromTheFirstFolderThatHasThem()
    {
        QTemporaryDir preview, project;
        TEditorTestEnv::WriteBytes(project.filePath("arrow_normal.gif"), "project's");
        TEditorTestEnv::WriteBytes(project.filePath("mine.gif"), "project's own");
        TPreviewSite site;
        site.SetMenu(Generated(), Setup({preview.path(), project.path(), env.programFolder}));
        QCOMPARE(site.Resolve(At("/arrow_normal.gif")).path, project.filePath("arrow_normal.gif"));
        TEditorTestEnv::WriteBytes(preview.filePath("arrow_normal.gif"), "picked");
        site.SetMenu(Generated(), Setup({preview.path(), project.path(), env.programFolder}));
        QCOMPARE(site.Resolve(At("/arrow_normal.gif")).path, preview.filePath("arrow_normal.gif"));
        // A name stored with folders is asked for as stored, found by its own name.
        site.SetMenu(Generated(TPageCode::Classic, "images/mine.gif"), Setup({project.path()}));
        QCOMPARE(site.Resolve(At("/images/mine.gif")).path, project.filePath("mine.gif"));
    }

    void aLocalPageGetsTheMenuCodeAndKeepsItsOwnFiles()
    {
        QTemporaryDir site0;
        QDir().mkpath(site0.filePath("docs/img"));
        const QString pagePath = site0.filePath("docs/about us.html");
        TEditorTestEnv::WriteBytes(pagePath, "<html><body class=\"x\"><h1>About</h1></body></html>");
        TEditorTestEnv::WriteBytes(site0.filePath("docs/img/logo.png"), "png");
        TEditorTestEnv::WriteBytes(site0.filePath("style.css"), "css");
        const TGeneratedMenu menu = Generated();
        TPreviewSite site;
        site.SetMenu(menu, Setup({env.programFolder}));
        site.SetBackground(QUrl::fromLocalFile(pagePath));

        QCOMPARE(site.PageUrl().path(), pagePath);
        const QByteArray code = MenuCodeOf(QString::fromStdString(menu.page)).toUtf8();
        QVERIFY(!code.isEmpty());
        const TPreviewResource page = site.Resolve(site.PageUrl());
        QCOMPARE(page.problem, QString());
        QCOMPARE(page.bytes, "<html><body class=\"x\">\n" + code + "<h1>About</h1></body></html>");
        // Beside the page: the menu's files; anywhere else: the page's own.
        QCOMPARE(site.Resolve(At(site0.filePath("docs/tmzcfg.js"))).bytes, QByteArray::fromStdString(menu.script));
        QCOMPARE(site.Resolve(At(site0.filePath("docs/img/logo.png"))).path, site0.filePath("docs/img/logo.png"));
        QCOMPARE(site.Resolve(At(site0.filePath("style.css"))).path, site0.filePath("style.css"));
        QCOMPARE(site.Resolve(At(site0.filePath("docs/none.css"))).kind, TPreviewResource::Kind::Missing);

        // A page that cannot be read: the menu alone, and why, naming the file.
        QFile::remove(pagePath);
        const TPreviewResource gone = site.Resolve(site.PageUrl());
        QCOMPARE(gone.bytes, QByteArray::fromStdString(menu.page));
        QVERIFY2(gone.problem.contains(pagePath) && gone.problem.contains("No such file"), qPrintable(gone.problem));
        site.SetBackground(QUrl::fromLocalFile(site0.filePath("docs")));
        QVERIFY(site.Resolve(site.PageUrl()).problem.contains("folder"));
        QVERIFY(site.Resolve(site.PageUrl()).problem.endsWith("The menu shows on an empty page."));
    }

    void aWebPageIsFetchedWithItsFilesFromItsSite()
    {
        TPreviewSite site;
        site.SetMenu(Generated(), Setup({env.programFolder}));
        site.SetBackground(QUrl("https://example.com/docs/page.html?lang=en"));
        QCOMPARE(site.PageUrl(), QUrl("tmzpreview://menu/docs/page.html?lang=en"));
        const TPreviewResource page = site.Resolve(site.PageUrl());
        QCOMPARE(page.kind, TPreviewResource::Kind::RemotePage);
        QCOMPARE(page.remote, QUrl("https://example.com/docs/page.html?lang=en"));
        QCOMPARE(site.Resolve(At("/docs/tmzcfg.js")).kind, TPreviewResource::Kind::Bytes);
        const TPreviewResource sheet = site.Resolve(QUrl("tmzpreview://menu/css/site.css?v=2"));
        QCOMPARE(sheet.kind, TPreviewResource::Kind::Remote);
        QCOMPARE(sheet.remote, QUrl("https://example.com/css/site.css?v=2"));
        // The same page with another query is another page of the site.
        QCOMPARE(site.Resolve(QUrl("tmzpreview://menu/docs/page.html?lang=de")).kind, TPreviewResource::Kind::Remote);
        site.SetBackground(QUrl("http://example.com"));
        QCOMPARE(site.PageUrl(), QUrl("tmzpreview://menu/"));
        QCOMPARE(site.Resolve(At("/tmzmo.js")).kind, TPreviewResource::Kind::LocalFile);
    }

    void aBarOrASidebarShowsInASamplePageWithTheSavedCode()
    {
        // A project in the Bar layout, saved by the editor.
        QDir().mkpath(env.Path("bar"));
        const QString project = env.Path("bar/menu.tmz");
        TMenuDocument document = Generated().document;
        document.extended.AddAsRead("Layout", "Bar");
        TSilentStatus status;
        SaveProjectFile(document, LocalPath(project), status);
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(project);
        QVERIFY(form->SaveActions().Save1Click());
        const QByteArray saved = TEditorTestEnv::ReadBytes(env.Path("bar/menu.html"));
        const QByteArray code = MenuCodeOf(QString::fromLatin1(saved)).toLatin1();
        QVERIFY(!code.isEmpty());
        QVERIFY(!saved.contains("<header"));

        // What the pane fills its site with: the saved page's code in the
        // sample's header band, the content after it; the saved script.
        const auto preview = [&](const TMenuDocument& d) {
            auto site = std::make_unique<TPreviewSite>();
            site->SetMenu(PrepareSave(d, {true, -1}, status, TPageCode::Classic), Setup({env.programFolder}));
            return site;
        };
        const auto bar = preview(form->Document().Document());
        const QByteArray page = bar->Resolve(bar->PageUrl()).bytes;
        QCOMPARE(bar->GeneratedPage(), saved);
        QVERIFY2(Where(page, "<header") >= 0 && Where(page, "Example Site") > Where(page, "<header"), page.constData());
        QVERIFY(Where(page, code.constData()) > Where(page, "Example Site"));
        QCOMPARE(Where(page, "</header>"), Where(page, code.constData()) + code.size());
        QVERIFY(Where(page, "<main") > Where(page, "</header>"));
        const QByteArray script = bar->Resolve(At("/tmzcfg.js")).bytes;
        QCOMPARE(script, TEditorTestEnv::ReadBytes(env.Path("bar/tmzcfg.js")));
        QVERIFY(script.contains("createMenuExtendedParams(\"Layout\",\"Bar\")"));

        // A bar that sticks stands right after the band, in the body; a
        // sidebar in a side column beside the content; a floating menu on
        // the generated page alone.
        document.extended.AddAsRead("Sticky", "1");
        const auto sticky = preview(document);
        const QByteArray stuck = sticky->Resolve(sticky->PageUrl()).bytes;
        QCOMPARE(Where(stuck, code.constData()), Where(stuck, "</header>") + qsizetype(strlen("</header>\n")));
        document.extended.AddAsRead("Layout", "Sidebar");
        const auto side = preview(document);
        const QByteArray column = side->Resolve(side->PageUrl()).bytes;
        QVERIFY(Where(column, "</header>") < Where(column, "<aside"));
        QVERIFY(Where(column, "<aside") < Where(column, code.constData()));
        QCOMPARE(Where(column, "</aside>"), Where(column, code.constData()) + code.size());
        QVERIFY(Where(column, "<main") > Where(column, "</aside>"));
        // A background page that cannot be read leaves the sample, and says so.
        side->SetBackground(QUrl::fromLocalFile(env.Path("bar/missing.html")));
        const TPreviewResource fallback = side->Resolve(side->PageUrl());
        QCOMPARE(fallback.bytes, column);
        QVERIFY2(fallback.problem.endsWith("The menu shows on the sample page."), qPrintable(fallback.problem));
        document.extended.AddAsRead("Layout", "Floating");
        const auto floating = preview(document);
        QCOMPARE(floating->Resolve(floating->PageUrl()).bytes, floating->GeneratedPage());
        form->SetModified(false);
    }

    void theMenuCodeGoesRightAfterTheBodyTag_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("body") << QByteArray("<html><body>x") << QByteArray("<html><body>\nCODEx");
        QTest::newRow("attributes, upper case, '>' quoted")
            << QByteArray("<BODY class='a>b' onload=\"go(1>0)\">x") << QByteArray("<BODY class='a>b' onload=\"go(1>0)\">\nCODEx");
        QTest::newRow("commented out first") << QByteArray("<!-- <body> --><body>x")
                                              << QByteArray("<!-- <body> --><body>\nCODEx");
        QTest::newRow("a tag that only begins alike") << QByteArray("<bodyguard><body>x")
                                                       << QByteArray("<bodyguard><body>\nCODEx");
        QTest::newRow("no body: after the head") << QByteArray("<html><head><title>t</title></head><p>x")
                                                  << QByteArray("<html><head><title>t</title></head>\nCODE<p>x");
        QTest::newRow("no body, no head: after html") << QByteArray("<!DOCTYPE html><html lang=en><p>x")
                                                       << QByteArray("<!DOCTYPE html><html lang=en>\nCODE<p>x");
        QTest::newRow("a fragment: in front") << QByteArray("<p>x") << QByteArray("CODE<p>x");
        QTest::newRow("an unclosed comment hides the rest") << QByteArray("<!-- <body>") << QByteArray("CODE<!-- <body>");
    }

    void theMenuCodeGoesRightAfterTheBodyTag()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, expected);
        QCOMPARE(InsertAfterBodyTag(page, "CODE"), expected);
        QCOMPARE(InsertAfterBodyTag(page, QByteArray()), page);  // a menu without items
    }

    void theBackgroundFieldTakesPathsAndWebAddresses()
    {
        QString error;
        QCOMPARE(TPreviewSite::BackgroundAddress("  ", QString(), &error), QUrl());
        QCOMPARE(TPreviewSite::BackgroundAddress("https://example.com/a.html#top", QString(), &error),
                 QUrl("https://example.com/a.html"));
        QCOMPARE(TPreviewSite::BackgroundAddress("file:///srv/site/a.html", QString(), &error),
                 QUrl::fromLocalFile("/srv/site/a.html"));
        QCOMPARE(TPreviewSite::BackgroundAddress("/srv/site/../site/a.html", QString(), &error),
                 QUrl::fromLocalFile("/srv/site/a.html"));
        QCOMPARE(TPreviewSite::BackgroundAddress("pages/a.html", "/home/me/menus", &error),
                 QUrl::fromLocalFile("/home/me/menus/pages/a.html"));
        QCOMPARE(error, QString());

        const auto refused = [](const QString& text) {
            QString why;
            const QUrl address = TPreviewSite::BackgroundAddress(text, QString(), &why);
            return address.isEmpty() && why.contains(text) ? why : QString();
        };
        QVERIFY(refused("pages/a.html").contains("save the project"));
        QVERIFY(!refused("http://").isEmpty());
        QVERIFY(!refused("ftp://example.com/a.html").isEmpty());
    }

    void theBackgroundIsKeptForEachProject()
    {
        TBackgroundMemory memory(*env.settings);
        QCOMPARE(memory.Open(QString()), QString());
        // Untitled: kept while the document is open, stored once a save names it.
        memory.Remember("/srv/a.html");
        QVERIFY(!memory.Rename(QString()));
        const QString odd = "/home/me/my menus/100% = done/one.tmz";
        QVERIFY(memory.Rename(odd));
        QCOMPARE(memory.Open("/home/me/two.tmz"), QString());
        memory.Remember("https://example.com/");
        // Saved under a new name, the page goes along.
        QVERIFY(memory.Rename("/home/me/three.tmz"));
        QCOMPARE(memory.Current(), QString("https://example.com/"));

        TSettingsStore again(env.Path("settings"));
        TBackgroundMemory reread(again);
        QCOMPARE(reread.Open(odd), QString("/srv/a.html"));
        QCOMPARE(reread.Open("/home/me/two.tmz"), QString("https://example.com/"));
        QCOMPARE(reread.Open("/home/me/three.tmz"), QString("https://example.com/"));
        reread.Remember(QString());
        QCOMPARE(TBackgroundMemory(again).Open("/home/me/three.tmz"), QString());
    }

    // Desktop: a pane narrower than a desktop shows a desktop's width scaled
    // down; a wider one its own width at full size.
    void theDesktopZoomKeepsADesktopsWidth()
    {
        QCOMPARE(TDesktopZoom::FactorFor(512), 0.5);
        QCOMPARE(TDesktopZoom::FactorFor(1023), 1023.0 / 1024);
        QCOMPARE(TDesktopZoom::FactorFor(1024), 1.0);
        QCOMPARE(TDesktopZoom::FactorFor(1025), 1.0);
        QCOMPARE(TDesktopZoom::FactorFor(100), 0.25);  // the browser's least
    }

    void theDockIsWhereTheUserLeftIt()
    {
        // This screen is narrower than a wide one: no pane unless asked for.
        {
            QMainWindow window;
            QDockWidget dock;
            (new TDockPlacement(window, dock, *env.settings))->Restore(true);
            QVERIFY(dock.isHidden());
            QCOMPARE(window.dockWidgetArea(&dock), Qt::RightDockWidgetArea);
            // The user's toggle is kept; the window closing is no choice.
            dock.toggleViewAction()->trigger();
            QVERIFY(!dock.isHidden());
        }
        QCOMPARE(env.settings->EditorValue("LivePreview/Visible").toBool(), true);
        env.settings->SetEditorValue("LivePreview/Area", int(Qt::LeftDockWidgetArea));
        env.settings->SetEditorValue("LivePreview/Floating", true);
        QMainWindow window;
        QDockWidget dock;
        (new TDockPlacement(window, dock, *env.settings))->Restore(true);
        QVERIFY(!dock.isHidden());
        QVERIFY(dock.isFloating());
        dock.setFloating(false);
        QCOMPARE(window.dockWidgetArea(&dock), Qt::LeftDockWidgetArea);
    }
};

QTEST_MAIN(TestLivePreviewParts)
#include "tst_livepreviewparts.moc"

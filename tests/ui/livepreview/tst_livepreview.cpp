// The Live Preview pane in a real browser view: the document's menu as the
// engine draws it, following edits, keeping the user's place, at a phone's
// width and over the author's own page, with the page's errors in its bar.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTreeView>
#include <QWebEngineView>

#include "previewharness.h"
#include "ui/livepreview/backgroundmemory.h"
#include "ui/livepreview/dockplacement.h"
#include "ui/livepreview/loadcover.h"
#include "ui/livepreview/previewview.h"

// A web site on this machine: answers GET with the files it was given and
// counts what it was asked for.
class TTestWebSite {
public:
    TTestWebSite()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray request = socket->peek(socket->bytesAvailable());
                if (!request.contains("\r\n\r\n"))
                    return;
                const QByteArray target = request.split(' ').value(1);
                ++asked[target];
                const auto file = files.constFind(target.split('?').first());
                const QByteArray body = file == files.constEnd() ? QByteArray() : file->second;
                socket->write((file == files.constEnd() ? "HTTP/1.1 404 Not Found\r\n" : "HTTP/1.1 200 OK\r\n") +
                              ("Content-Type: " + (file == files.constEnd() ? "text/plain" : file->first)) +
                              "\r\nContent-Length: " + QByteArray::number(body.size()) +
                              "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        });
    }
    QUrl Url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
    }

    QTcpServer server;
    QHash<QByteArray, std::pair<QByteArray, QByteArray>> files;  // path -> type, body
    QHash<QByteArray, int> asked;                                // path and query -> times
};

class TestLivePreview : public QObject {
    Q_OBJECT

    std::unique_ptr<TPreviewHarness> h;

    // A left click in the middle of the page's element that `selector` finds.
    void Click(const QString& selector)
    {
        const QVariantList box =
            h->Js(QStringLiteral("(function () { var r = document.querySelector('%1').getBoundingClientRect();"
                                 "  return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                      .arg(selector))
                .toList();
        QCOMPARE(box.size(), 2);
        QWidget* input = h->dock->View().WebView()->focusProxy();
        const QPoint at(qRound(box[0].toDouble()), qRound(box[1].toDouble()));
        QTest::mousePress(input, Qt::LeftButton, {}, at);
        QTest::mouseRelease(input, Qt::LeftButton, {}, at, 20);
    }

    // Shows an editor's window and waits for its pane's first page.
    static bool ShowWithFirstPage(TMainForm& form, TLivePreviewDock& dock)
    {
        QSignalSpy updated(&dock, &TLivePreviewDock::updated);
        form.show();
        return updated.wait(30000);
    }

private slots:
    void initTestCase()
    {
        h = std::make_unique<TPreviewHarness>();
        QVERIFY(h->Show());
    }

    void init()
    {
        h->dock->SetPhoneWidth(false);
        h->dock->SetBackground(QString());
        h->document.Replace(ShopMenu());
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
    }

    void cleanupTestCase() { h.reset(); }

    // The pane in the editor: beside the pages on a wide screen, F5, a
    // caption typed into the item page, the page code, and Save As.
    void theEditorsPaneFollowsTheUser()
    {
        TEditorTestEnv env;
        std::unique_ptr<TMainForm> form = env.MakeMainForm();
        auto* dock = form->findChild<TLivePreviewDock*>();
        QAction* toggle = form->findChild<QAction*>("mnitLivePreview");
        QVERIFY(dock && toggle);
        QCOMPARE(toggle->shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(!dock->isHidden());  // a wide screen and no choice kept yet
        QSignalSpy updated(dock, &TLivePreviewDock::updated);
        form->show();
        // The window grows by the pane as far as the screen has room: on the
        // 1400 px screen, 8 px borders assumed on each side leave 1384; the
        // editor keeps its 860, the separator takes 6.
        QCOMPARE(form->screen()->availableGeometry().width(), 1400);
        LIVE_TRY_COMPARE(form->width(), 1384);
        LIVE_TRY_COMPARE(dock->width(), 1384 - 860 - 6);
        QVERIFY(toggle->isChecked());
        QVERIFY(updated.wait(30000));

        env.WriteProject(env.Path("shop.tmz"), {{"Home", 0}, {"Products", 0}, {"Tables", 1}});
        form->OpenActions().OpenProjectFile(env.Path("shop.tmz"));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto* tree = form->findChild<QTreeView*>("trvwDesignPanel");
        tree->setCurrentIndex(tree->model()->index(1, 0, tree->model()->index(0, 0)));
        QLineEdit* caption = form->findChild<QLineEdit*>("edtICaption");
        caption->setFocus();
        caption->selectAll();
        QTest::keyClicks(caption, "Shop");
        const auto captions = [&] {
            WaitUntil([&] { return !dock->Busy(); });
            return Captions(*dock->View().Page());
        };
        LIVE_TRY_COMPARE(captions(), (QStringList{"Home", "Shop"}));
        QCOMPARE(QApplication::focusWidget(), caption);  // the page never takes the keyboard

        // The page code changes the page, not the document.
        form->findChild<QAction*>("mnitPageCodeModern")->trigger();
        LIVE_TRY_VERIFY(Eval(*dock->View().Page(), "!!document.querySelector('nav.trellimenu.tmz-nav')").toBool());
        QCOMPARE(captions(), (QStringList{"Home", "Shop"}));

        // Saved under a new name, the project keeps its background page;
        // each project opens with its own.
        dock->SetBackground("https://example.com/");
        env.prompts.fileNames.push_back(env.Path("renamed.tmz"));
        form->SaveActions().Save2Click();
        QCOMPARE(form->ProjectFileName(), env.Path("renamed.tmz"));
        QCOMPARE(TBackgroundMemory(*env.settings).Open(env.Path("renamed.tmz")), QString("https://example.com/"));
        env.WriteProject(env.Path("other.tmz"), {{"Other", 0}});
        TBackgroundMemory(*env.settings).Rename(env.Path("other.tmz"));  // stores none for it
        form->OpenActions().OpenProjectFile(env.Path("other.tmz"));
        LIVE_TRY_COMPARE(dock->Bar().BackgroundText(), QString());
        LIVE_TRY_COMPARE(captions(), QStringList{"Other"});
        QCOMPARE(TBackgroundMemory(*env.settings).Open(env.Path("other.tmz")), QString());
        form->OpenActions().OpenProjectFile(env.Path("renamed.tmz"));
        LIVE_TRY_COMPARE(dock->Bar().BackgroundText(), QString("https://example.com/"));
        dock->SetBackground(QString());

        QVERIFY(WaitUntil([&] { return !dock->Busy(); }));
        QTest::keyClick(form.get(), Qt::Key_F5);
        QVERIFY(dock->isHidden());
        QCOMPARE(env.settings->EditorValue("LivePreview/Visible").toBool(), false);
        // Hidden, the pane keeps its page; shown again, it catches up.
        tree->setCurrentIndex(tree->model()->index(1, 0, tree->model()->index(0, 0)));
        caption->setFocus();
        caption->selectAll();
        QTest::keyClicks(caption, "Store");
        WaitUntil([] { return false; }, 4 * TLivePreviewDock::kSettleMs);
        QVERIFY(!dock->Busy());
        QCOMPARE(Captions(*dock->View().Page()), (QStringList{"Home", "Shop"}));
        QTest::keyClick(form.get(), Qt::Key_F5);
        QVERIFY(!dock->isHidden());
        LIVE_TRY_COMPARE(captions(), (QStringList{"Home", "Store"}));
        form->SetModified(false);
    }

    // A pane kept shown by an editor that never closed (so kept no window
    // size) still gets its room beside the pages.
    void aPaneKeptWithoutTheWindowsSizeStillGetsRoom()
    {
        TEditorTestEnv env;
        env.settings->SetEditorValue("LivePreview/Visible", true);
        env.settings->SetEditorValue("LivePreview/Width", 450);
        std::unique_ptr<TMainForm> form = env.MakeMainForm();
        auto* dock = form->findChild<TLivePreviewDock*>();
        QVERIFY(ShowWithFirstPage(*form, *dock));
        LIVE_TRY_COMPARE(form->width(), 860 + 6 + 450);
        QCOMPARE(dock->width(), 450);
        form->close();
        // Closed, the window keeps its size, and the next one opens at it.
        std::unique_ptr<TMainForm> again = env.MakeMainForm();
        auto* dockAgain = again->findChild<TLivePreviewDock*>();
        QVERIFY(ShowWithFirstPage(*again, *dockAgain));
        QCOMPARE(again->width(), 860 + 6 + 450);
        QCOMPARE(dockAgain->width(), 450);
    }

    // A background page relative to the project waits for the project to be
    // saved, and follows it to another folder.
    void aRelativeBackgroundFollowsTheProjectsFolder()
    {
        TEditorTestEnv env;
        std::unique_ptr<TMainForm> form = env.MakeMainForm();
        auto* dock = form->findChild<TLivePreviewDock*>();
        QVERIFY(ShowWithFirstPage(*form, *dock));
        for (const char* folder : {"first", "second"}) {
            QDir().mkpath(env.Path(folder));
            TEditorTestEnv::WriteBytes(env.Path(folder) + "/home.html",
                                       QByteArray("<html><body><p id=own>") + folder + "</p></body></html>");
        }
        const auto shownPage = [&] {
            WaitUntil([&] { return !dock->Busy(); });
            return Eval(*dock->View().Page(), "(document.getElementById('own') || {}).textContent || ''").toString();
        };
        dock->SetBackground("home.html");
        LIVE_TRY_VERIFY(dock->Bar().Message().contains("save the project first"));
        env.prompts.fileNames.push_back(env.Path("first/site.tmz"));
        form->SaveActions().Save2Click();
        LIVE_TRY_COMPARE(shownPage(), QString("first"));
        QVERIFY(!dock->Bar().Message().contains("save the project first"));
        env.prompts.fileNames.push_back(env.Path("second/site.tmz"));
        form->SaveActions().Save2Click();
        LIVE_TRY_COMPARE(shownPage(), QString("second"));
        form->SetModified(false);
    }

    // The window's document goes before its children; a page on its way
    // must not build from it then.
    void closingTheEditorWhileThePageIsOnItsWay()
    {
        TEditorTestEnv env;
        std::unique_ptr<TMainForm> form = env.MakeMainForm();
        auto* dock = form->findChild<TLivePreviewDock*>();
        QVERIFY(ShowWithFirstPage(*form, *dock));
        TEditorDocument& document = form->Document();
        document.UndoStack().push(new TInsertItemsCommand(document, 0, {PreviewItem("Home", 0)}, "Insert"));
        dock->RebuildNow();
        QVERIFY(dock->Busy());
        form->SetModified(false);
        form.reset();
    }

    void showsTheDocumentsCaptions()
    {
        QCOMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
        h->OpenSubmenu(1);
        QCOMPARE(h->OpenSubmenuCaptions(), (QStringList{"Tables", "Chairs"}));
    }

    void editsInsertsAndUndoReachThePane()
    {
        h->SetCaption(0, "Start");
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        h->Push(new TInsertItemsCommand(h->document, 5, {PreviewItem("Blog", 0)}, "Insert"));
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact", "Blog"}));
        h->document.UndoStack().undo();
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        h->document.UndoStack().undo();
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
        h->document.UndoStack().redo();
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
    }

    // A bar in the sample's header band, in the page's flow: the content
    // starts below it; undo brings the floating menu on its own page back.
    void aBarStandsInTheSamplesHeaderAndUndoFloatsItAgain()
    {
        h->Push(TSetExtendedCommand::IfChanging(h->document, "Layout", "Bar", "Layout").release());
        LIVE_TRY_VERIFY(h->Js("!!document.querySelector('header.sample-header nav.tmz-nav .tmz-main')").toBool());
        QCOMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
        const QVariantList tops =
            h->Js("(function () { var tops = [document.querySelector('.sample-site').getBoundingClientRect().bottom];"
                  "  document.querySelectorAll('.tmz-main > li').forEach(function (li) {"
                  "    tops.push(li.getBoundingClientRect().top); });"
                  "  tops.push(document.querySelector('main').getBoundingClientRect().top"
                  "    - document.querySelector('nav.tmz-nav').getBoundingClientRect().bottom);"
                  "  return tops; })()")
                .toList();
        QCOMPARE(tops.size(), 5);
        QVERIFY2(tops[1].toDouble() >= tops[0].toDouble(), "below the site's name");
        QCOMPARE(tops[2].toDouble(), tops[1].toDouble());  // one row
        QCOMPARE(tops[3].toDouble(), tops[1].toDouble());
        QVERIFY2(tops[4].toDouble() >= 0, "the content follows the bar");
        h->document.UndoStack().undo();
        LIVE_TRY_VERIFY(!h->Js("!!document.querySelector('header')").toBool());
        QCOMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
    }

    void openSubmenuSurvivesCaptionAndColourEdits()
    {
        h->OpenSubmenu(1);
        QCOMPARE(h->OpenSubmenuCaptions(), (QStringList{"Tables", "Chairs"}));
        QSignalSpy updated(h->dock, &TLivePreviewDock::updated);
        h->SetCaption(2, "Desks");
        QVERIFY(updated.wait(10000));
        LIVE_TRY_COMPARE(h->OpenSubmenuCaptions(), (QStringList{"Desks", "Chairs"}));
        // Open all along for the user, it does not slide in again.
        QCOMPARE(h->Js("document.getElementById(document.querySelector('.tmz [aria-expanded=true]')"
                       ".getAttribute('aria-controls')).parentNode.style.clipPath").toString(),
                 QString());
        h->Push(new TSetFieldCommand(h->document, kAppletTarget, pItemNoBgColor, "204080", "Colour"));
        QVERIFY(updated.wait(10000));
        LIVE_TRY_COMPARE(h->Js("getComputedStyle(document.querySelector('.tmz-i')).backgroundColor").toString(),
                     QString("rgb(32, 64, 128)"));
        QCOMPARE(h->OpenSubmenuCaptions(), (QStringList{"Desks", "Chairs"}));
        // A change of the tree may take the open items away: nothing re-opens.
        h->Push(new TInsertItemsCommand(h->document, 0, {PreviewItem("News", 0)}, "Insert"));
        QVERIFY(updated.wait(10000));
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"News", "Home", "Products", "Contact"}));
        QCOMPARE(h->OpenSubmenuCaptions(), QStringList());
    }

    void phoneWidthShowsThePhoneFormWorkedByTaps()
    {
        h->dock->SetPhoneWidth(true);
        QCOMPARE(h->dock->View().WebView()->width(), TPreviewView::kPhoneWidth);
        LIVE_TRY_COMPARE(h->Js("window.innerWidth").toInt(), TPreviewView::kPhoneWidth);
        LIVE_TRY_VERIFY(h->PhoneButtonShown());
        // The mouse acts as a finger: a tap opens the panel, a tap on an item
        // with a submenu opens it in place instead of following its link.
        Click(".tmz-nav > button");
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
        Click(".tmz .tmz-main > li:nth-child(2) .tmz-i");
        LIVE_TRY_COMPARE(h->OpenSubmenuCaptions(), (QStringList{"Products", "Tables", "Chairs"}));
        QVERIFY(!h->Message().contains("not followed"));
        // The open panel and submenu come back after an edit.
        h->SetCaption(3, "Stools");
        LIVE_TRY_COMPARE(h->OpenSubmenuCaptions(), (QStringList{"Products", "Tables", "Stools"}));
        // Back at the pane's width the floating menu returns.
        h->dock->SetPhoneWidth(false);
        LIVE_TRY_VERIFY(!h->PhoneButtonShown());
    }

    // Desktop lays the page out at the pane's width or 1024 px, whichever is
    // larger; the phone form never shows for a narrow pane.
    void theDesktopViewIsAtLeastADesktopWide()
    {
        h->dock->SetPhoneWidth(false);
        const QSize size = h->window.size();
        QWebEngineView& view = *h->dock->View().WebView();
        // The pane fills the harness's window, which has no central widget.
        for (const int width : {700, 1000, 1100}) {
            h->window.resize(width, size.height());
            LIVE_TRY_VERIFY(qAbs(view.width() - width) < 40);
            const int pane = view.width();
            LIVE_TRY_VERIFY(qAbs(view.zoomFactor() - qMin(1.0, pane / 1024.0)) < 0.001);
            const int expected = qMax(pane, 1024);
            LIVE_TRY_VERIFY(qAbs(h->Js("window.innerWidth").toInt() - expected) <= 1);
            QVERIFY(!h->PhoneButtonShown());
        }
        h->window.resize(size);
    }

    // A rebuilt page shows only once it has loaded: until then the pane shows
    // a picture of the page before it, never an empty page.
    void aRebuildNeverShowsAnEmptyPane()
    {
        h->Settle();
        auto* cover = h->dock->View().findChild<TLoadCover*>();
        QVERIFY(cover);
        QVERIFY(!cover->Covering());
        bool coveredWhileLoading = false;
        bool pictured = false;
        const QMetaObject::Connection watch =
            QObject::connect(&h->dock->View(), &TPreviewView::loadStarted, [&] {
                coveredWhileLoading = cover->Covering() && cover->geometry() == h->dock->View().WebView()->geometry();
                const QImage picture = cover->pixmap().toImage();
                for (int y = 0; y < picture.height() && !pictured; y += 4)
                    for (int x = 0; x < picture.width() && !pictured; x += 4)
                        pictured = picture.pixelColor(x, y) != QColor(Qt::white);  // the menu's colours
            });
        h->SetCaption(0, "Start");
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        QObject::disconnect(watch);
        QVERIFY(coveredWhileLoading);
        QVERIFY(pictured);
        QVERIFY(!cover->Covering());
    }

    // The pane shows what a save publishes: the border shades derived from a
    // base colour the project stored without them, byte for byte.
    void thePreviewIsWhatASaveWrites()
    {
        TEditorTestEnv env;
        TvarnAppletAgent agent;
        agent.ResetAppletToDefaults();
        agent.Document().applet[pMainMenuOuterBGColor] = "3366CC";  // the shades left as they were
        TItemData item = NewDefaultItem();
        item[ICaption] = "Home";
        item[pLevel] = "0";
        agent.Document().items.push_back(item);
        TSilentStatus status;
        SaveProjectFile(agent.Document(), LocalPath(env.Path("shades.tmz")), status);
        QCOMPARE(agent.Document().applet[pMainMenuBorderLightColor1], std::string("FFFFFF"));

        std::unique_ptr<TMainForm> form = env.MakeMainForm();
        auto* dock = form->findChild<TLivePreviewDock*>();
        QVERIFY(ShowWithFirstPage(*form, *dock));
        form->OpenActions().OpenProjectFile(env.Path("shades.tmz"));
        QVERIFY(WaitUntil([&] { return !dock->Busy() && Captions(*dock->View().Page()) == QStringList{"Home"}; }));
        const QByteArray page = dock->Site().GeneratedPage();
        const QByteArray script = dock->Site().Resolve(QUrl("tmzpreview://menu/tmzcfg.js")).bytes;
        QVERIFY(script.contains("4C99FF"));  // 33 66 CC times one and a half, the last channel at its top

        env.prompts.fileNames.push_back(env.Path("out/crumb.tmz"));
        QDir().mkpath(env.Path("out"));
        form->SaveActions().Save2Click();
        QCOMPARE(page, TEditorTestEnv::ReadBytes(env.Path("out/crumb.html")));
        QCOMPARE(script, TEditorTestEnv::ReadBytes(env.Path("out/tmzcfg.js")));
        form->SetModified(false);
    }

    void linksClickedInThePaneAreNamedNotFollowed()
    {
        const QUrl before = h->Page().url();
        Click(".tmz .tmz-main > li:nth-child(3) .tmz-i");  // Contact
        LIVE_TRY_VERIFY(h->Message().contains("contact.html"));
        QCOMPARE(h->Page().url(), before);
        QCOMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
    }

    void theAuthorsPageShowsUnderTheMenuScrolledWhereItWas()
    {
        QTemporaryDir site;
        QDir().mkpath(site.filePath("css"));
        const QString page = site.filePath("shop.html");
        TEditorTestEnv::WriteBytes(page, "<!DOCTYPE html><html><head><link rel=stylesheet href=\"css/site.css\"></head>"
                                         "<body><h1 id=own>Our shop</h1><div style=\"height: 4000px\"></div></body></html>");
        TEditorTestEnv::WriteBytes(site.filePath("css/site.css"), "h1 { color: rgb(1, 2, 3); }");
        h->dock->SetBackground(page);
        LIVE_TRY_COMPARE(h->Js("document.getElementById('own') && document.getElementById('own').textContent"),
                         QVariant("Our shop"));
        QCOMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
        QCOMPARE(h->Js("getComputedStyle(document.getElementById('own')).color").toString(), QString("rgb(1, 2, 3)"));

        h->Js("window.scrollTo(0, 700)");
        h->SetCaption(0, "Start");
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        QCOMPARE(h->Js("window.scrollY").toInt(), 700);
        QCOMPARE(h->Js("document.getElementById('own').textContent").toString(), QString("Our shop"));

        // A page that has gone: the menu alone, and the reason in the bar.
        QFile::remove(page);
        h->dock->RebuildNow();
        LIVE_TRY_VERIFY(h->Message().contains(page));
        QVERIFY(h->Message().contains("No such file"));
        QCOMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        QCOMPARE(h->Js("!!document.getElementById('own')").toBool(), false);
    }

    void theAuthorsWebPageIsFetchedOnceAndAgainOnReload()
    {
        TTestWebSite web;
        web.files["/shop/index.html"] = {"text/html", "<html><head><link rel=stylesheet href=\"../css/site.css\">"
                                                      "</head><body><p id=remote>From the web</p></body></html>"};
        web.files["/css/site.css"] = {"text/css", "p { color: rgb(4, 5, 6); }"};
        h->dock->SetBackground(web.Url("/shop/index.html?lang=en").toString());
        LIVE_TRY_COMPARE(h->Js("(function () { var p = document.getElementById('remote');"
                               "  return p ? getComputedStyle(p).color : ''; })()"),
                         QVariant("rgb(4, 5, 6)"));
        QCOMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
        QCOMPARE(web.asked.value("/shop/index.html?lang=en"), 1);

        // Edits rebuild the page from what was fetched.
        h->SetCaption(0, "Start");
        LIVE_TRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        QCOMPARE(h->Js("document.getElementById('remote').textContent").toString(), QString("From the web"));
        QCOMPARE(web.asked.value("/shop/index.html?lang=en"), 1);
        QCOMPARE(web.asked.value("/css/site.css"), 1);

        // Reload asks the site again; a site that has gone is named.
        const QString page = web.Url("/shop/index.html").toString();
        web.server.close();
        h->dock->Reload();
        LIVE_TRY_VERIFY(h->Message().contains("could not be loaded"));
        QVERIFY(h->Message().contains(page));
        QCOMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
    }

    // A renderer gone answers no script; the pane must not wait for it.
    void aStoppedPageComesBackWithTheNextChange()
    {
        QSignalSpy updated(h->dock, &TLivePreviewDock::updated);
        h->Page().load(QUrl("chrome://kill"));
        LIVE_TRY_VERIFY(h->Message().contains("stopped"));
        h->SetCaption(0, "Start");
        QVERIFY(updated.wait(10000));
        QCOMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        QCOMPARE(h->Message(), QString());
    }

    void brokenEventHandlerShowsItsConsoleLine()
    {
        QCOMPARE(h->Message(), QString());
        h->Push(new TSetFieldCommand(h->document, kAppletTarget, pOnClickEventHandler, "alert(", "Handler"));
        LIVE_TRY_VERIFY(h->Message().contains("SyntaxError"));
        // Mended, the line goes with the next page.
        h->Push(new TSetFieldCommand(h->document, kAppletTarget, pOnClickEventHandler, "", "Handler"));
        LIVE_TRY_COMPARE(h->Message(), QString());
    }
};

int main(int argc, char* argv[])
{
    // The browser's own files (its default profile, caches) go to a temporary
    // folder, never the user's.
    QTemporaryDir home;
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        qputenv(name, home.filePath(name).toUtf8());
    QApplication app(argc, argv);
    TestLivePreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_livepreview.moc"

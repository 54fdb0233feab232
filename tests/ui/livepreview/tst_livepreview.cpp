// The Live Preview pane in a real browser view: the document's menu as the
// engine draws it, following edits, keeping the user's place, at a phone's
// width and over the author's own page, with the page's errors in its bar.

#include <QApplication>
#include <QWebEngineView>

#include "previewharness.h"

class TestLivePreview : public QObject {
    Q_OBJECT

    std::unique_ptr<TPreviewHarness> h;

    // A left click in the middle of the main menu's item with this caption.
    void Click(const QString& caption)
    {
        const QVariantList box = h->Js(QStringLiteral("(function () {"
                                                      "  var a = Array.from(document.querySelectorAll('.tmz-i')).find("
                                                      "    function (a) { return a.textContent === '%1'; });"
                                                      "  var r = a.getBoundingClientRect();"
                                                      "  return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                                           .arg(caption))
                                     .toList();
        QCOMPARE(box.size(), 2);
        QWidget* input = h->dock->View().WebView()->focusProxy();
        const QPoint at(qRound(box[0].toDouble()), qRound(box[1].toDouble()));
        QTest::mousePress(input, Qt::LeftButton, {}, at);
        QTest::mouseRelease(input, Qt::LeftButton, {}, at, 20);
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

    void openSubmenuSurvivesCaptionAndColourEdits()
    {
        h->OpenSubmenu(1);
        QCOMPARE(h->OpenSubmenuCaptions(), (QStringList{"Tables", "Chairs"}));
        QSignalSpy updated(h->dock, &TLivePreviewDock::updated);
        h->SetCaption(2, "Desks");
        QVERIFY(updated.wait(10000));
        LIVE_TRY_COMPARE(h->OpenSubmenuCaptions(), (QStringList{"Desks", "Chairs"}));
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

    void phoneWidthShowsThePageAsOnAPhone()
    {
        h->dock->SetPhoneWidth(true);
        QCOMPARE(h->dock->View().WebView()->width(), TPreviewView::kPhoneWidth);
        LIVE_TRY_COMPARE(h->Js("window.innerWidth").toInt(), TPreviewView::kPhoneWidth);
        // With a phone form in the engine, its button stands for the menu;
        // without one, the floating menu shows at the phone's width.
        const bool phoneForm = h->Js("!!document.querySelector('.tmz button[aria-expanded]')").toBool();
        if (!phoneForm) {
            // The mouse acts as a finger: a tap on an item with a submenu opens
            // it instead of following the item's link.
            Click("Products");
            LIVE_TRY_COMPARE(h->OpenSubmenuCaptions(), (QStringList{"Tables", "Chairs"}));
            QVERIFY(!h->Message().contains("not followed"));
            // At the desktop width the same click follows the link, which the
            // preview names instead of leaving the menu.
            h->dock->SetPhoneWidth(false);
            LIVE_TRY_VERIFY(h->Js("window.innerWidth").toInt() > TPreviewView::kPhoneWidth);
            h->Js("document.querySelector('.tmz').dispatchEvent(new KeyboardEvent('keydown', {key: 'Escape'}))");
            Click("Products");
            LIVE_TRY_VERIFY(h->Message().contains("products.html"));
        }
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

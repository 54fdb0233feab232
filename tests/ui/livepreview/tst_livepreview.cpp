// The Live Preview pane in a real browser view: the document's menu as the
// engine draws it, following edits, keeping the user's place, at a phone's
// width and over the author's own page, with the page's errors in its bar.

#include <QApplication>
#include <QWebEngineView>

#include "previewharness.h"

class TestLivePreview : public QObject {
    Q_OBJECT

    std::unique_ptr<TPreviewHarness> h;

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
        QTRY_COMPARE_WITH_TIMEOUT(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}), 10000);
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
        QTRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        h->Push(new TInsertItemsCommand(h->document, 5, {PreviewItem("Blog", 0)}, "Insert"));
        QTRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact", "Blog"}));
        h->document.UndoStack().undo();
        QTRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
        h->document.UndoStack().undo();
        QTRY_COMPARE(h->MainCaptions(), (QStringList{"Home", "Products", "Contact"}));
        h->document.UndoStack().redo();
        QTRY_COMPARE(h->MainCaptions(), (QStringList{"Start", "Products", "Contact"}));
    }

    void openSubmenuSurvivesCaptionAndColourEdits()
    {
        h->OpenSubmenu(1);
        QCOMPARE(h->OpenSubmenuCaptions(), (QStringList{"Tables", "Chairs"}));
        QSignalSpy updated(h->dock, &TLivePreviewDock::updated);
        h->SetCaption(2, "Desks");
        QVERIFY(updated.wait(10000));
        QTRY_COMPARE(h->OpenSubmenuCaptions(), (QStringList{"Desks", "Chairs"}));
        h->Push(new TSetFieldCommand(h->document, kAppletTarget, pItemNoBgColor, "204080", "Colour"));
        QVERIFY(updated.wait(10000));
        QTRY_COMPARE(h->Js("getComputedStyle(document.querySelector('.tmz-i')).backgroundColor").toString(),
                     QString("rgb(32, 64, 128)"));
        QCOMPARE(h->OpenSubmenuCaptions(), (QStringList{"Desks", "Chairs"}));
        // A change of the tree may take the open items away: nothing re-opens.
        h->Push(new TInsertItemsCommand(h->document, 0, {PreviewItem("News", 0)}, "Insert"));
        QVERIFY(updated.wait(10000));
        QTRY_COMPARE(h->MainCaptions(), (QStringList{"News", "Home", "Products", "Contact"}));
        QCOMPARE(h->OpenSubmenuCaptions(), QStringList());
    }

    void brokenEventHandlerShowsItsConsoleLine()
    {
        QCOMPARE(h->Message(), QString());
        h->Push(new TSetFieldCommand(h->document, kAppletTarget, pOnClickEventHandler, "alert(", "Handler"));
        QTRY_VERIFY(h->Message().contains("SyntaxError"));
        // Mended, the line goes with the next page.
        h->Push(new TSetFieldCommand(h->document, kAppletTarget, pOnClickEventHandler, "", "Handler"));
        QTRY_COMPARE(h->Message(), QString());
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

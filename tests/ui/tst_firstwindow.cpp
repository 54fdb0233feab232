// The first window on a small screen: the layout rule, then a real window on
// a 1024 x 768 screen at scale 1, and again in a second process at scale 2.
#include <QDockWidget>
#include <QProcess>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryFile>
#include <QtTest/QtTest>

#include "tst_mainform_env.h"
#include "ui/firstwindow.h"

namespace {

TFirstWindowScreen Screen(int width, int height, qreal ratio, bool previewWanted)
{
    TFirstWindowScreen screen;
    screen.available = QRect(0, 0, width, height);
    screen.pixelRatio = ratio;
    screen.previewWanted = previewWanted;
    screen.previewWidth = 660;
    return screen;
}

}  // namespace

class TestFirstWindow : public QObject {
    Q_OBJECT
private slots:
    void onA1024ScreenTheEditorFitsAndThePreviewWaits()
    {
        const TFirstWindowLayout one = TFirstWindow::Layout(Screen(1024, 768, 1, true));
        // 8 px borders and a 40 px title bar assumed: 1008 x 720 of room.
        QCOMPARE(one.client, QRect(82, 100, 860, 600));
        QCOMPARE(one.treeWidth, 300);
        QCOMPARE(one.pagesWidth, 556);
        QVERIFY(!one.previewShown);

        // At scale 2 the screen is 512 x 384 scaled pixels; borders 4, title 20.
        const TFirstWindowLayout two = TFirstWindow::Layout(Screen(1024 / 2, 768 / 2, 2, true));
        QCOMPARE(two.client, QRect(4, 20, 504, 360));
        QCOMPARE(two.treeWidth, 175);  // 350 screen pixels
        QCOMPARE(two.pagesWidth, 325);  // 650
        QVERIFY(!two.previewShown);
    }

    void thePreviewShowsOnlyWithItsLeastWidth()
    {
        // 1130 px of room: 200 + 4 + 520 for the editor, 6 + 400 for the preview.
        const TFirstWindowLayout enough = TFirstWindow::Layout(Screen(1146, 800, 1, true));
        QVERIFY(enough.previewShown);
        QCOMPARE(enough.previewWidth, 400);
        QCOMPARE(enough.treeWidth, 200);
        QCOMPARE(enough.pagesWidth, 520);
        QCOMPARE(enough.client, QRect(8, 40 + (800 - 48 - 600) / 2, 1130, 600));
        QVERIFY(!TFirstWindow::Layout(Screen(1145, 800, 1, true)).previewShown);
        QVERIFY(!TFirstWindow::Layout(Screen(1146, 800, 1, false)).previewShown);

        const TFirstWindowLayout wide = TFirstWindow::Layout(Screen(1920, 1080, 1, true));
        QCOMPARE(wide.previewWidth, 660);
        QCOMPARE(wide.client, QRect((1920 - 1526) / 2, 40 + (1080 - 48 - 600) / 2, 1526, 600));
    }

    void aReportedFrameLargerThanAssumedIsKept()
    {
        TFirstWindowScreen screen = Screen(1024, 700, 1, false);
        screen.frame = QMargins(2, 60, 2, 2);
        // 1008 x 632 of room from (8, 60): the title bar stays on the screen.
        QCOMPARE(TFirstWindow::Layout(screen).client, QRect(8 + (1008 - 860) / 2, 60 + (632 - 600) / 2, 860, 600));
    }

    void theFirstWindowFitsTheScreen()
    {
        TEditorTestEnv env;
        std::unique_ptr<TMainForm> form = env.MakeMainForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QApplication::processEvents();
        const QScreen* screen = form->screen();
        const qreal ratio = screen->devicePixelRatio();
        QCOMPARE(screen->geometry().size() * ratio, QSize(1024, 768));
        QCOMPARE(ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? 2.0 : 1.0);
        QVERIFY2(screen->availableGeometry().contains(form->frameGeometry()),
                 qPrintable(QString("%1 %2").arg(form->frameGeometry().width()).arg(form->frameGeometry().height())));
        auto* splitter = qobject_cast<QSplitter*>(form->centralWidget());
        QVERIFY(splitter);
        QVERIFY(splitter->widget(0)->width() * ratio >= TFirstWindow::kLeastTree);
        QVERIFY(splitter->widget(1)->width() * ratio >= TFirstWindow::kLeastPages);
        for (QDockWidget* dock : form->findChildren<QDockWidget*>())
            QVERIFY(dock->isHidden());  // no room for the preview beside them
    }

    void theFirstWindowFitsTheScreenAtScaleTwo()
    {
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QSKIP("this is the second process");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_SCALE_FACTOR", "2");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"theFirstWindowFitsTheScreen"});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
    }
};

int main(int argc, char* argv[])
{
    // A 1024 x 768 screen with window frames, as Qt's offscreen platform makes it.
    QTemporaryFile config(QDir::tempPath() + "/tst_firstwindow-XXXXXX.json");
    if (!config.open())
        return 2;
    config.write(R"({"windowFrameMargins": true, "screens": [{"name": "small", "x": 0, "y": 0,
        "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestFirstWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_firstwindow.moc"

// The live preview's parts that need no browser.
#include <QtTest/QtTest>

class TestLivePreviewParts : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestLivePreviewParts)
#include "tst_livepreviewparts.moc"

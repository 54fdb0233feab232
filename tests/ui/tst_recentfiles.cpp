// The recent files list: the bytes of "recentfile.dat", its rotation, its
// hand-edited gaps and the submenu built from it.

#include <QAction>
#include <QMenu>

#include "tst_mainform_env.h"
#include "ui/actions/recentfiles.h"

class TestRecentFiles : public QObject {
    Q_OBJECT

    struct TList {
        QTemporaryDir folder;
        QMenu menu;
        QStringList opened;
        TRecentFiles recent{folder.path() + '/', &menu, [this](const QString& path) { opened << path; }};
        QByteArray Bytes() const { return TEditorTestEnv::ReadBytes(recent.ListFilePath()); }
        void Write(const QByteArray& bytes) const { TEditorTestEnv::WriteBytes(recent.ListFilePath(), bytes); }
        QStringList Captions() const
        {
            QStringList captions;
            for (QAction* action : menu.actions())
                captions << action->text();
            return captions;
        }
    };

private slots:
    void firstStartCreatesAnEmptyFile()
    {
        TList list;
        QVERIFY(!QFile::exists(list.recent.ListFilePath()));
        list.recent.LoadRecentFiles();
        QVERIFY(QFile::exists(list.recent.ListFilePath()));
        QCOMPARE(QFileInfo(list.recent.ListFilePath()).size(), 0);
        QVERIFY(list.menu.actions().isEmpty());
    }

    void fiveOpensKeepTheLastFourNewestFirst()
    {
        TList list;
        for (const char* path : {"/m/a.tmz", "/m/b.tmz", "/m/c.tmz", "/m/d.tmz", "/m/e.tmz"})
            list.recent.AddRecentFile(path);
        QCOMPARE(list.Bytes(), QByteArray("&1 /m/e.tmz\r\n&2 /m/d.tmz\r\n&3 /m/c.tmz\r\n&4 /m/b.tmz\r\n"));
        QCOMPARE(list.Captions(), QStringList({"&1 /m/e.tmz", "&2 /m/d.tmz", "&3 /m/c.tmz", "&4 /m/b.tmz"}));
    }

    void aListedPathChangesNothing()
    {
        TList list;
        const QByteArray stored = "&1 /m/c.tmz\r\n&2 /m/b.tmz\r\n&3 /m/a.tmz\r\n";
        list.Write(stored);
        list.recent.AddRecentFile("/m/a.tmz");
        QCOMPARE(list.Bytes(), stored);
        // Letter case makes another path.
        list.recent.AddRecentFile("/m/A.tmz");
        QCOMPARE(list.Bytes(), QByteArray("&1 /m/A.tmz\r\n&2 /m/c.tmz\r\n&3 /m/b.tmz\r\n&4 /m/a.tmz\r\n"));
    }

    void onlyTheFirstFourLinesCount()
    {
        TList list;
        list.Write("&1 /a\r\n&2 /b\r\n&3 /c\r\n&4 /d\r\n&5 /e\r\n&6 /f\r\n");
        list.recent.LoadRecentFiles();
        QCOMPARE(list.menu.actions().size(), 4);
        list.recent.AddRecentFile("/new");
        QCOMPARE(list.Bytes(), QByteArray("&1 /new\r\n&2 /a\r\n&3 /b\r\n&4 /c\r\n"));
    }

    void handEditedGapIsKeptInTheNumbering()
    {
        TList list;
        list.Write("&1 /one\r\n\r\n&3 /three\r\n&4 /four\r\n");
        list.recent.LoadRecentFiles();
        QCOMPARE(list.Captions(), QStringList({"&1 /one", "&3 /three", "&4 /four"}));
        list.recent.AddRecentFile("/new");
        QCOMPARE(list.Bytes(), QByteArray("&1 /new\r\n&2 /one\r\n&4 /three\r\n"));
    }

    void anyPrefixIsDroppedWhenReading()
    {
        TList list;
        list.Write("xy /kept\r\nab\r\n");
        list.recent.AddRecentFile("/new");
        QCOMPARE(list.Bytes(), QByteArray("&1 /new\r\n&2 /kept\r\n"));
    }

    void clickingAnEntryOpensItsPath()
    {
        TList list;
        list.recent.AddRecentFile("/folder with blanks/site.tmz");
        list.menu.actions().first()->trigger();
        QCOMPARE(list.opened, QStringList({"/folder with blanks/site.tmz"}));
    }

    void openingAddsAndReopeningKeepsOrder()
    {
        TEditorTestEnv env;
        const QString a = env.Path("a.tmz"), b = env.Path("b.tmz");
        TEditorTestEnv::WriteProject(a, {{"A", 0}});
        TEditorTestEnv::WriteProject(b, {{"B", 0}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(a);
        form->OpenActions().OpenProjectFile(b);
        auto* submenu = form->findChild<QMenu*>("mnitRecentFiles");
        QCOMPARE(submenu->actions().size(), 2);
        submenu->actions().last()->trigger();  // "&2 a.tmz"
        QCOMPARE(form->ProjectFileName(), a);
        QCOMPARE(ModelCaptions(*form), QStringList({"A"}));
        QCOMPARE(TEditorTestEnv::ReadBytes(form->RecentFiles().ListFilePath()),
                 ("&1 " + b + "\r\n&2 " + a + "\r\n").toUtf8());
    }

    void aBrokenListFileIsReportedAndTheOpenFinishes()
    {
        TEditorTestEnv env;
        const QString project = env.Path("p.tmz");
        TEditorTestEnv::WriteProject(project, {{"P", 0}});
        // A folder where the list file belongs can be neither read nor replaced.
        QDir().mkpath(env.programFolder + "recentfile.dat");
        auto form = env.MakeMainForm();
        env.prompts.Clear();
        form->OpenActions().OpenProjectFile(project);
        QCOMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(env.prompts.shown.first().kind, QString("error"));
        QVERIFY2(env.prompts.shown.first().text.contains("recentfile.dat"), qPrintable(env.prompts.shown.first().text));
        QCOMPARE(form->ProjectFileName(), project);
        QCOMPARE(ModelCaptions(*form), QStringList({"P"}));
        QVERIFY(!form->Modified());
    }
};

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"

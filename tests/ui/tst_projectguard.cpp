// The editor beside other programs that write its project: a save never
// replaces a change the user has not seen, an unchanged document offers to
// reload, and a save that waits for another one into its folder says so and
// can be given up.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <unistd.h>

#include "tst_mainform_env.h"
#include "ui/actions/projectfileguard.h"
#include "ui/services/statusarea.h"

namespace {

using Answer = TPrompts::Answer;

QString ChangedQuestion(const QString& path)
{
    return QDir::toNativeSeparators(path) +
           " has been changed by another program since you opened it. Replace it with your version?";
}

QString ReloadQuestion(const QString& path)
{
    return QDir::toNativeSeparators(path) + " has been changed by another program. Reload it?";
}

// Another program writes its own version beside the file and renames it over.
void ReplaceAsAnotherProgram(TEditorTestEnv& env, const QString& path, const QList<TTestItem>& items)
{
    const QString beside = env.Path("other-program.tmp");
    TEditorTestEnv::WriteProject(beside, items);
    QVERIFY(::rename(LocalPath(beside).c_str(), LocalPath(path).c_str()) == 0);
}

void RenameFirstItem(TMainForm& form, const QString& caption)
{
    auto* tree = form.findChild<QTreeView*>("trvwDesignPanel");
    tree->setCurrentIndex(TNode::RootOf(tree).Child(0));
    form.findChild<QLineEdit*>("edtICaption")->setText(caption);
    QVERIFY(form.Modified());
}

// A folder's lock held as another save holds it while it writes.
class THeldFolderLock {
public:
    explicit THeldFolderLock(const QString& folder)
        : fd_(::open(LocalPath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        QVERIFY(fd_ >= 0);
        QVERIFY(::flock(fd_, LOCK_EX) == 0);
    }
    ~THeldFolderLock() { Release(); }
    void Release()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

std::map<QString, QByteArray> FolderBytes(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files[name] = TEditorTestEnv::ReadBytes(folder + '/' + name);
    return files;
}

}  // namespace

class TestProjectGuard : public QObject {
    Q_OBJECT
private slots:
    void aSaveAsksBeforeReplacingAnotherProgramsChange()
    {
        TEditorTestEnv env;
        const QString path = env.Path("menu.tmz");
        TEditorTestEnv::WriteProject(path, {{"Home", 0}, {"News", 0}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(path);
        RenameFirstItem(*form, "Ours");
        ReplaceAsAnotherProgram(env, path, {{"Theirs", 0}, {"One", 0}, {"Two", 0}});
        const QByteArray theirs = TEditorTestEnv::ReadBytes(path);

        // Cancel: nothing written, the document still unsaved.
        env.prompts.answers = {Answer::Cancel};
        QVERIFY(!form->SaveActions().Save1Click());
        QCOMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(env.prompts.shown[0].kind, QString("yesnocancel"));
        QCOMPARE(env.prompts.shown[0].text, ChangedQuestion(path));
        QCOMPARE(TEditorTestEnv::ReadBytes(path), theirs);
        QVERIFY(form->Modified());

        // Save As onto that same file asks too.
        env.prompts.Clear();
        env.prompts.answers = {Answer::Cancel};
        env.prompts.fileNames = {path};
        form->SaveActions().Save2Click();
        QCOMPARE(env.prompts.Texts(), QStringList({kProjectFilter, ChangedQuestion(path)}));
        QCOMPARE(TEditorTestEnv::ReadBytes(path), theirs);

        // No: Save As, and the other program's file stays.
        env.prompts.Clear();
        env.prompts.answers = {Answer::No};
        env.prompts.fileNames = {env.Path("mine.tmz")};
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(env.prompts.Texts(), QStringList({ChangedQuestion(path), kProjectFilter}));
        QCOMPARE(TEditorTestEnv::ReadBytes(path), theirs);
        QCOMPARE(form->ProjectFileName(), env.Path("mine.tmz"));
        QVERIFY(TEditorTestEnv::ReadBytes(form->ProjectFileName()).contains("Ours"));

        // Yes writes ours over theirs.
        env.prompts.Clear();
        RenameFirstItem(*form, "Ours again");
        ReplaceAsAnotherProgram(env, form->ProjectFileName(), {{"Theirs", 0}});
        env.prompts.answers = {Answer::Yes};
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(env.prompts.Texts(), QStringList({ChangedQuestion(form->ProjectFileName())}));
        QVERIFY(TEditorTestEnv::ReadBytes(form->ProjectFileName()).contains("Ours again"));
        QVERIFY(!TEditorTestEnv::ReadBytes(form->ProjectFileName()).contains("Theirs"));

        // After the editor's own save, later saves ask nothing.
        env.prompts.Clear();
        RenameFirstItem(*form, "Ours later");
        QVERIFY(form->SaveActions().Save1Click());
        RenameFirstItem(*form, "Ours once more");
        QVERIFY(form->SaveActions().Save1Click());
        QVERIFY(env.prompts.shown.isEmpty());
        QVERIFY(TEditorTestEnv::ReadBytes(form->ProjectFileName()).contains("Ours once more"));

        // A file deleted meanwhile is written again without a question.
        QVERIFY(QFile::remove(form->ProjectFileName()));
        RenameFirstItem(*form, "Written again");
        QVERIFY(form->SaveActions().Save1Click());
        QVERIFY(env.prompts.shown.isEmpty());
        QVERIFY(TEditorTestEnv::ReadBytes(form->ProjectFileName()).contains("Written again"));
    }

    void theSecondOfTwoEditorsAsksInsteadOfDroppingTheFirstsInsert()
    {
        TEditorTestEnv env;
        const QString path = env.Path("menu.tmz");
        TEditorTestEnv::WriteProject(path, {{"Home", 0}});
        auto first = env.MakeMainForm();
        auto second = env.MakeMainForm();
        first->OpenActions().OpenProjectFile(path);
        second->OpenActions().OpenProjectFile(path);

        first->MenuEditor().InsertAction()->trigger();
        QVERIFY(first->SaveActions().Save1Click());
        QCOMPARE(first->Agent().ItemCount(), 2);
        const QByteArray firstsSave = TEditorTestEnv::ReadBytes(path);

        RenameFirstItem(*second, "Start");
        // The closing save asks as well, and Cancel keeps the window open.
        env.prompts.answers = {Answer::Yes, Answer::Cancel};
        QVERIFY(!second->CloseQuery());
        QCOMPARE(env.prompts.Texts(), QStringList({"Save changes to files before Exit?", ChangedQuestion(path)}));
        QCOMPARE(TEditorTestEnv::ReadBytes(path), firstsSave);
    }

    void anUnchangedDocumentOffersToReloadOncePerChange()
    {
        TEditorTestEnv env;
        const QString path = env.Path("menu.tmz");
        TEditorTestEnv::WriteProject(path, {{"Home", 0}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(path);

        // The watcher sees the rename over the file; Yes reloads.
        env.prompts.answers = {Answer::Yes};
        ReplaceAsAnotherProgram(env, path, {{"Theirs", 0}, {"Two", 1}});
        QTRY_COMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(env.prompts.shown[0].kind, QString("yesno"));
        QCOMPARE(env.prompts.shown[0].text, ReloadQuestion(path));
        QCOMPARE(TreeCaptions(*form), QStringList({"Theirs", "Two"}));
        QVERIFY(!form->Modified());

        // The reload is the file as it is: a save asks nothing.
        env.prompts.Clear();
        QVERIFY(form->SaveActions().Save1Click());
        QVERIFY(env.prompts.shown.isEmpty());

        // Declined once, the same change is not offered again.
        env.prompts.answers = {Answer::No};
        ReplaceAsAnotherProgram(env, path, {{"Third", 0}});
        QTRY_COMPARE(env.prompts.shown.size(), 1);
        form->FileGuard().CheckForChange();
        QCOMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(TreeCaptions(*form), QStringList({"Theirs", "Two"}));

        // A later change with unsaved edits is left to the save's question.
        env.prompts.Clear();
        RenameFirstItem(*form, "Edited");
        ReplaceAsAnotherProgram(env, path, {{"Fourth", 0}});
        form->FileGuard().CheckForChange();
        QVERIFY(env.prompts.shown.isEmpty());
    }

    // What an earlier save left unfinished in the project's folder is told,
    // by Open and by Save, not only to the command-line tool.
    void leftoversOfAnEarlierSaveAreToldOnOpenAndSave()
    {
        TEditorTestEnv env;
        const QString path = env.Path("menu.tmz");
        TEditorTestEnv::WriteProject(path, {{"Home", 0}});
        const auto plantDamagedList = [&] {
            QFile list(env.Path(".~tm0badc0de.jnl"));
            QVERIFY(list.open(QIODevice::WriteOnly));
            list.write("not a list of renames\n");
        };
        const QString told = QDir::toNativeSeparators(env.Path(".~tm0badc0de.jnl"));
        plantDamagedList();
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(path);
        QCOMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(env.prompts.shown[0].kind, QString("warning"));
        QVERIFY2(env.prompts.shown[0].text.contains(told), qPrintable(env.prompts.shown[0].text));
        QVERIFY(!QFile::exists(env.Path(".~tm0badc0de.jnl")));

        env.prompts.Clear();
        plantDamagedList();
        RenameFirstItem(*form, "Start");
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(env.prompts.shown.size(), 1);
        QCOMPARE(env.prompts.shown[0].kind, QString("warning"));
        QVERIFY2(env.prompts.shown[0].text.contains(told), qPrintable(env.prompts.shown[0].text));
    }

    void aTemplatesUntitledCopyGuardsNoFile()
    {
        TEditorTestEnv env;
        const QString path = env.Path("shipped.tmz");
        TEditorTestEnv::WriteProject(path, {{"Home", 0}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(path);
        form->OpenActions().OpenTemplate(path);
        ReplaceAsAnotherProgram(env, path, {{"Theirs", 0}});
        form->FileGuard().CheckForChange();
        QVERIFY(env.prompts.shown.isEmpty());
    }

    void aSaveWaitingForAnotherSaysSoAndEscGivesUp()
    {
        TEditorTestEnv env;
        const QString site = env.Path("site");
        QVERIFY(QDir().mkpath(site));
        const QString path = site + "/menu.tmz";
        TEditorTestEnv::WriteProject(path, {{"Home", 0}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(path);
        QVERIFY(form->SaveActions().Save1Click());
        RenameFirstItem(*form, "Ours");
        const auto before = FolderBytes(site);
        const QString folder = QFileInfo(site).canonicalFilePath();
        const QString waiting = "Waiting for another save into " + folder + " to finish\u2026";

        struct {
            QString hint;
            bool busy = false;
        } seen;
        const auto look = [&] {
            seen.hint = form->StatusArea().HintLine()->text();
            seen.busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        };
        THeldFolderLock lock(site);
        // The window keeps running while the save waits: this timer fires in it.
        QTimer::singleShot(1500, form.get(), [&] {
            look();
            QTest::keyClick(form.get(), Qt::Key_Escape);
        });
        QVERIFY(!form->SaveActions().Save1Click());
        QCOMPARE(seen.hint, waiting);
        QVERIFY(seen.busy);
        QCOMPARE(env.prompts.Texts(),
                 QStringList({"menu.tmz could not be saved.\n" + folder + " is locked by another save"}));
        QVERIFY(FolderBytes(site) == before);
        QVERIFY(form->Modified());
        QVERIFY(!QApplication::overrideCursor());

        // The other save ends while this one waits: this one then goes on.
        env.prompts.Clear();
        seen = {};
        QTimer::singleShot(1500, form.get(), [&] {
            look();
            lock.Release();
        });
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(seen.hint, waiting);
        QVERIFY(seen.busy);
        QVERIFY(env.prompts.shown.isEmpty());
        QVERIFY(TEditorTestEnv::ReadBytes(path).contains("Ours"));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(form->StatusArea().HintLine()->text() != waiting);

        // An export into a folder another save holds waits the same way.
        env.prompts.Clear();
        seen = {};
        THeldFolderLock held(site);
        QTimer::singleShot(1500, form.get(), [&] {
            look();
            QTest::keyClick(form.get(), Qt::Key_Escape);
        });
        env.prompts.fileNames = {site + "/menu.gms"};
        form->ExportAction().ExportMenuStructure1Click();
        QCOMPARE(seen.hint, waiting);
        QVERIFY(seen.busy);
        QCOMPARE(env.prompts.shown.last().kind, QString("error"));
        QVERIFY2(env.prompts.shown.last().text.contains(folder + " is locked by another save"),
                 qPrintable(env.prompts.shown.last().text));
        QVERIFY(!QFile::exists(site + "/menu.gms"));
    }
};

QTEST_MAIN(TestProjectGuard)
#include "tst_projectguard.moc"

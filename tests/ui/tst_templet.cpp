// The template chooser: its list, its ways out and the start-up setting its
// check box writes.

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

#include "tst_mainform_env.h"
#include "ui/actions/recentfiles.h"
#include "ui/dialogs/templet.h"

using Answer = TPrompts::Answer;

class TestTemplet : public QObject {
    Q_OBJECT

    static QListWidget* List(TfrmTemplet& chooser) { return chooser.findChild<QListWidget*>("TempletList"); }
    static QStringList Names(TfrmTemplet& chooser)
    {
        QStringList names;
        for (int i = 0; i < List(chooser)->count(); ++i)
            names << List(chooser)->item(i)->text();
        return names;
    }
    static void Select(TfrmTemplet& chooser, const QString& name)
    {
        const QList<QListWidgetItem*> found = List(chooser)->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        List(chooser)->setCurrentItem(found.first());
    }
    static void MakeTemplates(const TEditorTestEnv& env, const QStringList& names)
    {
        QDir().mkpath(env.TemplatesFolder());
        for (const QString& name : names)
            TEditorTestEnv::WriteProject(env.TemplatesFolder() + '/' + name, {{name, 0}, {"Child", 1}});
    }

private slots:
    void listsProjectFilesOnly()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        MakeTemplates(env, {"beta.tmz", "Alpha.tmz"});
        TEditorTestEnv::WriteBytes(env.TemplatesFolder() + "/notes.txt", "x");
        QDir().mkpath(env.TemplatesFolder() + "/folder.tmz");
        TfrmTemplet chooser(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
        QCOMPARE(Names(chooser), QStringList({"Alpha.tmz", "beta.tmz"}));
        QCOMPARE(chooser.windowTitle(), QString("Template"));
    }

    void withoutFolderOkKeepsTheDocument()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->MenuEditor().InsertAction()->trigger();
        TfrmTemplet chooser(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
        QVERIFY(Names(chooser).isEmpty());
        chooser.findChild<QPushButton*>("BitBtn1")->click();
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(form->Agent().ItemCount(), 1);
        QVERIFY(form->Modified());
        QVERIFY(env.prompts.shown.isEmpty());
    }

    void okOpensTheTemplateAsAnUntitledCopy()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        MakeTemplates(env, {"Blue.tmz", "Green.tmz"});
        TfrmTemplet chooser(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
        Select(chooser, "Green.tmz");
        chooser.BitBtn1Click();
        const QString path = env.TemplatesFolder() + "/Green.tmz";
        const QByteArray shipped = TEditorTestEnv::ReadBytes(path);
        QVERIFY(form->ProjectFileName().isEmpty());
        QCOMPARE(ModelCaptions(*form), QStringList({"Green.tmz", "Child"}));
        QVERIFY(form->RecentFiles().Slots()[0].isEmpty());

        // The first save asks for a name; the template stays as shipped.
        env.prompts.fileNames.push_back(env.Path("mine.tmz"));
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(env.prompts.shown.last().kind, QString("save"));
        QCOMPARE(form->ProjectFileName(), env.Path("mine.tmz"));
        QCOMPARE(TEditorTestEnv::ReadBytes(path), shipped);
        QVERIFY(!QFile::exists(env.TemplatesFolder() + "/Green.html"));
    }

    void doubleClickOpens()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        MakeTemplates(env, {"Blue.tmz"});
        TfrmTemplet chooser(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
        Select(chooser, "Blue.tmz");
        emit List(chooser)->itemDoubleClicked(List(chooser)->currentItem());
        QCOMPARE(ModelCaptions(*form), QStringList({"Blue.tmz", "Child"}));
        QVERIFY(form->ProjectFileName().isEmpty());
        QVERIFY(!chooser.isVisible());
    }

    void cancelAndEscapeStartANewProject()
    {
        for (bool escape : {false, true}) {
            TEditorTestEnv env;
            const QString project = env.Path("open.tmz");
            TEditorTestEnv::WriteProject(project, {{"Open", 0}});
            auto form = env.MakeMainForm();
            form->OpenActions().OpenProjectFile(project);
            TfrmTemplet chooser(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
            if (escape)
                QTest::keyClick(&chooser, Qt::Key_Escape);
            else
                chooser.findChild<QPushButton*>("BitBtn2")->click();
            QCOMPARE(chooser.result(), int(QDialog::Rejected));
            QCOMPARE(form->Agent().ItemCount(), 0);
            QVERIFY(form->ProjectFileName().isEmpty());
        }
    }

    void cancelAtTheUnsavedPromptKeepsTheDocument()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        MakeTemplates(env, {"Blue.tmz"});
        form->MenuEditor().InsertAction()->trigger();
        TfrmTemplet chooser(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
        Select(chooser, "Blue.tmz");
        env.prompts.answers.push_back(Answer::Cancel);
        chooser.BitBtn1Click();
        QCOMPARE(env.prompts.Texts(), QStringList({"Save changes to files?"}));
        QCOMPARE(ModelCaptions(*form), QStringList({"Item"}));
        QVERIFY(form->Modified());
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
    }

    void checkBoxWritesTheStartUpSetting()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        {
            TfrmTemplet chooser(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
            auto* box = chooser.findChild<QCheckBox*>("chckbxDontShow");
            QCOMPARE(box->text(), QString("Don't show this dialog again."));
            QVERIFY(!box->isChecked());  // no setting: the chooser is offered
            box->click();
            QSettings stored(env.settings->FileName(), QSettings::IniFormat);
            QCOMPARE(stored.value("1.0/Settings/ShowTempletsDialog").toInt(), 0);
            QVERIFY(!TSettingsStore(env.Path("settings")).ShowTempletsDialog());
        }
        TfrmTemplet again(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
        auto* box = again.findChild<QCheckBox*>("chckbxDontShow");
        QVERIFY(box->isChecked());
        box->click();
        QVERIFY(TSettingsStore(env.Path("settings")).ShowTempletsDialog());
        QCOMPARE(QSettings(env.settings->FileName(), QSettings::IniFormat).value("1.0/Settings/ShowTempletsDialog").toInt(), 1);
    }

    void storedValueMeaning_data()
    {
        QTest::addColumn<QVariant>("stored");  // invalid: absent
        QTest::addColumn<bool>("offered");
        QTest::newRow("absent") << QVariant() << true;
        QTest::newRow("one") << QVariant(1) << true;
        QTest::newRow("zero") << QVariant(0) << false;
        QTest::newRow("any non-zero") << QVariant(7) << true;
        QTest::newRow("unreadable") << QVariant("yes please") << false;
    }

    void storedValueMeaning()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, offered);
        QTemporaryDir folder;
        TSettingsStore store(folder.path());
        if (stored.isValid()) {
            QSettings raw(store.FileName(), QSettings::IniFormat);
            raw.setValue("1.0/Settings/ShowTempletsDialog", stored);
        }
        QCOMPARE(TSettingsStore(folder.path()).ShowTempletsDialog(), offered);
    }
};

QTEST_MAIN(TestTemplet)
#include "tst_templet.moc"

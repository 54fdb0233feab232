// Documents through the editor as a user handles them: a project written by
// the older Windows program, a legacy menu that receives text its encoding
// cannot hold, and an imported structure saved as the command-line tool
// writes it.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTreeView>

#include "codegen/generation.h"
#include "codegen/publishing.h"
#include "files/projectfile.h"
#include "model/fieldrules.h"
#include "model/textencoding.h"
#include "tst_mainform_env.h"
#include "ui/dialogs/htmlbuild.h"

namespace {

const char* const kCaption = "\xC3\x9C" "ber uns Caf\xC3\xA9";  // "Über uns Café"
// Ends in a no-break space: part of the value, never trimmed away.
const char* const kStatus = "Stra\xC3\x9F" "e \xE2\x82\xAC \xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xC2\xA0";

// A project as the older program saved it: its pages gathered, generated,
// then in Windows-1252.
QByteArray LegacyProjectBytes(const QString& scratch)
{
    TMenuDocument document;
    for (const auto& [caption, level] : {std::pair{kCaption, 0}, std::pair{"Kontakt", 0}, std::pair{"Anfahrt", 1}}) {
        TItemData item = NewDefaultItem();
        item[ICaption] = caption;
        item[pLevel] = std::to_string(level);
        item[UseURLAsStatusBarMsg] = "0";
        item[pStatusMsg] = kStatus;
        item[pURL] = "caf\xC3\xA9.html";
        document.items.push_back(item);
    }
    document.applet[pDragBar_Title] = "Men\xC3\xBC";
    document.applet = GatheredApplet(document.applet);
    TSilentStatus status;
    const std::string path = LocalPath(scratch + "/generated.tmz");
    SaveProjectFile(GenerateMenu(document, status).document, path, status);
    std::string legacy;
    Utf8ToWindows1252(TEditorTestEnv::ReadBytes(QString::fromStdString(path)).toStdString(), legacy);
    return QByteArray::fromStdString(legacy);
}

QTreeView* TreeWidget(TMainForm& form)
{
    return form.findChild<QTreeView*>("trvwDesignPanel");
}

}  // namespace

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    void aLegacyProjectShowsItsTextAndSavesByteForByte()
    {
        TEditorTestEnv env;
        const QByteArray legacy = LegacyProjectBytes(env.Path(""));
        QVERIFY(!IsValidUtf8(legacy.toStdString()));
        const QString path = env.Path("legacy.tmz");
        TEditorTestEnv::WriteBytes(path, legacy);

        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(path);
        QCOMPARE(TreeCaptions(*form), QStringList({QString::fromUtf8(kCaption), "Kontakt", "Anfahrt"}));
        QTreeView* tree = TreeWidget(*form);
        for (TNode item : {TNode::RootOf(tree).Child(0), TNode::RootOf(tree).Child(1).Child(0)}) {
            tree->setCurrentIndex(item);
            QVERIFY(!form->findChild<QLineEdit*>("edtICaption")->text().contains(QChar::ReplacementCharacter));
        }
        QCOMPARE(form->findChild<QLineEdit*>("edtpStatusMsg")->text(), QString::fromUtf8(kStatus));
        tree->setCurrentIndex(TNode::RootOf(tree));
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(TEditorTestEnv::ReadBytes(path), legacy);
    }

    void aLegacyMenuThatReceivesJapaneseIsSavedAsUtf8()
    {
        TEditorTestEnv env;
        const QString path = env.Path("legacy.tmz");
        TEditorTestEnv::WriteBytes(path, LegacyProjectBytes(env.Path("")));
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(path);
        QTreeView* tree = TreeWidget(*form);
        tree->setCurrentIndex(TNode::RootOf(tree).Child(1));
        const QString japanese = QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
        form->findChild<QLineEdit*>("edtICaption")->setText(japanese);
        QVERIFY(form->SaveActions().Save1Click());
        const QByteArray saved = TEditorTestEnv::ReadBytes(path);
        QVERIFY(IsValidUtf8(saved.toStdString()));
        QVERIFY(saved.contains(japanese.toUtf8()));
        QVERIFY(saved.contains(QByteArray(kCaption)));
        QVERIFY(saved.contains(QByteArray(kStatus)));
        QCOMPARE(form->Agent().Document().encoding, TTextEncoding::Utf8);
    }

    void anImportedStructureSavesAsTheCommandLineToolWritesIt()
    {
        TEditorTestEnv env;
        const QString structure = env.Path("menu.gms");
        TEditorTestEnv::WriteBytes(
            structure,
            QByteArray("<Product_Name>\r\nGeneral Menu Structure Description Format\r\n</Product_Name>\r\n"
                       "<Product_Version>\r\n1.0\r\n</Product_Version>\r\n<Structure_Description>\r\n"
                       "0#$@Home#$@index.html#$@_self#$@Start#$@\r\n0#$@Products#$@products.html#$@#$@#$@\r\n"
                       "1#$@Tools#$@tools.html#$@_top#$@#$@\r\n</Structure_Description>\r\n"));
        auto form = env.MakeMainForm();
        env.prompts.fileNames.push_back(structure);
        form->OpenActions().ImportMenuStructure1Click();
        env.prompts.fileNames.push_back(env.Path("editor.tmz"));
        QVERIFY(form->SaveActions().Save1Click());

        QProcess cli;
        cli.start(QStringLiteral(TRELLIMENU_BIN_DIR) + "/trellimenu-cli",
                  {"import-structure", structure, env.Path("cli.tmz")});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(TEditorTestEnv::ReadBytes(env.Path("cli.tmz")), TEditorTestEnv::ReadBytes(env.Path("editor.tmz")));
    }

    void theModernPageCodeIsTheCommandLineToolsToo()
    {
        TEditorTestEnv env;
        const QString project = env.Path("menu.tmz");
        TEditorTestEnv::WriteProject(project, {{"Home", 0}, {"News", 1}, {"About", 0}});
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(project);
        QCOMPARE(PageCodeSetting(*env.settings), TPageCode::Classic);
        form->findChild<QAction*>("mnitPageCodeModern")->trigger();
        QCOMPARE(PageCodeSetting(*env.settings), TPageCode::Modern);
        QVERIFY(form->findChild<QAction*>("mnitPageCodeModern")->isChecked());
        env.OnNextDialog([](QDialog&) { return int(QDialog::Accepted); });
        form->PublishActions().BuildHTML1Click();
        const QString page = form->FormHTML()->Text();
        QVERIFY(page.contains("<nav class=\"trellimenu\""));

        QProcess cli;
        cli.start(QStringLiteral(TRELLIMENU_BIN_DIR) + "/trellimenu-cli", {"html", project, "--page-code", "modern"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).replace("\r\n", "\n"), QString(page).replace("\r\n", "\n"));

        // A save publishes the same block and the style sheet beside it; the
        // choice is the user's, kept for every project.
        QVERIFY(form->SaveActions().Save1Click());
        QVERIFY(QFile::exists(env.Path("tmzmenu.css")));
        auto again = env.MakeMainForm();
        QCOMPARE(PageCodeSetting(*env.settings), TPageCode::Modern);
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"

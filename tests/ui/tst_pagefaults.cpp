// What the pages do with what they cannot take: the field separator typed or
// pasted, a stored word its list lacks, numbers out of range, the template
// chooser's first choice, and a save that fails.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTreeView>
#include <QtTest/QtTest>

#include "files/projectfile.h"
#include "tst_mainform_env.h"
#include "ui/services/statusarea.h"
#include "ui/dialogs/templet.h"

namespace {

QString Hint(TMainForm& form)
{
    return form.findChild<THintLine*>()->text();
}

// A project whose drag bar title is aligned by `word`.
void WriteProjectAligned(const QString& path, const std::string& word)
{
    TEditorTestEnv::WriteProject(path, {{"Home", 0}},
                                 [&](TMenuDocument& document) { document.applet[pDragBar_TitleAlign] = word; });
}

std::string SavedField(const QString& path, int field)
{
    TMenuDocument document;
    TSilentStatus status;
    LoadProjectFile(LocalPath(path), document, status);
    return document.applet[field];
}

// A project of one item, "Home", opened with the item's pages shown.
void OpenHomeShown(TEditorTestEnv& env, TMainForm& form)
{
    env.WriteProject(env.Path("shop.tmz"), {{"Home", 0}});
    form.OpenActions().OpenProjectFile(env.Path("shop.tmz"));
    auto* tree = form.findChild<QTreeView*>("trvwDesignPanel");
    tree->setCurrentIndex(TNode::RootOf(tree).Child(0));
}

}  // namespace

class TestPageFaults : public QObject {
    Q_OBJECT
private slots:
    void theSeparatorTypedOrPastedLeavesThePreviousText()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->show();
        OpenHomeShown(env, *form);
        auto* caption = form->findChild<QLineEdit*>("edtICaption");
        caption->setFocus();
        caption->end(false);
        QTest::keyClicks(caption, "#$@");
        QCOMPARE(caption->text(), QString("Home#$"));
        QCOMPARE(form->Agent().Items()[0][ICaption], std::string("Home#$"));
        QVERIFY(Hint(*form).contains("#$@"));
        QVERIFY(env.prompts.shown.isEmpty());  // nothing in the way of the next key
        QTest::keyClicks(caption, " x");
        QCOMPARE(caption->text(), QString("Home#$ x"));

        QApplication::clipboard()->setText("a#$@b");
        caption->paste();
        QCOMPARE(caption->text(), QString("Home#$ x"));
        QCOMPARE(form->Agent().Items()[0][ICaption], std::string("Home#$ x"));
    }

    void aStoredWordTheListLacksIsSavedUnchanged()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        WriteProjectAligned(env.Path("right.tmz"), "Right");
        WriteProjectAligned(env.Path("odd.tmz"), "Justify");
        form->OpenActions().OpenProjectFile(env.Path("right.tmz"));
        form->OpenActions().OpenProjectFile(env.Path("odd.tmz"));
        auto* align = form->findChild<QComboBox*>("cmbxpDragBar_TitleAlign");
        QCOMPARE(align->currentIndex(), -1);  // shown as stored, not as the last project chose
        QCOMPARE(align->placeholderText(), QString("Justify"));
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(SavedField(env.Path("odd.tmz"), pDragBar_TitleAlign), std::string("Justify"));
        // A listed word is still chosen from the list.
        form->OpenActions().OpenProjectFile(env.Path("right.tmz"));
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(SavedField(env.Path("right.tmz"), pDragBar_TitleAlign), std::string("Right"));
    }

    void numbersOutOfRangeAreNamedWithTheirRange()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->show();
        auto* x = form->findChild<QSpinBox*>("spnedtpInitMenuX");
        QVERIFY(x);
        x->setFocus();
        x->selectAll();
        QTest::keyClicks(x, "99999");
        QCOMPARE(x->value(), 9999);
        QVERIFY2(Hint(*form).contains("from -9999 to 9999"), qPrintable(Hint(*form)));

        form->SetModified(false);
        OpenHomeShown(env, *form);
        auto* width = form->findChild<QSpinBox*>("spnedtpMenuWidth");
        QVERIFY(width);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, "0");
        QCOMPARE(form->Agent().Items()[0][pMenuWidth], std::string("0"));
        QVERIFY2(Hint(*form).contains("from 1 to 9999"), qPrintable(Hint(*form)));
        QVERIFY(env.prompts.shown.isEmpty());
    }

    void theTemplateChooserChoosesItsFirstTemplate()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QDir().mkpath(env.TemplatesFolder());
        for (const QString name : {"Blue.tmz", "Amber.tmz"})
            TEditorTestEnv::WriteProject(env.TemplatesFolder() + '/' + name, {{name, 0}});
        TfrmTemplet chooser(form->OpenActions(), *env.settings, env.prompts, env.TemplatesFolder());
        const QList<QListWidgetItem*> selected = chooser.findChild<QListWidget*>("TempletList")->selectedItems();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first()->text(), QString("Amber.tmz"));
        chooser.BitBtn1Click();
        QCOMPARE(ModelCaptions(*form), QStringList({"Amber.tmz"}));
    }

    void aFailedSaveNamesTheProjectAndForgetsTheFolder()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        const QString before = form->Folders().LastFolder(TFolderKind::Projects);
        // A file where the folder should be: nothing can be written in it, whoever runs the test.
        TEditorTestEnv::WriteBytes(env.Path("blocked"), "not a folder");
        env.prompts.fileNames.push_back(env.Path("blocked/crumb.tmz"));
        form->SaveActions().Save2Click();
        const QStringList texts = env.prompts.Texts();
        QVERIFY(!texts.filter("crumb.tmz could not be saved").isEmpty());
        QCOMPARE(form->Folders().LastFolder(TFolderKind::Projects), before);

        env.prompts.fileNames.push_back(env.Path("crumb.tmz"));
        form->SaveActions().Save2Click();
        QVERIFY(QFile::exists(env.Path("crumb.tmz")));
        QCOMPARE(QDir(form->Folders().LastFolder(TFolderKind::Projects)), QDir(env.Path("")));
    }

    void aGreyedMessageFollowsItsLinkThroughUndo()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->show();
        OpenHomeShown(env, *form);
        QCOMPARE(form->Agent().Items()[0][UseURLAsStatusBarMsg], std::string("1"));
        auto* url = form->findChild<QComboBox*>("cmbxpURL");
        auto* status = form->findChild<QLineEdit*>("edtpStatusMsg");
        QVERIFY(!status->isEnabled());
        url->setFocus();
        url->lineEdit()->selectAll();
        QTest::keyClicks(url, "a.html");
        QCOMPARE(status->text(), QString("a.html"));
        QVERIFY(form->SaveActions().Save1Click());  // the saved project holds the link as its status message too
        QTest::keyClicks(url, "x");
        QCOMPARE(status->text(), QString("a.htmlx"));
        form->findChild<QAction*>("Undo1")->trigger();
        QCOMPARE(url->currentText(), QString("a.html"));
        QCOMPARE(status->text(), QString("a.html"));
        form->findChild<QAction*>("Undo1")->trigger();
        QCOMPARE(url->currentText(), QString(""));
        QCOMPARE(status->text(), QString(""));
        form->SetModified(false);
    }

    void theLinkListOffersWorkingForms()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        auto* url = form->findChild<QComboBox*>("cmbxpURL");
        QCOMPARE(url->itemText(0), QString("https://"));
        QCOMPARE(url->findText("mailto:"), 2);
        QCOMPARE(url->findText("mailto://"), -1);
        QAction* saveAs = form->findChild<QAction*>("Save2");
        QCOMPARE(saveAs->shortcut(), QKeySequence("Ctrl+Shift+S"));
        const QString templateText = form->findChild<QAction*>("SaveAsTemplate1")->text();
        const auto mnemonic = [](const QString& text) { return text.at(text.indexOf('&') + 1).toLower(); };
        QVERIFY(mnemonic(saveAs->text()) != mnemonic(templateText));
    }
};

QTEST_MAIN(TestPageFaults)
#include "tst_pagefaults.moc"

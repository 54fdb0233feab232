// Help reached from the main window: every group's help button, the Help
// menu, the tool bar's Help button and the About box.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest/QtTest>

#include "helptable_expected.h"
#include "model/product.h"
#include "tst_mainform_env.h"
#include "ui/dialogs/about.h"
#include "ui/dialogs/helpwindow.h"

class TestHelpButtons : public QObject {
    Q_OBJECT
private slots:
    void everyHelpButtonShowsItsGroupsPage();
    void helpMenuAndToolButtonOpenTheIndexAndWebPages();
    void helpAndSamplesOpenInTheChosenBrowser();
    void webBrowserDialogOpensItsHelpWithF1AndHelp();
    void aboutBoxOpensTheMakersPages();
};

void TestHelpButtons::everyHelpButtonShowsItsGroupsPage()
{
    TEditorTestEnv env;
    auto form = env.MakeMainForm();
    form->show();
    QSet<QAbstractButton*> seen;
    for (const TExpectedHelpTopic& topic : kExpectedHelpButtons) {
        const auto buttons = form->findChildren<QAbstractButton*>(topic.button);
        QVERIFY2(buttons.size() == 1, topic.button);
        QAbstractButton* button = buttons.first();
        QCOMPARE(button->property("tag").toInt(), topic.tag);
        seen.insert(button);
        button->click();
        TfrmHelp* help = form->FormHelp();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->CurrentAddress(), QUrl::fromLocalFile(env.programFolder + "help/" + QString(topic.page)));
    }
    QCOMPARE(seen.size(), int(kExpectedHelpButtons.size()));
    // No other help button on the pages.
    QCOMPARE(form->MenuEditor().Pages()->findChildren<QToolButton*>(QRegularExpression("^SpeedButton")).size(),
             int(kExpectedHelpButtons.size()));
    // One help window for all of them.
    QCOMPARE(form->findChildren<TfrmHelp*>().size(), 1);
    QVERIFY(env.shell.openedUrls.isEmpty());
}

void TestHelpButtons::helpMenuAndToolButtonOpenTheIndexAndWebPages()
{
    TEditorTestEnv env;
    auto form = env.MakeMainForm();
    form->show();
    for (const char* name : {"Topic1", "ViewSample1", "Homepage1", "ContactUs1"}) {
        auto* action = form->findChild<QAction*>(name);
        QVERIFY2(action, name);
        action->trigger();
    }
    auto* toolButton = form->findChild<QToolButton*>("tlbtnHelp");
    QVERIFY(toolButton);
    toolButton->click();
    const QUrl index = QUrl::fromLocalFile(env.programFolder + "help/index.html");
    const QList<QUrl> expected = {index, QUrl::fromLocalFile(env.programFolder + "samples/index.html"),
                                  QUrl(kMakerWebAddress), QUrl(kMakerWebAddress), index};
    QCOMPARE(env.shell.openedUrls, expected);
    // The index opens outside the program: the help window stays as it was.
    QVERIFY(!form->FormHelp() || !form->FormHelp()->isVisible());
    QVERIFY(env.prompts.shown.isEmpty());
}

void TestHelpButtons::helpAndSamplesOpenInTheChosenBrowser()
{
    TEditorTestEnv env;
    env.settings->SaveBrowserChoice(false, false, true, -1, "/opt/mybrowser/run");
    auto form = env.MakeMainForm();
    form->findChild<QAction*>("Topic1")->trigger();
    form->findChild<QAction*>("ViewSample1")->trigger();
    const QList<QPair<QString, QString>> expected = {{"/opt/mybrowser/run", env.programFolder + "help/index.html"},
                                                     {"/opt/mybrowser/run", env.programFolder + "samples/index.html"}};
    QCOMPARE(env.shell.startedPrograms, expected);
    QVERIFY(env.shell.openedUrls.isEmpty());
    QVERIFY(env.prompts.shown.isEmpty());

    // A browser that does not start is reported, naming it and the page.
    env.shell.fails = true;
    form->findChild<QToolButton*>("tlbtnHelp")->click();
    QCOMPARE(env.prompts.Texts(), QStringList({"Could not start \"/opt/mybrowser/run\" to show the page \"" +
                                               env.programFolder + "help/index.html\"."}));
    env.prompts.Clear();
    env.settings->SaveBrowserChoice(true, false, false, -1, QString());
    form->findChild<QAction*>("ViewSample1")->trigger();
    QCOMPARE(env.prompts.Texts(), QStringList({"Could not start the default web browser to show the page \"" +
                                               env.programFolder + "samples/index.html\"."}));
}

void TestHelpButtons::webBrowserDialogOpensItsHelpWithF1AndHelp()
{
    TEditorTestEnv env;
    auto form = env.MakeMainForm();
    form->show();
    QStringList shown;
    env.OnNextDialog([&](QDialog& dialog) {
        auto* help = dialog.findChild<QPushButton*>("btnHelp");
        if (!help || !help->isVisibleTo(&dialog))
            return int(QDialog::Rejected);
        QTest::keyClick(dialog.findChild<QLineEdit*>("editSpecifiedBrowserFileName"), Qt::Key_F1);
        shown << form->FormHelp()->CurrentAddress().fileName();
        form->FormHelp()->hide();
        help->click();
        shown << (form->FormHelp()->isVisible() ? form->FormHelp()->CurrentAddress().fileName() : QString());
        return int(QDialog::Rejected);
    });
    form->findChild<QAction*>("WebBrowser1")->trigger();
    QCOMPARE(env.dialogsShown, QStringList({"formWebBrowser"}));
    QCOMPARE(shown, QStringList({kExpectedWebBrowserHelp.page, kExpectedWebBrowserHelp.page}));
}

void TestHelpButtons::aboutBoxOpensTheMakersPages()
{
    TEditorTestEnv env;
    auto form = env.MakeMainForm();
    QStringList texts;
    env.OnNextDialog([&](QDialog& dialog) {
        for (auto* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        dialog.show();
        QTest::mouseClick(dialog.findChild<QLabel*>("lblContact"), Qt::LeftButton);
        return int(QDialog::Accepted);
    });
    form->findChild<QAction*>("About1")->trigger();
    QCOMPARE(env.dialogsShown, QStringList{"formAbout"});
    QVERIFY(texts.contains(kProductName));
    QVERIFY(texts.contains("Version 1.0"));
    QCOMPARE(env.shell.openedUrls, QList<QUrl>{QUrl(MakerContactAddress())});
}

QTEST_MAIN(TestHelpButtons)
#include "tst_help_buttons.moc"

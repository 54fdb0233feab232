// The help window, the Help menu commands and the About box.

#include <QDialogButtonBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest/QtTest>

#include "helptable_expected.h"
#include "model/product.h"
#include "scriptedprompts.h"
#include "ui/dialogs/about.h"
#include "ui/actions/helpcommands.h"
#include "ui/dialogs/helpwindow.h"

namespace {

QString ProgramFolder()
{
    return QDir(TRELLIMENU_BIN_DIR).absolutePath() + "/";
}

QUrl HelpAddress(const QString& page)
{
    return QUrl::fromLocalFile(ProgramFolder() + "help/" + page);
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void helpButtonShowsItsPage_data();
    void helpButtonShowsItsPage();
    void tagsOutsideTheTableShowGettingStarted_data();
    void tagsOutsideTheTableShowGettingStarted();
    void secondButtonReplacesThePageInTheSameWindow();
    void closingOnlyHides();
    void missingPageIsExplainedInTheView();
    void everyLinkedHelpPageExists();
    void helpAskedFromAModalDialogCanBeUsed();
    void helpMenuOpensFilesAndWebPages();
    void aboutShowsProductAndOpensLinks();
};

void TestHelp::helpButtonShowsItsPage_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("page");
    for (const TExpectedHelpTopic& topic : kExpectedHelpButtons)
        QTest::newRow(topic.button) << topic.tag << QString(topic.page);
}

void TestHelp::helpButtonShowsItsPage()
{
    QFETCH(int, tag);
    QFETCH(QString, page);
    QWidget main;
    TfrmHelp help(ProgramFolder(), &main);
    QVERIFY(!help.isVisible());
    help.SpeedButton1Click(tag);
    QVERIFY(help.isVisible());
    QCOMPARE(help.CurrentAddress(), HelpAddress(page));
    auto* view = help.findChild<QTextBrowser*>("WebBrowser1");
    QVERIFY(view);
    QCOMPARE(view->source(), HelpAddress(page));
    QVERIFY(!view->toPlainText().trimmed().isEmpty());
}

void TestHelp::tagsOutsideTheTableShowGettingStarted_data()
{
    QTest::addColumn<int>("tag");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("32") << 32;
    QTest::newRow("1000") << 1000;
}

void TestHelp::tagsOutsideTheTableShowGettingStarted()
{
    QFETCH(int, tag);
    TfrmHelp help(ProgramFolder(), nullptr);
    help.SpeedButton1Click(tag);
    QCOMPARE(help.CurrentAddress(), HelpAddress("getting_started.htm"));
}

void TestHelp::secondButtonReplacesThePageInTheSameWindow()
{
    QWidget main;
    TfrmHelp help(ProgramFolder(), &main);
    help.SpeedButton1Click(20);
    const QString first = help.WebBrowser1()->toPlainText();
    help.SpeedButton1Click(21);
    QVERIFY(help.isVisible());
    QCOMPARE(help.CurrentAddress(), HelpAddress("customizing_js_menu_advanced_event_handlers.htm"));
    QVERIFY(help.WebBrowser1()->toPlainText() != first);
    QCOMPARE(main.findChildren<TfrmHelp*>().size(), 1);
}

void TestHelp::closingOnlyHides()
{
    QWidget main;
    auto* help = new TfrmHelp(ProgramFolder(), &main);
    QPointer<TfrmHelp> alive(help);
    help->SpeedButton1Click(5);
    help->close();
    QVERIFY(alive);
    QVERIFY(!help->isVisible());
    QCOMPARE(help->CurrentAddress(), HelpAddress("customizing_js_menu_items_font_settings.htm"));
    help->SpeedButton1Click(6);
    QVERIFY(help->isVisible());

    // Escape closes it the same way, wherever the focus is.
    QTest::keyClick(help->WebBrowser1(), Qt::Key_Escape);
    QVERIFY(alive);
    QVERIFY(!help->isVisible());
    QCOMPARE(help->CurrentAddress(), HelpAddress("customizing_js_menu_items_separator.htm"));
}

void TestHelp::missingPageIsExplainedInTheView()
{
    QTemporaryDir empty;
    TfrmHelp help(empty.path() + "/", nullptr);
    help.SpeedButton1Click(3);
    const QString page = "customizing_js_menu_menu_delay_open_close_submenu.htm";
    QCOMPARE(help.CurrentAddress(), QUrl::fromLocalFile(empty.path() + "/help/" + page));
    const QString shown = help.WebBrowser1()->toPlainText();
    QVERIFY2(shown.contains("not found"), qPrintable(shown));
    QVERIFY2(shown.contains(page), qPrintable(shown));
}

// The editor's help table holds exactly the expected rows, every page they
// name and every page the help pages link to ships, and the contents page
// reaches every group's page.
void TestHelp::everyLinkedHelpPageExists()
{
    const QDir helpDir(ProgramFolder() + "help");
    int count = 0;
    const THelpTopic* topics = HelpTopics(&count);
    std::vector<TExpectedHelpTopic> table(kExpectedHelpButtons.begin(), kExpectedHelpButtons.end());
    table.push_back(kExpectedWebBrowserHelp);
    QCOMPARE(count, int(table.size()));
    QStringList pages;
    for (int i = 0; i < count; ++i) {
        const TExpectedHelpTopic& expected = table[size_t(i)];
        QCOMPARE(topics[i].tag, expected.tag);
        QCOMPARE(QString(topics[i].button), QString(expected.button));
        QCOMPARE(QString(topics[i].page), QString(expected.page));
        QCOMPARE(HelpPageForTag(expected.tag), QString(expected.page));
        QCOMPARE(HelpButtonName(expected.tag), QString(expected.button));
        pages << expected.page;
    }
    QCOMPARE(QString(kHelpFallbackPage), QString("getting_started.htm"));
    pages << "index.html" << "getting_started.htm";

    const QRegularExpression href(R"(href="([^"#:]+)(#[^"]*)?")");
    QSet<QString> linked;
    QSet<QString> fromIndex;
    for (const QString& page : std::as_const(pages)) {
        QFile file(helpDir.filePath(page));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable("missing help page " + page));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains("href=\"index.html\"") || page == "index.html", qPrintable(page));
        for (auto it = href.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            linked.insert(target);
            if (page == "index.html")
                fromIndex.insert(target);
        }
    }
    for (const QString& target : std::as_const(linked))
        QVERIFY2(helpDir.exists(target), qPrintable("broken help link " + target));
    for (const TExpectedHelpTopic& expected : table)
        QVERIFY2(fromIndex.contains(expected.page), expected.page);
}

void TestHelp::helpAskedFromAModalDialogCanBeUsed()
{
    QWidget main;
    main.show();
    TfrmHelp help(ProgramFolder(), &main);
    help.SpeedButton1Click(2);
    QCOMPARE(help.windowModality(), Qt::NonModal);

    QDialog dialog(&main);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QCOMPARE(QGuiApplication::modalWindow(), dialog.windowHandle());
    // Shown while the dialog blocks everything else, the help comes on top of it.
    help.SpeedButton1Click(45);
    QVERIFY(help.isVisible());
    QCOMPARE(help.CurrentAddress(), HelpAddress("option_web_browser.htm"));
    QCOMPARE(QGuiApplication::modalWindow(), help.windowHandle());
    // Escape hands the dialog back.
    QTest::keyClick(help.WebBrowser1(), Qt::Key_Escape);
    QVERIFY(!help.isVisible());
    QCOMPARE(QGuiApplication::modalWindow(), dialog.windowHandle());

    // With the dialog gone, the help blocks nothing.
    dialog.hide();
    help.SpeedButton1Click(3);
    QVERIFY(help.isVisible());
    QCOMPARE(help.windowModality(), Qt::NonModal);
    QVERIFY(!QGuiApplication::modalWindow());
}

void TestHelp::helpMenuOpensFilesAndWebPages()
{
    TRecordingShell shell;
    TScriptedPrompts prompts;
    QStringList launched;
    TBrowserLaunch result{true, "Firefox (/usr/bin/firefox)"};
    THelpCommands commands(shell, "/opt/menus/", [&](const QString& folder, const QString& file) {
        launched << folder + file;
        return result;
    }, prompts);
    commands.Topic1Click();
    commands.ViewSample1Click();
    commands.Homepage1Click();
    commands.ContactUs1Click();
    // The help and the samples go to the chosen browser, the maker's pages to the default one.
    QCOMPARE(launched, QStringList({"/opt/menus/help/index.html", "/opt/menus/samples/index.html"}));
    QCOMPARE(shell.openedUrls, (QList<QUrl>{QUrl(kMakerWebAddress), QUrl(kMakerWebAddress)}));
    QVERIFY(prompts.shown.isEmpty());
    QVERIFY(QFile::exists(ProgramFolder() + "help/index.html"));

    // A browser that does not start is named, with the page.
    result.started = false;
    commands.ViewSample1Click();
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].kind, QString("error"));
    QCOMPARE(prompts.shown[0].text,
             QString("Could not start Firefox (/usr/bin/firefox) to show the page \"/opt/menus/samples/index.html\"."));
}

void TestHelp::aboutShowsProductAndOpensLinks()
{
    TRecordingShell shell;
    TformAbout about(shell);
    QStringList texts;
    for (auto* label : about.findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains("Trellimenu 2006"));
    QVERIFY(texts.contains("Version 1.0"));
    QVERIFY(texts.contains(kCopyrightNotice));

    auto* home = about.findChild<QLabel*>("lblHomepage");
    auto* contact = about.findChild<QLabel*>("lblContact");
    QVERIFY(home && contact);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(home, Qt::LeftButton);
    QTest::mouseClick(contact, Qt::LeftButton);
    QCOMPARE(shell.openedUrls, (QList<QUrl>{QUrl(kMakerWebAddress), QUrl(MakerContactAddress())}));
    QCOMPARE(QUrl(MakerContactAddress()).host(), QUrl(kMakerWebAddress).host());

    // Under the pointer the link turns red, and back when the pointer leaves.
    QVERIFY(!home->styleSheet().contains("red"));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(home, &enter);
    QVERIFY(home->styleSheet().contains("red"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(home, &leave);
    QVERIFY(!home->styleSheet().contains("red"));

    auto* ok = about.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"

// The item pages: what a selected item shows, what is stored back, the rules
// that follow the node's place, and a whole menu saved and opened again.

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "files/pathtofileurl.h"
#include "files/projectfile.h"
#include "legibility.h"
#include "tst_menueditor_host.h"

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

// Drawn silver, as a box that is not in use.
bool Silver(QWidget* w)
{
    return QColor(DrawnText(w).background) == kSilver;
}

}  // namespace

class TestItemPages : public QObject {
    Q_OBJECT

private slots:
    void newItemShowsTheNewItemValues();
    void captionIsTrimmedInBoxNodeAndRecord();
    void storeTrimsTextsAndBlanksUneditedFields();
    void clearingTheCaptionEmptiesTheNode();
    void rulesFollowSiblingsAndChildren();
    void separatorGreysTheTextsAndMarks();
    void messageChecksGreyTheBoxTheyReplace();
    void urlBrowseGivesTheDriveForm();
    void fileLinks_data();
    void fileLinks();
    void urlBrowseLinksRelativelyInsideTheProjectFolder();
    void typedSeparatorInStatusMessageIsRefused();
    void pastedLineBreaksBecomeBlanks();
    void badNumberShowsAnErrorAndMixesNoItems();
    void badNumberNamesTheControlAsThePageShowsIt();
    void wholeMenuSurvivesSaveAndOpen();
};

void TestItemPages::newItemShowsTheNewItemValues()
{
    TEditorRig rig;
    rig.editor.InsertAction()->trigger();
    rig.Select(rig.Root().Child(0));
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("Item"));
    QCOMPARE(rig.Control<QComboBox>("cmbxpTarget")->currentText(), QString("_self"));
    QCOMPARE(rig.Control<QComboBox>("cmbxpURL")->currentText(), QString());
    QCOMPARE(rig.Control<QSpinBox>("spnedtpMenuWidth")->value(), 120);
    QCOMPARE(rig.Control<QSpinBox>("spnedtpImageLeft")->value(), 105);
    QCOMPARE(rig.Control<QSpinBox>("spnedtpImageTop")->value(), 4);
    QVERIFY(!rig.Control<QCheckBox>("chckbxpSeparator")->isChecked());
    QVERIFY(rig.Control<QCheckBox>("chckbxUseURLAsStatusBarMsg")->isChecked());
    QVERIFY(!rig.Control<QCheckBox>("chckbxUseStatusMsgAsPopDescMsg")->isChecked());
    auto* status = rig.Control<QLineEdit>("edtpStatusMsg");
    QVERIFY(!status->isEnabled());
    QVERIFY(Silver(status));
    QVERIFY(rig.Control<QLineEdit>("edtpPopDescText")->isEnabled());
    QCOMPARE(rig.editor.Pages()->tabText(rig.editor.Pages()->currentIndex()), QString("Item"));
}

void TestItemPages::captionIsTrimmedInBoxNodeAndRecord()
{
    TEditorRig rig;
    rig.editor.InsertAction()->trigger();
    TItemData item = rig.host.agent.GetItem(0);
    item[ICaption] = "  Home  ";
    rig.host.document.NormalizeItem(0, item);
    TNode node = rig.Root().Child(0);
    rig.Select(node);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("Home"));
    QCOMPARE(node.Text(), QString("Home"));
    rig.Select(rig.Root());
    QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("Home"));

    // The box already shows "Home" when the next item, read with blanks
    // around the same caption, is selected: its node is trimmed all the same.
    rig.editor.InsertAction()->trigger();
    TItemData second = rig.host.agent.GetItem(1);
    second[ICaption] = "  Home  ";
    rig.host.document.NormalizeItem(1, second);
    TNode secondNode = rig.Root().Child(1);
    rig.Select(node);
    rig.Select(secondNode);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("Home"));
    QCOMPARE(secondNode.Text(), QString("Home"));
}

void TestItemPages::storeTrimsTextsAndBlanksUneditedFields()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Add(rig.Root(), "B");
    TItemData item = rig.host.agent.GetItem(0);
    item[pItemReserved5] = "left over";
    item[pHasChildren] = "1";
    rig.host.document.NormalizeItem(0, item);
    rig.Select(a);
    rig.Control<QComboBox>("cmbxpURL")->setEditText(" pages/about.html ");
    rig.Control<QComboBox>("cmbxpTarget")->setEditText(" _top ");
    rig.Control<QCheckBox>("chckbxUseURLAsStatusBarMsg")->click();
    rig.Control<QLineEdit>("edtpStatusMsg")->setText("  status ");
    rig.Control<QLineEdit>("edtpPopDescText")->setText(" pop ");
    rig.Select(rig.Root().Child(1));
    const TItemData stored = rig.host.agent.GetItem(0);
    QCOMPARE(stored[pURL], std::string("pages/about.html"));
    QCOMPARE(stored[pTarget], std::string("_top"));
    QCOMPARE(stored[pStatusMsg], std::string("status"));
    QCOMPARE(stored[pPopDescText], std::string("pop"));
    QCOMPARE(stored[UseURLAsStatusBarMsg], std::string("0"));
    QCOMPARE(stored[pItemReserved5], std::string());
    QCOMPARE(stored[pHasChildren], std::string());
    QCOMPARE(stored[pLevel], std::string("0"));  // the item keeps its place in the tree
}

void TestItemPages::clearingTheCaptionEmptiesTheNode()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    rig.Control<QLineEdit>("edtICaption")->clear();
    QCOMPARE(a.Text(), QString());
    rig.Select(rig.Root());
    QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string());
}

void TestItemPages::rulesFollowSiblingsAndChildren()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    TNode b = rig.Add(rig.Root(), "B");
    TNode c = rig.Add(rig.Root(), "C");
    rig.Add(b, "B1");
    auto* separator = rig.Control<QCheckBox>("chckbxpSeparator");
    auto* width = rig.Control<QSpinBox>("spnedtpMenuWidth");
    auto* x = rig.Control<QSpinBox>("spnedtpImageLeft");
    auto* y = rig.Control<QSpinBox>("spnedtpImageTop");
    const struct { TNode node; bool separator, width, image; } cases[] = {
        {a, true, true, false},   // first of several, no submenu
        {b, false, false, true},  // has a submenu
        {c, false, false, false}, // last of its menu
    };
    for (const auto& k : cases) {
        rig.Select(k.node);
        QCOMPARE(separator->isEnabled(), k.separator);
        QCOMPARE(width->isEnabled(), k.width);
        QCOMPARE(x->isEnabled(), k.image);
        QCOMPARE(y->isEnabled(), k.image);
    }
    // The second item's width is stored whatever the disabled box holds.
    rig.Select(b);
    width->setValue(333);
    rig.Select(rig.Root());
    QCOMPARE(rig.host.agent.GetItem(1)[pMenuWidth], std::string("333"));
}

void TestItemPages::separatorGreysTheTextsAndMarks()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Add(rig.Root(), "B");
    rig.Select(a);
    rig.Control<QCheckBox>("chckbxUseURLAsStatusBarMsg")->click();
    rig.Control<QComboBox>("cmbxpURL")->setEditText("index.html");
    rig.Control<QLineEdit>("edtpStatusMsg")->setText("Our home");
    rig.Control<QLineEdit>("edtpPopDescText")->setText("Start here");
    rig.host.modified = false;
    rig.Control<QCheckBox>("chckbxpSeparator")->click();
    QVERIFY(rig.host.modified);
    rig.ShowPageOf(rig.Control<QWidget>("edtICaption"));
    for (const char* name : {"edtICaption", "cmbxpURL", "cmbxpTarget", "edtpStatusMsg", "edtpPopDescText"}) {
        QWidget* box = rig.Control<QWidget>(name);
        QVERIFY2(!box->isEnabled(), name);
        // Silver, and the value it keeps can still be read.
        const TDrawnText drawn = DrawnText(box);
        QVERIFY2(QColor(drawn.background) == kSilver, name);
        QVERIFY2(drawn.contrast >= 4.5, qPrintable(QString("%1: %2:1").arg(name).arg(drawn.contrast)));
    }
    for (const char* name : {"chckbxUseURLAsStatusBarMsg", "chckbxUseStatusMsgAsPopDescMsg", "spdbtnItURL"})
        QVERIFY2(!rig.Control<QWidget>(name)->isEnabled(), name);
    // The greyed caption keeps its text and is stored.
    rig.Select(rig.Root());
    QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("A"));
    QCOMPARE(rig.host.agent.GetItem(0)[pSeparator], std::string("1"));

    rig.Select(a);
    rig.Control<QCheckBox>("chckbxpSeparator")->click();
    QVERIFY(rig.Control<QLineEdit>("edtICaption")->isEnabled());
    QVERIFY(!Silver(rig.Control<QLineEdit>("edtICaption")));
}

void TestItemPages::messageChecksGreyTheBoxTheyReplace()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    auto* status = rig.Control<QLineEdit>("edtpStatusMsg");
    auto* pop = rig.Control<QLineEdit>("edtpPopDescText");
    rig.Control<QCheckBox>("chckbxUseURLAsStatusBarMsg")->click();
    QVERIFY(status->isEnabled());
    rig.Control<QCheckBox>("chckbxUseStatusMsgAsPopDescMsg")->click();
    QVERIFY(!pop->isEnabled());
    QVERIFY(Silver(pop));
}

void TestItemPages::urlBrowseGivesTheDriveForm()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    rig.host.modified = false;
    rig.host.prompts.fileNames.push_back("D:\\site\\page.htm");
    rig.Control<QToolButton>("spdbtnItURL")->click();
    QCOMPARE(rig.host.prompts.shown[0].text, QString("HTML files (*.htm *.html);;Any file (*)"));
    QCOMPARE(rig.Control<QComboBox>("cmbxpURL")->currentText(), QString("file:///D|/site/page.htm"));
    QVERIFY(rig.host.modified);
    rig.host.prompts.fileNames.push_back(QString());
    rig.Control<QToolButton>("spdbtnItURL")->click();
    QCOMPARE(rig.Control<QComboBox>("cmbxpURL")->currentText(), QString("file:///D|/site/page.htm"));
    QCOMPARE(rig.host.prompts.shown.size(), 2);

    // A chosen file whose link would hold the field separator is refused like
    // typed text (a file URL escapes the "#", the old drive form does not):
    // the box keeps its link, and a hint says why.
    rig.host.prompts.Clear();
    rig.host.prompts.fileNames.push_back("D:\\web\\a#$@b.html");
    rig.Control<QToolButton>("spdbtnItURL")->click();
    QCOMPARE(rig.Control<QComboBox>("cmbxpURL")->currentText(), QString("file:///D|/site/page.htm"));
    QCOMPARE(rig.host.prompts.shown.size(), 1);  // the file dialog only
    QCOMPARE(rig.host.hints.last(), QString("The text can't include \"#$@\", it is used by system!"));
    rig.Select(rig.Root());
    QCOMPARE(rig.host.agent.GetItem(0)[pURL], std::string("file:///D|/site/page.htm"));
}

void TestItemPages::fileLinks_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("projectFolder");  // "" for an untitled project
    QTest::addColumn<QString>("link");
    // Drive paths keep the form older menus hold.
    QTest::newRow("drive, untitled") << "C:\\Program Files\\Menus\\a.htm" << "" << "file:///C|/Program Files/Menus/a.htm";
    QTest::newRow("drive, inside") << "C:\\Sites\\Menu\\sub\\p.htm" << "c:\\sites\\menu\\" << "sub/p.htm";
    QTest::newRow("drive, other drive") << "D:\\Menu\\p.htm" << "C:\\Menu" << "file:///D|/Menu/p.htm";
    // POSIX paths give proper file URLs: three slashes, not four.
    QTest::newRow("untitled") << "/home/ann/page.html" << "" << "file:///home/ann/page.html";
    QTest::newRow("outside") << "/home/ann/other/page.html" << "/home/ann/site" << "file:///home/ann/other/page.html";
    QTest::newRow("a sibling sharing the prefix") << "/home/ann/site2/p.html" << "/home/ann/site" << "file:///home/ann/site2/p.html";
    QTest::newRow("above") << "/home/ann/p.html" << "/home/ann/site/" << "file:///home/ann/p.html";
    QTest::newRow("escapes") << "/srv/100%/a b#1?.html" << "" << "file:///srv/100%25/a b%231%3F.html";
    // Inside the project's folder or below: relative, "/" separated.
    QTest::newRow("beside the project") << "/home/ann/site/page.html" << "/home/ann/site" << "page.html";
    QTest::newRow("below, folder with separator") << "/home/ann/site/sub/deep/p.html" << "/home/ann/site/" << "sub/deep/p.html";
    QTest::newRow("dots resolved") << "/home/ann/site/./sub/../p.html" << "/home/ann/site" << "p.html";
    QTest::newRow("relative escapes") << "/home/ann/site/a b#c.html" << "/home/ann/site" << "a b%23c.html";
    QTest::newRow("colon not read as a scheme") << "/home/ann/site/mailto:x.html" << "/home/ann/site" << "./mailto:x.html";
}

void TestItemPages::fileLinks()
{
    QFETCH(QString, file);
    QFETCH(QString, projectFolder);
    QFETCH(QString, link);
    QCOMPARE(QString::fromStdString(LinkToLocalFile(file.toStdString(), projectFolder.toStdString())), link);
}

void TestItemPages::urlBrowseLinksRelativelyInsideTheProjectFolder()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    QTemporaryDir disk;
    const QString site = disk.path() + "/site";
    QVERIFY(QDir().mkpath(site + "/news"));
    QFile page(site + "/news/today.html");
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    auto* url = rig.Control<QComboBox>("cmbxpURL");
    const auto browse = [&](const QString& chosen) {
        rig.host.prompts.fileNames.push_back(chosen);
        rig.Control<QToolButton>("spdbtnItURL")->click();
        return url->currentText();
    };

    // Untitled: no folder to be relative to.
    QCOMPARE(browse(site + "/news/today.html"), "file://" + site + "/news/today.html");
    rig.host.document.SetFileName(site + "/menu.tmz");
    QCOMPARE(browse(site + "/news/today.html"), QString("news/today.html"));
    QCOMPARE(browse(disk.path() + "/elsewhere.html"), "file://" + disk.path() + "/elsewhere.html");
    // The same folder reached through a link is still the project's folder.
    QVERIFY(QFile::link(site, disk.path() + "/link-to-site"));
    QCOMPARE(browse(disk.path() + "/link-to-site/news/today.html"), QString("news/today.html"));
    rig.host.document.SetFileName(disk.path() + "/link-to-site/menu.tmz");
    QCOMPARE(browse(site + "/news/today.html"), QString("news/today.html"));

    rig.Select(rig.Root());
    QCOMPARE(rig.host.agent.GetItem(0)[pURL], std::string("news/today.html"));
}

void TestItemPages::typedSeparatorInStatusMessageIsRefused()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    rig.Control<QCheckBox>("chckbxUseURLAsStatusBarMsg")->click();
    for (const char* name : {"edtpStatusMsg", "edtICaption"}) {
        rig.host.prompts.Clear();
        auto* box = rig.Control<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, "a#$@");
        QCOMPARE(box->text(), QString("a#$"));
        QVERIFY(rig.host.prompts.shown.isEmpty());
        QCOMPARE(rig.host.hints.last(), QString("The text can't include \"#$@\", it is used by system!"));
    }
    QCOMPARE(a.Text(), QString("a#$"));
    rig.host.hints.clear();
    QTest::keyClicks(rig.Control<QComboBox>("cmbxpURL")->lineEdit(), "x#$@");
    QCOMPARE(rig.Control<QComboBox>("cmbxpURL")->currentText(), QString("x#$"));
    QCOMPARE(rig.host.hints.size(), 1);
}

void TestItemPages::pastedLineBreaksBecomeBlanks()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    QGuiApplication::clipboard()->setText("one\r\ntwo\rthree\nfour");
    auto* caption = rig.Control<QLineEdit>("edtICaption");
    caption->clear();
    caption->paste();
    QCOMPARE(caption->text(), QString("one two three four"));
    QCOMPARE(a.Text(), QString("one two three four"));
    auto* url = rig.Control<QComboBox>("cmbxpURL");
    url->clearEditText();
    url->lineEdit()->paste();
    QCOMPARE(url->currentText(), QString("one two three four"));
    auto* title = rig.Control<QLineEdit>("edtpDragBar_Title");
    title->paste();
    QCOMPARE(title->text(), QString("one two three four"));

    // What reaches the records holds no line break to split a file line.
    rig.editor.ApplyGatherRules();
    QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("one two three four"));
    QCOMPARE(rig.host.agent.GetItem(0)[pURL], std::string("one two three four"));
    QCOMPARE(rig.host.agent.GetAppletData()[pDragBar_Title], std::string("one two three four"));
}

void TestItemPages::badNumberShowsAnErrorAndMixesNoItems()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    TNode bad = rig.Add(rig.Root(), "Bad");
    TNode c = rig.Add(rig.Root(), "C");
    TItemData damaged = rig.host.agent.GetItem(1);
    damaged[pMenuWidth] = "wide";
    rig.host.document.NormalizeItem(1, damaged);

    rig.Select(a);
    rig.Control<QLineEdit>("edtpPopDescText")->setText("A's pop-up");
    rig.Select(bad);
    QCOMPARE(rig.host.prompts.shown.size(), 1);
    QCOMPARE(rig.host.prompts.shown[0].kind, QString("error"));
    QCOMPARE(rig.host.prompts.shown[0].text, QString("'wide' is not a valid integer value (Item Misc > Menu Size > Menu Width)"));
    QCOMPARE(bad.Text(), QString("Bad"));
    QVERIFY(!rig.editor.Pages()->widget(7)->isEnabled());
    QVERIFY(rig.editor.DeleteAction()->isEnabled());

    rig.Select(c);
    rig.editor.ApplyGatherRules();
    QCOMPARE(rig.host.agent.GetItem(0)[pPopDescText], std::string("A's pop-up"));
    QCOMPARE(rig.host.agent.GetItem(1), damaged);
    QCOMPARE(rig.host.agent.GetItem(2)[ICaption], std::string("C"));
    QCOMPARE(rig.host.agent.GetItem(2)[pPopDescText], std::string());
    QVERIFY(rig.editor.Pages()->widget(7)->isEnabled());
}

void TestItemPages::badNumberNamesTheControlAsThePageShowsIt()
{
    const QList<QPair<int, QString>> rows = {
        {pMenuWidth, "Item Misc > Menu Size > Menu Width"},
        {pImageLeft, "Item Misc > Submenu Arrow Indicator Position > Image X"},
        {pImageTop, "Item Misc > Submenu Arrow Indicator Position > Y"},
    };
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    TNode b = rig.Add(rig.Root(), "B");
    const TItemData good = rig.host.agent.GetItem(0);
    for (const auto& [field, where] : rows) {
        TItemData item = good;
        item[field] = "1O";
        rig.host.document.NormalizeItem(0, item);
        rig.Select(b);
        rig.host.prompts.Clear();
        rig.Select(a);
        QCOMPARE(rig.host.prompts.Texts(), QStringList({"'1O' is not a valid integer value (" + where + ")"}));
    }
}

void TestItemPages::wholeMenuSurvivesSaveAndOpen()
{
    TEditorRig rig;
    QVERIFY(rig.editor.RefreshMenuPages());
    rig.Control<QSpinBox>("spnedtpSlideStep")->setValue(33);
    rig.Control<QLineEdit>("edtpDragBar_Title")->setText("Hello there");
    rig.Control<QComboBox>("cmbxpPopDescBorderStyle")->setCurrentText("groove");
    TNode home = rig.Add(rig.Root(), "Home");
    TNode products = rig.Add(rig.Root(), "Products");
    TNode tools = rig.Add(products, "Tools");
    rig.Add(tools, "Hammers");
    rig.Add(products, "-");
    rig.Add(products, "Gadgets");
    rig.Add(rig.Root(), "Contact");
    rig.Select(home);
    rig.Control<QComboBox>("cmbxpURL")->setEditText("index.html");
    rig.Control<QComboBox>("cmbxpTarget")->setEditText("_blank");
    rig.Control<QSpinBox>("spnedtpMenuWidth")->setValue(150);
    rig.Select(products.Child(1));
    rig.Control<QCheckBox>("chckbxpSeparator")->click();
    QVERIFY(rig.Control<QCheckBox>("chckbxpSeparator")->isChecked());
    rig.Select(tools);
    rig.Control<QSpinBox>("spnedtpImageLeft")->setValue(90);
    rig.Control<QSpinBox>("spnedtpImageTop")->setValue(-3);
    rig.Control<QCheckBox>("chckbxUseURLAsStatusBarMsg")->click();
    rig.Control<QLineEdit>("edtpStatusMsg")->setText("All the tools");

    // What Save does before writing: gather.
    rig.editor.ApplyGatherRules();
    const QString path = rig.host.scratch.filePath("menu.tmz");
    TSilentStatus status;
    SaveProjectFile(rig.host.agent.Document(), path.toStdString(), status);
    const TAppletData savedApplet = rig.host.agent.GetAppletData();
    const TItemArray savedItems = rig.host.agent.Items();

    TEditorRig reopened;
    TMenuDocument read;
    QVERIFY(LoadProjectFile(path.toStdString(), read, status).Accepted());
    reopened.host.document.Replace(std::move(read));
    QVERIFY(reopened.editor.PagesShowDocument());

    QCOMPARE(reopened.TreeCaptions(), QStringList({"Home", "Products", "Tools", "Hammers", "-", "Gadgets", "Contact"}));
    for (int field = 0; field < kAppletFieldCount; ++field) {
        if (IsCarriedByProjectFile(field))
            QCOMPARE(reopened.host.agent.GetAppletData()[field], savedApplet[field]);
    }
    QCOMPARE(reopened.host.agent.Items(), savedItems);
    QCOMPARE(savedItems[4][pSeparator], std::string("1"));
    QCOMPARE(savedItems[0][pMenuWidth], std::string("150"));

    // The pages of the reopened menu give back what the first one gathered.
    reopened.editor.ApplyGatherRules();
    QCOMPARE(reopened.host.agent.GetAppletData(), savedApplet);
    TNode reopenedTools = reopened.Root().Child(1).Child(0);
    reopened.Select(reopenedTools);
    QCOMPARE(reopened.Control<QLineEdit>("edtpStatusMsg")->text(), QString("All the tools"));
    QCOMPARE(reopened.Control<QSpinBox>("spnedtpImageTop")->value(), -3);
    reopened.Select(reopened.Root());
    TItemData expected = savedItems[2];
    for (int field : {pHasChildren, pSiblingPosition, pIsFirstItem})
        expected[field] = "";
    QCOMPARE(reopened.host.agent.GetItem(2), expected);
}

QTEST_MAIN(TestItemPages)
#include "tst_itempages.moc"

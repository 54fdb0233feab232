// The Layout page in the main window: its edits are steps of the document's
// history, the page and the greyed settings follow the document both ways,
// and saving keeps files as they were where nothing really changed.
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QUndoStack>

#include "tst_mainform_env.h"
#include "ui/pages/colorswatch.h"

namespace {

QStringList Entries(const TMenuDocument& document)
{
    QStringList entries;
    for (const TExtendedValue& e : document.extended.Entries())
        entries << QString::fromStdString(e.name + "=" + e.value);
    return entries;
}

// A one-item project written by the core with these extended lines, as read.
void WriteProjectWith(const QString& path, const QList<std::pair<std::string, std::string>>& lines,
                      const std::string& initMenuX = "10")
{
    TEditorTestEnv::WriteProject(path, {{"Home", 0}}, [&](TMenuDocument& document) {
        document.applet[pInitMenuX] = initMenuX;
        for (const auto& [name, value] : lines)
            document.extended.AddAsRead(name, value);
    });
}

// The settings a menu in the page's flow does not use, and the bar's own.
const QStringList kFloatingOnly = {"spnedtpInitMenuX", "spnedtpInitMenuY", "chckbxpDragBarEnabled",
                                   "edtpDragBar_Title", "pnlpDragBar_BGColor", "cmbxpMenuScrollType",
                                   "chckbxpSnapEnabled", "spnedtpSnapDistance"};
const QStringList kBarOnly = {"cmbxBarWidth", "cmbxBarAlign", "chckbxSticky"};
const QStringList kEveryLayout = {"spnedtPhoneBelow", "pnlDarkItemBGColor", "spnedtpSlideStep", "pnlpItemNoColor"};

}  // namespace

class TestLayoutPage : public QObject {
    Q_OBJECT

    TEditorTestEnv env;
    std::unique_ptr<TMainForm> form;

    template <class T>
    T* Control(const char* name) const
    {
        T* control = form->MenuEditor().Pages()->findChild<T*>(name);
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QComboBox* LayoutList() const { return Control<QComboBox>("cmbxLayout"); }
    QUndoStack& Stack() const { return form->Document().UndoStack(); }
    const TMenuDocument& Document() const { return form->Document().Document(); }
    void ShowLayoutPage()
    {
        QTabWidget* tabs = form->MenuEditor().Pages();
        tabs->setCurrentWidget(tabs->findChild<QWidget*>("tbshtLayout"));
        LayoutList()->setFocus();
    }
    // Which of the layout-dependent controls can be used; the others are greyed.
    QStringList UsableOfAll() const
    {
        QStringList usable;
        for (const QString& name : kFloatingOnly + kBarOnly + kEveryLayout) {
            if (Control<QWidget>(qPrintable(name))->isEnabled())
                usable << name;
        }
        return usable;
    }

private slots:
    void init()
    {
        form = env.MakeMainForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form->SetModified(false);
        form.reset();
    }

    void choosingBarIsOneStepThatCtrlZTakesBack()
    {
        ShowLayoutPage();
        QCOMPARE(LayoutList()->currentText(), QString("Floating"));
        QTest::keyClick(LayoutList(), Qt::Key_Down);
        QCOMPARE(LayoutList()->currentText(), QString("Bar"));
        QCOMPARE(Stack().count(), 1);
        QCOMPARE(Stack().undoText(), QString("Change 'Layout'"));
        QCOMPARE(Entries(Document()), QStringList{"Layout=Bar"});

        QTest::keyClick(LayoutList(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Stack().index(), 0);
        QCOMPARE(Entries(Document()), QStringList());
        QCOMPARE(LayoutList()->currentText(), QString("Floating"));
        QTest::keyClick(LayoutList(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(LayoutList()->currentText(), QString("Bar"));

        // Typing a width is one step however many keys it takes; the default takes it out.
        auto* phone = Control<QSpinBox>("spnedtPhoneBelow");
        phone->setFocus();
        phone->selectAll();
        QTest::keyClicks(phone, "480");
        QCOMPARE(Stack().count(), 2);
        QCOMPARE(Entries(Document()), (QStringList{"Layout=Bar", "PhoneBelow=480"}));
        QTest::keyClick(phone, Qt::Key_Tab);
        phone->setFocus();
        phone->selectAll();
        QTest::keyClicks(phone, "640");
        QCOMPARE(Stack().count(), 3);
        QCOMPARE(Entries(Document()), QStringList{"Layout=Bar"});
        Stack().undo();
        QCOMPARE(phone->value(), 480);
    }

    void barThenFloatingAgainSavesTheProjectByteForByte()
    {
        const QString golden = QStringLiteral(TRELLIMENU_TEST_DATA) + "/session/first/";
        const QString project = env.Path("menu.tmz");
        QVERIFY(QFile::copy(golden + "menu.tmz", project));
        form->OpenActions().OpenProjectFile(project);
        ShowLayoutPage();
        QTest::keyClick(LayoutList(), Qt::Key_Down);
        QCOMPARE(Entries(Document()), QStringList{"Layout=Bar"});
        QTest::keyClick(LayoutList(), Qt::Key_Up);
        QCOMPARE(Stack().count(), 2);
        QVERIFY(form->SaveActions().Save1Click());
        QCOMPARE(TEditorTestEnv::ReadBytes(project), TEditorTestEnv::ReadBytes(golden + "menu.tmz"));
        QCOMPARE(TEditorTestEnv::ReadBytes(env.Path("tmzcfg.js")), TEditorTestEnv::ReadBytes(golden + "tmzcfg.js"));
    }

    void greyingFollowsTheLayoutBothWays()
    {
        const QStringList floating = kFloatingOnly + kEveryLayout;
        const QStringList bar = kBarOnly + kEveryLayout;
        const QStringList sidebar = kEveryLayout;
        QCOMPARE(UsableOfAll(), floating);
        LayoutList()->setCurrentIndex(1);
        QCOMPARE(UsableOfAll(), bar);
        LayoutList()->setCurrentIndex(2);
        QCOMPARE(UsableOfAll(), sidebar);
        Stack().undo();
        QCOMPARE(UsableOfAll(), bar);
        Stack().undo();
        QCOMPARE(UsableOfAll(), floating);

        // A file opened in a layout: the page shows it, and the greyed boxes their values.
        const QString path = env.Path("side.tmz");
        WriteProjectWith(path, {{"Layout", "Sidebar"}}, "123");
        form->OpenActions().OpenProjectFile(path);
        QCOMPARE(LayoutList()->currentText(), QString("Sidebar"));
        QCOMPARE(UsableOfAll(), sidebar);
        QCOMPARE(Control<QSpinBox>("spnedtpInitMenuX")->value(), 123);
    }

    void namesThisProgramDoesNotKnowSurviveAnEditAndASave()
    {
        const QString path = env.Path("future.tmz");
        WriteProjectWith(path, {{"Future", "x=1"}, {"Layout", "Sidebar"}, {"Odd", ""}});
        form->OpenActions().OpenProjectFile(path);
        ShowLayoutPage();
        QTest::keyClick(LayoutList(), Qt::Key_Up);
        QCOMPARE(LayoutList()->currentText(), QString("Bar"));

        // A dark colour picked, taken away with None, and given back by undo.
        auto* swatch = Control<TColorSwatch>("pnlDarkItemBGColor");
        QVERIFY(swatch->IsNone());
        env.prompts.colors.push_back(QColor(0x1E, 0x1E, 0x2a));
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(Stack().undoText(), QString("Change 'Dark BG Color, Normal'"));
        auto* none = Control<QToolButton>("pnlDarkItemBGColorNone");
        QVERIFY(none->isEnabled());
        none->click();
        QVERIFY(swatch->IsNone());
        QVERIFY(!none->isEnabled());
        QCOMPARE(Entries(Document()), (QStringList{"Future=x=1", "Layout=Bar", "Odd="}));
        Stack().undo();
        QVERIFY(!swatch->IsNone());
        QVERIFY(none->isEnabled());
        QCOMPARE(swatch->Color(), QColor(0x1E, 0x1E, 0x2A));

        QVERIFY(form->SaveActions().Save1Click());
        // The records before it are as a save normalises them; the section ends the file.
        const QByteArray after = TEditorTestEnv::ReadBytes(path);
        QCOMPARE(after.mid(after.indexOf("</Item_Parameters>")),
                 "</Item_Parameters>\r\n<Extended_Parameters>\r\nFuture=x=1\r\nLayout=Bar\r\nOdd=\r\n"
                 "DarkItemBGColor=1E1E2A\r\n</Extended_Parameters>\r\n");
    }
};

QTEST_MAIN(TestLayoutPage)
#include "tst_layoutpage.moc"

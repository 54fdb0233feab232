// A recorded editing session, done the way a user does it (typing, clicking,
// choosing from lists, picking colours, the tree commands), saved twice and
// exported. The files must stay byte for byte what the editor has always
// written for these actions: the golden files were made by the editor
// before its pages wrote their fields straight into the document.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeView>

#include "tst_mainform_env.h"
#include "ui/pages/colorswatch.h"

namespace {

class TSession {
public:
    TSession() : form(env.MakeMainForm())
    {
        form->show();
        tree = form->findChild<QTreeView*>("trvwDesignPanel");
    }

    TNode Node(std::initializer_list<int> path) const
    {
        TNode node = TNode::RootOf(tree);
        for (int i : path)
            node = node.Child(i);
        return node;
    }
    void Select(std::initializer_list<int> path) { tree->setCurrentIndex(Node(path)); }

    template <class T>
    T* Control(const char* name) const
    {
        T* control = form->findChild<T*>(name);
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    // Replaces a box's text by typing, as a user does.
    void Type(const char* name, const QString& text)
    {
        QWidget* box = Control<QWidget>(name);
        QLineEdit* edit = qobject_cast<QLineEdit*>(box);
        if (!edit)
            edit = qobject_cast<QComboBox*>(box) ? static_cast<QComboBox*>(box)->lineEdit() : nullptr;
        if (!edit)
            edit = box->findChild<QLineEdit*>();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void Spin(const char* name, int value)
    {
        auto* spin = Control<QSpinBox>(name);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(value));
        QTest::keyClick(spin, Qt::Key_Tab);
    }
    void Click(const char* name) { Control<QAbstractButton>(name)->click(); }
    // Moves a list's choice by the arrow keys.
    void Choose(const char* name, int steps)
    {
        auto* combo = Control<QComboBox>(name);
        combo->setFocus();
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(combo, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    void PickColour(const char* name, const QColor& colour)
    {
        env.prompts.colors.push_back(colour);
        QTest::mouseClick(Control<TColorSwatch>(name), Qt::LeftButton);
    }
    // Insert selects what it adds in today's editor and kept the selection in
    // the older one; the session selects the place of every insert itself.
    void Trigger(const char* name) { Control<QAction>(name)->trigger(); }
    void DeleteConfirmed()
    {
        env.prompts.answers.push_back(TPrompts::Answer::Yes);
        Trigger("Delete1");
    }
    // The item at `path`: its caption typed, then anything else.
    void Caption(std::initializer_list<int> path, const QString& caption)
    {
        Select(path);
        Type("edtICaption", caption);
    }

    TEditorTestEnv env;
    std::unique_ptr<TMainForm> form;
    QTreeView* tree = nullptr;
};

void ExpectGoldenFile(const QString& produced, const QString& golden)
{
    const QString path = QStringLiteral(TRELLIMENU_TEST_DATA) + "/session/" + golden;
    const QByteArray bytes = TEditorTestEnv::ReadBytes(produced);
    if (qEnvironmentVariable("TRELLIMENU_UPDATE_GOLDEN") == "1") {
        QDir().mkpath(QFileInfo(path).absolutePath());
        TEditorTestEnv::WriteBytes(path, bytes);
        return;
    }
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QCOMPARE(bytes, TEditorTestEnv::ReadBytes(path));
}

}  // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void aRecordedSessionSavesTheFilesItAlwaysSaved()
    {
        TSession s;
        // The menu pages, with the menu itself selected.
        s.Spin("spnedtpSlideStep", 25);
        s.Spin("spnedtpDelayOpenSubMenuInMSec", 300);
        s.Click("chckbxpSlideOpenSubMenuEnabled");
        s.Click("chckbxpAutoCloseSubMenus");
        s.PickColour("pnlpItemNoBgColor", QColor(0x22, 0x44, 0x66));
        s.PickColour("pnlpItemOvColor", QColor(0xFF, 0xEE, 0x00));
        s.Type("edtpItemFontFamily", "Verdana");
        s.Spin("spnedtpItemFontSize", 13);
        s.Click("spdbtnpItemFontWeight");
        s.Click("btnSeparatorSuggestedColor");
        s.Type("edtpDragBar_Title", "Our <b>Site</b>");
        s.Choose("cmbxpDragBar_TitleAlign", 1);
        s.Type("edtpDragBar_PopTip", "Drag me");
        s.Choose("cmbxpMenuScrollType", -2);
        s.Spin("spnedtpSnapDistance", 20);
        s.Choose("cmbxpPopDescBorderStyle", 2);
        s.Spin("spnedtpPopDescWidth", 200);
        s.Type("edtpInternalUse_RootDir_Local", "site/");
        s.Type("edtpInternalUse_RootDir_Remote", "http://example.com/site/");
        s.Click("rdbtnpInternalUse_RootDir_Local_Checked2");

        // The tree: three items, two under the second, a separator moved up.
        for (int i = 0; i < 3; ++i) {
            s.Select({});
            s.Trigger("Insert1");
        }
        s.Caption({0}, "Home");
        s.Type("cmbxpURL", "index.html");
        s.Caption({1}, "Products");
        s.Type("cmbxpURL", "site/products.html");
        s.Click("chckbxUseURLAsStatusBarMsg");
        s.Type("edtpStatusMsg", "All products");
        s.Click("chckbxUseStatusMsgAsPopDescMsg");
        s.Trigger("Insert1");
        s.Select({1});
        s.Trigger("Insert1");
        s.Caption({1, 0}, "Tools");
        s.Spin("spnedtpMenuWidth", 150);
        s.Caption({1, 1}, "Gadgets");
        s.Type("edtpPopDescText", "  Small things  ");
        s.Caption({2}, "Contact");
        s.Type("cmbxpURL", "mailto:me@example.com");
        s.Type("cmbxpTarget", "_blank");
        s.Select({});
        s.Trigger("Insert1");
        s.Caption({3}, "-");
        s.Trigger("MoveUp1");
        s.Click("chckbxpSeparator");
        s.Select({});

        const QString project = s.env.Path("menu.tmz");
        s.env.prompts.fileNames.push_back(project);
        QVERIFY(s.form->SaveActions().Save1Click());
        for (const char* name : {"menu.tmz", "tmzcfg.js", "menu.html", "menu_PublishReport.txt"})
            ExpectGoldenFile(s.env.Path(name), QString("first/") + name);

        // More edits, then the known file saved again.
        s.Caption({1, 0}, "Tools & More");
        s.Select({1, 1});
        s.DeleteConfirmed();
        s.Select({0});
        s.Trigger("MoveDown1");
        s.Select({});
        s.Type("edtpDragBar_Title", "Our Menu");
        s.Click("rdbtnpInternalUse_RootDir_Local_Checked");
        QVERIFY(s.form->SaveActions().Save1Click());
        for (const char* name : {"menu.tmz", "tmzcfg.js"})
            ExpectGoldenFile(s.env.Path(name), QString("second/") + name);

        const QString structure = s.env.Path("menu.gms");
        s.env.prompts.fileNames.push_back(structure);
        s.form->ExportAction().ExportMenuStructure1Click();
        ExpectGoldenFile(structure, "second/menu.gms");
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"

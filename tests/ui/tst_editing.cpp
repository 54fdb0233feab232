// Editing as users expect of a desktop editor: the tree's keys, drag and
// drop, undo with the step's name, copy and paste between two editors, and
// a window that always says what is open and whether it is saved.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QMenu>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QUndoStack>
#include <random>
#include <QSpinBox>
#include <QTabWidget>

#include "files/itemclipboard.h"
#include "tst_mainform_env.h"
#include "tst_menueditor_host.h"
#include "ui/actions/recentfiles.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/services/statusarea.h"
#include "ui/tree/menutreemodel.h"

namespace {

QTreeView* TreeOf(TMainForm& form)
{
    return form.findChild<QTreeView*>("trvwDesignPanel");
}

// A window with site.tmz open: two top-level items, Home and News.
std::unique_ptr<TMainForm> OpenHomeAndNews(TEditorTestEnv& env, const QString& file)
{
    TEditorTestEnv::WriteProject(file, {{"Home", 0}, {"News", 0}});
    auto form = env.MakeMainForm();
    form->OpenActions().OpenProjectFile(file);
    return form;
}

}  // namespace

class TestEditing : public QObject {
    Q_OBJECT
private slots:
    void theMenuIsBuiltWithTheKeyboardAlone()
    {
        TEditorRig rig;
        rig.window.resize(900, 700);
        rig.editor.TreePanel()->setGeometry(0, 0, 300, 700);
        rig.editor.Pages()->setGeometry(300, 0, 600, 700);
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        QTreeView* tree = rig.Tree();
        tree->setFocus();

        // Insert: the new item is selected and its caption ready to be typed over.
        QTest::keyClick(tree, Qt::Key_Insert);
        QCOMPARE(rig.Selected(), rig.Root().Child(0));
        auto* caption = rig.Control<QLineEdit>("edtICaption");
        QCOMPARE(QApplication::focusWidget(), caption);
        QCOMPARE(caption->selectedText(), QString("Item"));
        QTest::keyClicks(caption, "Home");
        QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("Home"));

        // A second item, renamed in place with F2.
        tree->setFocus();
        rig.Select(rig.Root());
        QTest::keyClick(tree, Qt::Key_Insert);
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_F2);
        auto* inPlace = tree->findChild<QLineEdit*>("edtTreeCaption");
        QVERIFY(inPlace);
        inPlace->selectAll();
        QTest::keyClicks(inPlace, "  News  ");
        QTest::keyClick(inPlace, Qt::Key_Return);  // the view commits a moment later
        QTRY_COMPARE(rig.ListCaptions(), QStringList({"Home", "News"}));
        QCOMPARE(rig.TreeCaptions(), rig.ListCaptions());
        // Typed again with only blanks around it: no step, and the node
        // shows the caption without them.
        const int steps = rig.host.Document().UndoStack().count();
        QTest::keyClick(tree, Qt::Key_F2);
        inPlace = tree->findChild<QLineEdit*>("edtTreeCaption");
        inPlace->selectAll();
        QTest::keyClicks(inPlace, " News ");
        QTest::keyClick(inPlace, Qt::Key_Return);
        QTRY_COMPARE(rig.TreeCaptions(), QStringList({"Home", "News"}));
        QCOMPARE(rig.host.Document().UndoStack().count(), steps);

        // Ctrl+Up moves it, Delete asks and removes it.
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(rig.ListCaptions(), QStringList({"News", "Home"}));
        QTest::keyClick(tree, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(rig.ListCaptions(), QStringList({"Home", "News"}));
        rig.host.prompts.answers.push_back(TPrompts::Answer::Yes);
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(rig.host.prompts.shown.last().text, QString("Are you sure to delete this item and all it's children?"));
        QCOMPARE(rig.ListCaptions(), QStringList({"Home"}));

        // The same keys in a text box edit the text, not the tree.
        caption->setFocus();
        QTest::keyClick(caption, Qt::Key_End);
        QTest::keyClick(caption, Qt::Key_Delete);
        QCOMPARE(rig.host.document.ItemCount(), 1);
    }

    // A typing run ends when the box loses focus or Enter commits it; the
    // box keeps no undo of its own, and the step is named by the box's label.
    void typingRunsEndAndTheBoxesUndoTheDocument()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        TMenuEditor& editor = form->MenuEditor();
        QUndoStack& stack = form->Document().UndoStack();
        QAction* undo = form->findChild<QAction*>("Undo1");
        auto* caption = form->findChild<QLineEdit*>("edtICaption");
        QTreeView* tree = TreeOf(*form);

        // Right after Insert, Ctrl+Z in the caption box undoes the Insert.
        tree->setFocus();
        editor.InsertAction()->trigger();
        QCOMPARE(QApplication::focusWidget(), caption);
        QCOMPARE(form->Agent().ItemCount(), 1);
        QTest::keyClick(caption, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->Agent().ItemCount(), 0);
        QCOMPARE(stack.index(), 0);

        // Two runs of typing in one box, focus elsewhere between them: two steps.
        QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // redo the Insert
        QCOMPARE(form->Agent().ItemCount(), 1);
        caption->setFocus();
        caption->selectAll();
        QTest::keyClicks(caption, "Ho");
        QCOMPARE(undo->text(), QString("&Undo Change 'Caption'"));
        tree->setFocus();
        QCOMPARE(QApplication::focusWidget(), tree);
        caption->setFocus();
        QTest::keyClick(caption, Qt::Key_End);
        QTest::keyClicks(caption, "me");
        QCOMPARE(stack.count(), 3);
        // Enter commits a run too; typing on after it is a third step.
        QTest::keyClick(caption, Qt::Key_Return);
        QTest::keyClicks(caption, "!");
        QCOMPARE(stack.count(), 4);
        QCOMPARE(form->Agent().GetItem(0)[ICaption], std::string("Home!"));
        QTest::keyClick(caption, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->Agent().GetItem(0)[ICaption], std::string("Home"));
        QTest::keyClick(caption, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->Agent().GetItem(0)[ICaption], std::string("Ho"));
        QCOMPARE(caption->text(), QString("Ho"));
        undo->trigger();
        QCOMPARE(form->Agent().GetItem(0)[ICaption], std::string("Item"));
        // Redo from the box, with its own key.
        QTest::keyClick(caption, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(form->Agent().GetItem(0)[ICaption], std::string("Ho"));
    }

    // The keyboard alone: F6 and Shift+F6 between the panes, Esc from a page
    // back to the tree, Shift+F10 for the tree's menu and its Rename, F1 for
    // the help of the group being edited.
    void theKeyboardReachesEveryPane()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTreeView* tree = TreeOf(*form);
        auto* caption = form->findChild<QLineEdit*>("edtICaption");
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Insert);
        QCOMPARE(QApplication::focusWidget(), caption);

        // Esc on a page: back to the tree, the new item still selected.
        QTest::keyClick(caption, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), tree);
        QCOMPARE(TNode(tree->currentIndex()), TNode::RootOf(tree).Child(0));
        // F6 returns to the box the pages had; Shift+F6 goes back again.
        QTest::keyClick(tree, Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), caption);
        QTest::keyClick(caption, Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), tree);
        // F6 from the last shown pane comes round to the tree.
        auto* dock = form->findChild<QDockWidget*>();
        QTest::keyClick(tree, Qt::Key_F6);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        if (dock && dock->isVisible()) {
            QVERIFY(dock->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        }
        QCOMPARE(QApplication::focusWidget(), tree);

        // Shift+F10: the tree's menu, where R renames in place.
        auto* popup = form->findChild<QMenu*>("PopupMenu1");
        QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_R);
        QTRY_VERIFY(!popup->isVisible());
        QLineEdit* inPlace = nullptr;
        QTRY_VERIFY((inPlace = tree->findChild<QLineEdit*>("edtTreeCaption")) && inPlace->hasFocus());
        inPlace->selectAll();
        QTest::keyClicks(inPlace, "Bread");
        QTest::keyClick(inPlace, Qt::Key_Return);
        QTRY_COMPARE(form->Agent().GetItem(0)[ICaption], std::string("Bread"));
        // The pop-up took the window's activation on the test platform.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(QApplication::focusWidget(), tree);

        // F1 in the caption box: the help page of the Caption group.
        QTest::keyClick(tree, Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), caption);
        QTest::keyClick(caption, Qt::Key_F1);
        QVERIFY(form->FormHelp()->isVisible());
        QCOMPARE(form->FormHelp()->CurrentAddress().fileName(), QString("customizing_js_item_item_caption.htm"));
    }

    // Typing in an item's box, selecting another item and coming back, then
    // renaming in place: three steps, where they used to make one.
    void aSelectionMoveAndARenameEndTypingRuns()
    {
        TEditorRig rig;
        rig.editor.InsertAction()->trigger();
        rig.Select(rig.Root());
        rig.editor.InsertAction()->trigger();
        QUndoStack& stack = rig.host.Document().UndoStack();
        auto* caption = rig.Control<QLineEdit>("edtICaption");
        rig.Select(rig.Root().Child(0));
        caption->setText("A");
        rig.Select(rig.Root().Child(1));
        rig.Select(rig.Root().Child(0));
        caption->setText("AB");
        QCOMPARE(stack.count(), 4);  // two Inserts, two runs of typing
        QCOMPARE(stack.command(3)->text(), QString("Change 'Caption'"));
        // A rename in place is a step of its own, and typing after it another.
        rig.Tree()->model()->setData(rig.Root().Child(0), "ABC");
        QCOMPARE(stack.count(), 5);
        caption->setText("ABCD");
        QCOMPARE(stack.count(), 6);
        stack.undo();
        stack.undo();
        QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("AB"));
        stack.undo();
        QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("A"));
    }

    void undoRestoresADeletedSubtreeAndNamesTheStep()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        TMenuEditor& editor = form->MenuEditor();
        QTreeView* tree = TreeOf(*form);
        editor.InsertAction()->trigger();
        form->findChild<QLineEdit*>("edtICaption")->setText("Products");
        editor.InsertAction()->trigger();
        editor.InsertAction()->trigger();
        const TItemArray before = form->Agent().Items();
        tree->setCurrentIndex(TNode::RootOf(tree).Child(0));
        env.prompts.answers.push_back(TPrompts::Answer::Yes);
        editor.DeleteAction()->trigger();
        QCOMPARE(form->Agent().ItemCount(), 0);
        QAction* undo = form->findChild<QAction*>("Undo1");
        QCOMPARE(undo->text(), QString("&Undo Delete 'Products'"));
        undo->trigger();
        QCOMPARE(form->Agent().Items(), before);
        QCOMPARE(TNode(tree->currentIndex()), TNode::RootOf(tree).Child(0));
        QCOMPARE(TNode::RootOf(tree).Child(0).Child(0).ChildCount(), 1);
    }

    void modifiedMeansDifferentFromTheSavedFile()
    {
        TEditorTestEnv env;
        const QString file = env.Path("site.tmz");
        auto form = OpenHomeAndNews(env, file);
        QTreeView* tree = TreeOf(*form);
        // Looking is no change.
        tree->setCurrentIndex(TNode::RootOf(tree).Child(1));
        tree->setCurrentIndex(TNode::RootOf(tree));
        QVERIFY(!form->Modified());
        QCOMPARE(form->windowTitle(), QString("site.tmz[*] - Trellimenu 2006"));

        auto* slideStep = form->findChild<QSpinBox*>("spnedtpSlideStep");
        slideStep->setValue(slideStep->value() + 1);
        QVERIFY(form->Modified());
        QVERIFY(form->isWindowModified());
        form->findChild<QAction*>("Undo1")->trigger();
        QVERIFY(!form->Modified());  // back to the file's state
        QVERIFY(!form->isWindowModified());

        slideStep->setValue(3);
        QVERIFY(form->SaveActions().Save1Click());
        QVERIFY(!form->Modified());
        QCOMPARE(form->StatusArea().HintLine()->text(), QString("Saved site.tmz"));
        QCOMPARE(form->RecentFiles().Slots()[0], "&1 " + file);
        form->findChild<QAction*>("Undo1")->trigger();
        QVERIFY(form->Modified());  // undone past the save
    }

    void anEditKeepsItsPageInFront()
    {
        TEditorTestEnv env;
        const QString file = env.Path("site.tmz");
        auto form = OpenHomeAndNews(env, file);
        QTreeView* tree = TreeOf(*form);
        auto* tabs = form->findChild<QTabWidget*>();
        QVERIFY(tabs);
        auto edit = [&](const char* spinName, const char* tabName) {
            auto* spin = form->findChild<QSpinBox*>(spinName);
            QWidget* page = spin->parentWidget();
            while (tabs->indexOf(page) < 0)
                page = page->parentWidget();
            tabs->setCurrentWidget(page);
            QCOMPARE(tabs->tabText(tabs->currentIndex()), QString(tabName));
            spin->setValue(spin->value() + 1);
            QCOMPARE(tabs->tabText(tabs->currentIndex()), QString(tabName));
        };
        edit("spnedtpDragBar_FontSize", "Drag Bar");
        tree->setCurrentIndex(TNode::RootOf(tree).Child(1));
        edit("spnedtpMenuWidth", "Item Misc");
        // Undoing an edit of another item brings that item back, on its first page.
        tree->setCurrentIndex(TNode::RootOf(tree).Child(0));
        form->findChild<QAction*>("Undo1")->trigger();
        QCOMPARE(TNode(tree->currentIndex()), TNode::RootOf(tree).Child(1));
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("Item"));
    }

    void copiedItemsCarryEveryFieldToAnotherEditor()
    {
        TEditorRig first, second;
        TNode a = first.Add(first.Root(), "Products");
        first.Add(a, "Tools");
        TItemData products = first.host.agent.GetItem(0);
        for (int field : {pURL, pTarget, pStatusMsg, pPopDescText, pMenuWidth, pImageLeft, pItemReserved5})
            products[field] = "value of " + std::to_string(field) + " \xC3\xA9";
        first.host.document.NormalizeItem(0, products);
        first.Select(a);
        first.editor.CopyAction()->trigger();
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat(kItemsMimeType));
        QVERIFY(QGuiApplication::clipboard()->text().contains("General Menu Structure Description Format"));

        second.Add(second.Root(), "Home");
        second.Select(second.Root().Child(0));
        second.editor.PasteAction()->trigger();
        QCOMPARE(second.ListCaptions(), QStringList({"Home", "Products", "Tools"}));
        QCOMPARE(second.TreeCaptions(), second.ListCaptions());
        QCOMPARE(second.host.agent.GetItem(1), first.host.agent.GetItem(0));
        QCOMPARE(second.host.agent.GetItem(2)[pLevel], std::string("1"));
        QCOMPARE(second.Selected(), second.Root().Child(1));

        second.editor.DuplicateAction()->trigger();
        QCOMPARE(second.ListCaptions(), QStringList({"Home", "Products", "Tools", "Products", "Tools"}));
        second.editor.CutAction()->trigger();
        QCOMPARE(second.ListCaptions(), QStringList({"Home", "Products", "Tools"}));
        second.host.document.UndoStack().undo();
        QCOMPARE(second.ListCaptions(), QStringList({"Home", "Products", "Tools", "Products", "Tools"}));
    }

    void randomCommandsAndTheirUndoKeepTreeListAndSelectionInStep()
    {
        TEditorRig rig;
        for (const char* caption : {"A", "B", "C"})
            rig.Add(rig.Root(), caption);
        QUndoStack& stack = rig.host.document.UndoStack();
        stack.clear();
        // What the user sees and what the document holds, side by side.
        struct TState {
            TItemArray items;
            QStringList tree;
            QString selected;
            bool operator==(const TState& o) const { return items == o.items && tree == o.tree && selected == o.selected; }
        };
        const auto state = [&] {
            QStringList levels;
            for (const TNode& node : NodesBelow(rig.Root()))
                levels << QString::number(DepthOf(node)) + node.Text();
            return TState{rig.host.agent.Items(), levels, rig.Selected() ? rig.Selected().Text() : QString()};
        };
        const auto inStep = [&] {
            const TState now = state();
            QCOMPARE(now.tree.size(), int(now.items.size()));
            for (int k = 0; k < now.tree.size(); ++k)
                QCOMPARE(now.tree[k], QString::number(std::stoi(now.items[size_t(k)][pLevel]) + 1) +
                                          QString::fromStdString(now.items[size_t(k)][ICaption]));
        };
        std::mt19937 random(13);
        std::vector<TState> before;
        int made = 0;
        for (int step = 0; step < 200; ++step) {
            const int n = rig.host.document.ItemCount();
            TNode node;
            if (n) {  // a random node, root included
                const QList<TNode> nodes = QList<TNode>{rig.Root()} + NodesBelow(rig.Root());
                node = nodes[int(random() % unsigned(n + 1))];
            }
            const int choice = int(random() % 8);
            if (choice == 7 && stack.canUndo()) {
                stack.undo();
                QVERIFY(state() == before.back());
                before.pop_back();
                inStep();
                continue;
            }
            if (node)
                rig.Select(node);
            const int stepsBefore = stack.index();
            const TState was = state();
            rig.host.prompts.answers.push_back(TPrompts::Answer::Yes);
            QAction* actions[] = {rig.editor.InsertAction(), rig.editor.DeleteAction(), rig.editor.MoveUpAction(),
                                  rig.editor.MoveDownAction(), rig.editor.DuplicateAction(), nullptr, nullptr};
            if (choice < 5 && actions[choice]->isEnabled()) {
                actions[choice]->trigger();
            } else if (choice == 5 && rig.Selected() != rig.Root()) {
                rig.Control<QLineEdit>("edtICaption")->setText("c" + QString::number(step));
            } else if (choice == 6) {
                rig.Control<QSpinBox>("spnedtpSlideStep")->setValue(step);
            }
            rig.host.prompts.answers.clear();
            inStep();
            if (stack.index() != stepsBefore) {
                before.push_back(was);
                ++made;
            }
        }
        QVERIFY(made > 50);
        // Every step back, then forward again.
        while (stack.canUndo()) {
            stack.undo();
            inStep();
        }
        QCOMPARE(rig.ListCaptions(), QStringList({"A", "B", "C"}));
        while (stack.canRedo()) {
            stack.redo();
            inStep();
        }
    }

    void separatorsReadAsLinesAndFontsAreOffered()
    {
        TEditorRig rig;
        rig.Add(rig.Root(), "A");
        TNode line = rig.Add(rig.Root(), "-");
        rig.Add(rig.Root(), "C");
        rig.Select(line);
        rig.Control<QCheckBox>("chckbxpSeparator")->click();
        QVERIFY(QModelIndex(line).data(kSeparatorRole).toBool());
        QCOMPARE(rig.host.agent.GetItem(1)[pSeparator], std::string("1"));

        auto* fonts = rig.Control<QComboBox>("edtpItemFontFamily");
        QVERIFY(fonts->isEditable());
        QVERIFY(fonts->findText("Verdana, Geneva, sans-serif") >= 0);
        QVERIFY(fonts->count() > 8);  // the installed families after the web stacks
    }

    void dialogsStartWhereTheyWereLastUsed()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        QCOMPARE(form->Folders().LastFolder(TFolderKind::Projects), QDir::homePath());
        const QString folder = env.Path("projects");
        QDir().mkpath(folder);
        TEditorTestEnv::WriteProject(folder + "/a.tmz", {{"A", 0}});
        env.prompts.fileNames.push_back(folder + "/a.tmz");
        form->OpenActions().Open1Click();
        QCOMPARE(form->Folders().LastFolder(TFolderKind::Projects), folder);
        QCOMPARE(form->Folders().LastFolder(TFolderKind::Structures), QDir::homePath());
        // Kept in the settings: a new window starts there too.
        auto again = env.MakeMainForm();
        QCOMPARE(again->Folders().LastFolder(TFolderKind::Projects), folder);
    }

    void theWindowFitsTheScreen()
    {
        TEditorTestEnv env;
        auto form = env.MakeMainForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QRect screen = form->screen()->availableGeometry();
        QVERIFY2(screen.contains(form->frameGeometry()) || form->frameGeometry().size().width() <= screen.width(),
                 qPrintable(QString("%1x%2 on %3x%4").arg(form->width()).arg(form->height()).arg(screen.width()).arg(screen.height())));
        QVERIFY(form->width() <= screen.width() && form->height() <= screen.height());
    }

    void aCharacterOutsideWindows1252IsAnnounced()
    {
        TEditorTestEnv env;
        const QString file = env.Path("legacy.tmz");
        TEditorTestEnv::WriteProject(file, {{"Caf\xC3\xA9", 0}});
        QByteArray bytes = TEditorTestEnv::ReadBytes(file);
        bytes.replace("Caf\xC3\xA9", "Caf\xE9");
        TEditorTestEnv::WriteBytes(file, bytes);
        auto form = env.MakeMainForm();
        form->OpenActions().OpenProjectFile(file);
        QTreeView* tree = TreeOf(*form);
        tree->setCurrentIndex(TNode::RootOf(tree).Child(0));
        form->findChild<QLineEdit*>("edtICaption")->setText(QString::fromUtf8("\xE6\x97\xA5"));
        QVERIFY(form->StatusArea().HintLine()->text().contains("UTF-8"));
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"

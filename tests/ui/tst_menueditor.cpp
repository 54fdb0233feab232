// The menu tree and the item commands: the list and the tree stay in step,
// the selection stores and loads the right item.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

#include "files/projectfile.h"
#include "tst_menueditor_host.h"

class TestMenuEditor : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheRootAndTheMenuPages();
    void insertUnderRootAppendsMainMenuItems();
    void insertUnderItemWithChildrenLandsAfterItsDescendants();
    void deleteDeclinedKeepsEverything();
    void deleteConfirmedRemovesTheSubtreeAndLoadsTheNextSibling();
    void deleteSelectsPreviousSiblingThenParent();
    void deleteOfTheLastItemLeavesOnlyTheRoot();
    void moveUpAndDownKeepSubtreesWholeInListAndTree();
    void movedItemReceivesItsEditsAtItsNewPosition();
    void editsReachTheItemWhenTheSelectionMoves();
    void rootAndBackDoesNotReload();
    void commandStatesFollowTheSelection();
    void rightClickSelectsTheNodeUnderThePointer();
    void suppressedTreeEventsStoreAndLoadNothing();
    void readingAFileIntoTheTreeDropsTheEditedItem();
};

void TestMenuEditor::startsWithTheRootAndTheMenuPages()
{
    TEditorRig rig;
    QCOMPARE(rig.Tree()->model()->rowCount(), 1);
    QCOMPARE(rig.Root().Text(), QString("Trellimenu 2006"));
    QCOMPARE(rig.Root().ChildCount(), 0);
    QCOMPARE(rig.Selected(), rig.Root());
    QCOMPARE(rig.VisibleTabs(), QStringList({"Menu", "Layout", "Items", "Misc", "Drag Bar", "PopUp Box", "Advanced", "Path"}));
    QCOMPARE(rig.editor.Pages()->tabText(rig.editor.Pages()->currentIndex()), QString("Menu"));
    QVERIFY(rig.editor.InsertAction()->isEnabled());
    QVERIFY(!rig.editor.DeleteAction()->isEnabled());
    QVERIFY(!rig.editor.MoveUpAction()->isEnabled());
    QVERIFY(!rig.editor.MoveDownAction()->isEnabled());
    QCOMPARE(rig.Tree()->indentation(), 19);
}

void TestMenuEditor::insertUnderRootAppendsMainMenuItems()
{
    TEditorRig rig;
    for (int i = 0; i < 3; ++i) {
        rig.Select(rig.Root());
        rig.editor.InsertAction()->trigger();
        // The new item is selected, ready to be named.
        QCOMPARE(rig.Selected(), rig.Root().Child(i));
        QCOMPARE(rig.VisibleTabs().first(), QString("Item"));
    }
    QVERIFY(rig.host.modified);
    QVERIFY(rig.IsExpanded(rig.Root()));
    QCOMPARE(rig.Root().ChildCount(), 3);
    QCOMPARE(rig.host.agent.ItemCount(), 3);
    for (const TItemData& item : rig.host.agent.Items()) {
        QCOMPARE(item[ICaption], std::string("Item"));
        QCOMPARE(item[pLevel], std::string("0"));
    }
    QCOMPARE(rig.TreeCaptions(), QStringList({"Item", "Item", "Item"}));
}

void TestMenuEditor::insertUnderItemWithChildrenLandsAfterItsDescendants()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    TNode b = rig.Add(a, "B");
    rig.Add(b, "B1");
    rig.Add(a, "C");
    rig.Add(rig.Root(), "D");

    rig.Select(a);
    rig.editor.InsertAction()->trigger();
    QCOMPARE(rig.Selected(), a.Child(2));
    QCOMPARE(a.ChildCount(), 3);
    QCOMPARE(a.Child(2).Text(), QString("Item"));
    rig.Select(rig.Root());
    QCOMPARE(rig.ListCaptions(), QStringList({"A", "B", "B1", "C", "Item", "D"}));
    QCOMPARE(rig.host.agent.GetItem(4)[pLevel], std::string("1"));
    QCOMPARE(rig.TreeCaptions(), rig.ListCaptions());
}

void TestMenuEditor::deleteDeclinedKeepsEverything()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Add(a, "A1");
    rig.Select(a);
    rig.host.modified = false;
    rig.host.prompts.answers.push_back(TPrompts::Answer::No);
    rig.editor.DeleteAction()->trigger();
    QCOMPARE(rig.host.prompts.shown.size(), 1);
    QCOMPARE(rig.host.prompts.shown[0].kind, QString("yesno"));
    QCOMPARE(rig.host.prompts.shown[0].text, QString("Are you sure to delete this item and all it's children?"));
    QVERIFY(!rig.host.modified);  // nothing changed
    QCOMPARE(rig.Selected(), a);
    QCOMPARE(rig.host.agent.ItemCount(), 2);
    QCOMPARE(rig.TreeCaptions(), QStringList({"A", "A1"}));
}

void TestMenuEditor::deleteConfirmedRemovesTheSubtreeAndLoadsTheNextSibling()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Add(a, "A1");
    rig.Add(a, "A2");
    TNode b = rig.Add(rig.Root(), "B");

    rig.Select(a);
    rig.Control<QLineEdit>("edtICaption")->setText("edited but deleted");
    rig.host.prompts.answers.push_back(TPrompts::Answer::Yes);
    rig.editor.DeleteAction()->trigger();

    QCOMPARE(rig.Selected(), b);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("B"));
    QCOMPARE(rig.TreeCaptions(), QStringList({"B"}));
    QCOMPARE(rig.ListCaptions(), QStringList({"B"}));
    // B's pages are stored into B, the deleted item's edits nowhere.
    rig.Select(rig.Root());
    QCOMPARE(rig.ListCaptions(), QStringList({"B"}));
}

void TestMenuEditor::deleteSelectsPreviousSiblingThenParent()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    TNode a1 = rig.Add(a, "A1");
    TNode a2 = rig.Add(a, "A2");
    Q_UNUSED(a2);

    rig.Select(a.Child(1));
    rig.host.prompts.answers.push_back(TPrompts::Answer::Yes);
    rig.editor.DeleteAction()->trigger();
    QCOMPARE(rig.Selected(), a1);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("A1"));

    rig.host.prompts.answers.push_back(TPrompts::Answer::Yes);
    rig.editor.DeleteAction()->trigger();
    QCOMPARE(rig.Selected(), a);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("A"));
    rig.Select(rig.Root());
    QCOMPARE(rig.ListCaptions(), QStringList({"A"}));
    QCOMPARE(rig.TreeCaptions(), rig.ListCaptions());
}

void TestMenuEditor::deleteOfTheLastItemLeavesOnlyTheRoot()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    rig.host.prompts.answers.push_back(TPrompts::Answer::Yes);
    rig.editor.DeleteAction()->trigger();
    QCOMPARE(rig.host.agent.ItemCount(), 0);
    QCOMPARE(rig.Root().ChildCount(), 0);
    QCOMPARE(rig.Selected(), rig.Root());
    QCOMPARE(rig.VisibleTabs().first(), QString("Menu"));
    // Nothing is left to store into: gathering must not touch the empty list.
    rig.editor.ApplyGatherRules();
    QCOMPARE(rig.host.agent.ItemCount(), 0);
}

void TestMenuEditor::moveUpAndDownKeepSubtreesWholeInListAndTree()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Add(a, "A1");
    TNode a2 = rig.Add(a, "A2");
    rig.Add(a2, "A2x");
    TNode b = rig.Add(rig.Root(), "B");
    rig.Add(b, "B1");
    rig.Add(b, "B2");
    rig.Add(rig.Root(), "C");

    rig.Select(b);
    rig.host.modified = false;
    rig.editor.MoveUpAction()->trigger();
    QVERIFY(rig.host.modified);
    // The moved item's node is made anew at its place, and selected.
    b = rig.Root().Child(0);
    QCOMPARE(rig.Selected(), b);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("B"));
    QCOMPARE(rig.TreeCaptions(), QStringList({"B", "B1", "B2", "A", "A1", "A2", "A2x", "C"}));
    QCOMPARE(rig.ListCaptions(), rig.TreeCaptions());
    QVERIFY(!rig.IsExpanded(b));
    QVERIFY(rig.IsExpanded(rig.Root()));
    QVERIFY(!rig.editor.MoveUpAction()->isEnabled());

    rig.editor.MoveDownAction()->trigger();
    QCOMPARE(rig.Selected(), rig.Root().Child(1));
    QCOMPARE(rig.Selected().Text(), QString("B"));
    QCOMPARE(rig.TreeCaptions(), QStringList({"A", "A1", "A2", "A2x", "B", "B1", "B2", "C"}));
    QCOMPARE(rig.ListCaptions(), rig.TreeCaptions());

    rig.editor.MoveDownAction()->trigger();
    QCOMPARE(rig.TreeCaptions(), QStringList({"A", "A1", "A2", "A2x", "C", "B", "B1", "B2"}));
    QCOMPARE(rig.ListCaptions(), rig.TreeCaptions());
    QVERIFY(!rig.editor.MoveDownAction()->isEnabled());

    // Inside a submenu: A2 with its child goes above A1.
    rig.Select(a2);
    rig.editor.MoveUpAction()->trigger();
    QCOMPARE(rig.TreeCaptions(), QStringList({"A", "A2", "A2x", "A1", "C", "B", "B1", "B2"}));
    QCOMPARE(rig.ListCaptions(), rig.TreeCaptions());
}

void TestMenuEditor::movedItemReceivesItsEditsAtItsNewPosition()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Add(rig.Root(), "B");
    rig.Select(a);
    rig.editor.MoveDownAction()->trigger();
    rig.Control<QLineEdit>("edtICaption")->setText("A moved");
    rig.Select(rig.Root());
    QCOMPARE(rig.ListCaptions(), QStringList({"B", "A moved"}));
    QCOMPARE(rig.TreeCaptions(), rig.ListCaptions());
}

void TestMenuEditor::editsReachTheItemWhenTheSelectionMoves()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    TNode b = rig.Add(rig.Root(), "B");
    rig.Select(a);
    rig.host.modified = false;
    rig.Control<QLineEdit>("edtICaption")->setText("Home");
    // Each edit reaches the document at once; the node follows it.
    QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("Home"));
    QCOMPARE(a.Text(), QString("Home"));
    QVERIFY(rig.host.modified);
    rig.host.modified = false;
    rig.Select(b);
    QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("Home"));
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("B"));
    QVERIFY(!rig.host.modified);  // selecting changes nothing
    QCOMPARE(rig.VisibleTabs(), QStringList({"Item", "Item Misc"}));
}

void TestMenuEditor::rootAndBackDoesNotReload()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    rig.Control<QLineEdit>("edtICaption")->setText("typed");
    rig.host.modified = false;
    rig.Select(rig.Root());
    QCOMPARE(rig.host.agent.GetItem(0)[ICaption], std::string("typed"));
    QVERIFY(!rig.host.modified);  // the root does not mark

    // The pages show the document whatever changes it, also while hidden.
    TItemData changed = rig.host.agent.GetItem(0);
    changed[ICaption] = "from the list";
    rig.host.document.NormalizeItem(0, changed);
    rig.Select(a);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("from the list"));
    QVERIFY(!rig.host.modified);
}

void TestMenuEditor::commandStatesFollowTheSelection()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    TNode b = rig.Add(rig.Root(), "B");
    TNode c = rig.Add(rig.Root(), "C");
    const struct { TNode node; bool remove, up, down; } cases[] = {
        {a, true, false, true}, {b, true, true, true}, {c, true, true, false}, {rig.Root(), false, false, false},
    };
    for (const auto& k : cases) {
        rig.Select(k.node);
        QCOMPARE(rig.editor.InsertAction()->isEnabled(), true);
        QCOMPARE(rig.editor.DeleteAction()->isEnabled(), k.remove);
        QCOMPARE(rig.editor.MoveUpAction()->isEnabled(), k.up);
        QCOMPARE(rig.editor.MoveDownAction()->isEnabled(), k.down);
        QCOMPARE(rig.editor.findChild<QAction*>("Rename1")->isEnabled(), k.remove);
    }
    // The pop-up menu carries the same actions, and the Edit menu's.
    QMenu* popup = rig.editor.TreePanel()->findChild<QMenu*>("PopupMenu1");
    QVERIFY(popup);
    QList<QAction*> shown = popup->actions();
    shown.removeIf([](const QAction* action) { return action->isSeparator(); });
    QCOMPARE(shown, QList<QAction*>({rig.editor.InsertAction(), rig.editor.findChild<QAction*>("Rename1"),
                                     rig.editor.CutAction(), rig.editor.CopyAction(), rig.editor.PasteAction(),
                                     rig.editor.DuplicateAction(), rig.editor.DeleteAction(),
                                     rig.editor.MoveUpAction(), rig.editor.MoveDownAction()}));
}

void TestMenuEditor::rightClickSelectsTheNodeUnderThePointer()
{
    TEditorRig rig;
    rig.window.resize(300, 300);
    rig.editor.TreePanel()->resize(300, 300);
    rig.window.show();
    TNode a = rig.Add(rig.Root(), "A");
    const QRect rect = rig.Tree()->visualRect(a);
    QVERIFY(rect.isValid());
    QTest::mousePress(rig.Tree()->viewport(), Qt::RightButton, {}, rect.center());
    QCOMPARE(rig.Selected(), a);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("A"));
    QTest::mouseRelease(rig.Tree()->viewport(), Qt::RightButton, {}, rect.center());
}

void TestMenuEditor::suppressedTreeEventsStoreAndLoadNothing()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    TNode b = rig.Add(rig.Root(), "B");
    rig.Select(a);
    rig.Control<QLineEdit>("edtICaption")->setText("typed");
    rig.editor.SetSuppressTreeEvents(true);
    rig.Select(b);
    QCOMPARE(rig.Control<QLineEdit>("edtICaption")->text(), QString("typed"));  // B not loaded
    rig.editor.SetSuppressTreeEvents(false);
    // No item is shown after the document starts afresh: gathering normalises none.
    rig.host.document.Replace(rig.host.agent.Document());
    QCOMPARE(rig.Root().ChildCount(), 2);
    QCOMPARE(rig.Selected(), rig.Root());
    rig.editor.ApplyGatherRules();
    QCOMPARE(rig.ListCaptions(), QStringList({"typed", "B"}));
}

void TestMenuEditor::readingAFileIntoTheTreeDropsTheEditedItem()
{
    TEditorRig rig;
    TNode a = rig.Add(rig.Root(), "A");
    rig.Select(a);
    rig.Control<QLineEdit>("edtICaption")->setText("edited");
    const QString path = rig.host.scratch.filePath("one.tmz");
    TEditorRig other;
    other.Add(other.Root(), "X");
    other.Add(other.Root(), "Y");
    TSilentStatus status;
    SaveProjectFile(other.host.agent.Document(), path.toStdString(), status);

    // A new document replaces the one whose item the pages show.
    TMenuDocument read;
    QVERIFY(LoadProjectFile(path.toStdString(), read, status).Accepted());
    rig.host.document.Replace(std::move(read));
    rig.editor.ApplyGatherRules();
    QCOMPARE(rig.ListCaptions(), QStringList({"X", "Y"}));
}

QTEST_MAIN(TestMenuEditor)
#include "tst_menueditor.moc"

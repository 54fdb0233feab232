// The menu tree's model against the document it shows: every edit, its
// undo and a new document arrive as the matching row changes, indexes held
// by the views keep their nodes, and a drop through the view becomes a move.

#include <QAbstractItemModelTester>
#include <QDrag>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest/QtTest>

#include "model/appletagent.h"
#include "tst_menueditor_host.h"
#include "ui/document/editcommands.h"
#include "ui/document/editordocument.h"
#include "ui/tree/menutreemodel.h"

namespace {

TItemData Item(const std::string& caption, int level)
{
    TItemData item = NewDefaultItem();
    item[ICaption] = caption;
    item[pLevel] = std::to_string(level);
    return item;
}

// A(A1, A2(A2x)), B, C
TMenuDocument Menu()
{
    TMenuDocument document;
    document.items = {Item("A", 0), Item("A1", 1), Item("A2", 1), Item("A2x", 2), Item("B", 0), Item("C", 0)};
    return document;
}

// The document, its model and Qt's own checker of model consistency, which
// fails the test on any change announced out of order.
struct TModelRig {
    TvarnAppletAgent agent;
    TEditorDocument document{agent};
    TMenuTreeModel model{document};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};

    TModelRig() { document.Replace(Menu()); }
    TNode Root() const { return model.RootIndex(); }
    // "caption(child, child)" for every node below the root.
    QString Outline(const TNode& node) const
    {
        QStringList children;
        for (int i = 0; i < node.ChildCount(); ++i)
            children << node.Child(i).Text() + Outline(node.Child(i));
        return children.isEmpty() ? QString() : "(" + children.join(", ") + ")";
    }
    QString Outline() const { return Outline(Root()); }
};

// Where a spy's one signal said rows came or went: "parent caption first-last".
QString RowsSaid(const QSignalSpy& spy)
{
    if (spy.count() != 1)
        return QString("%1 signals").arg(spy.count());
    const QList<QVariant>& args = spy.first();
    return QString("%1 %2-%3")
        .arg(args[0].value<QModelIndex>().data().toString())
        .arg(args[1].toInt())
        .arg(args[2].toInt());
}

}  // namespace

class TestTreeModel : public QObject {
    Q_OBJECT
private slots:
    void showsTheRootAboveTheItemsAsTheirLevelsSay()
    {
        TModelRig rig;
        QCOMPARE(rig.model.rowCount(), 1);
        QCOMPARE(rig.Root().Text(), QString("Trellimenu 2006"));
        QCOMPARE(rig.Outline(), QString("(A(A1, A2(A2x)), B, C)"));
        const TNode a2x = rig.Root().Child(0).Child(1).Child(0);
        QCOMPARE(a2x.Text(), QString("A2x"));
        QCOMPARE(a2x.Parent().Text(), QString("A2"));
        QCOMPARE(a2x.Parent().Parent().Parent(), rig.Root());
        QCOMPARE(QModelIndex(a2x.Parent()).row(), 1);
        QCOMPARE(rig.model.ItemOf(a2x), 3);
        QCOMPARE(rig.model.ItemOf(rig.Root()), -1);
        QCOMPARE(rig.model.ItemOf(QModelIndex()), -2);
        QCOMPARE(TNode(rig.model.IndexOfItem(4)).Text(), QString("B"));
        // The root is no item: it can be neither renamed nor dragged.
        QVERIFY(!(rig.model.flags(rig.Root()) & Qt::ItemIsEditable));
        QVERIFY(!(rig.model.flags(rig.Root()) & Qt::ItemIsDragEnabled));
        QVERIFY(rig.model.flags(a2x) & Qt::ItemIsEditable);
        QVERIFY(rig.model.flags(a2x) & Qt::ItemIsDragEnabled);
    }

    void insertsAndRemovesArriveAsRowsAndHeldIndexesFollowTheirNodes()
    {
        TModelRig rig;
        const QPersistentModelIndex b = rig.model.IndexOfItem(4);
        const QPersistentModelIndex a2x = rig.model.IndexOfItem(3);
        QSignalSpy inserted(&rig.model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&rig.model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&rig.model, &QAbstractItemModel::modelReset);

        // Two new subtrees after A2's: A's third and fourth child.
        rig.document.UndoStack().push(
            new TInsertItemsCommand(rig.document, 4, {Item("N", 1), Item("Nx", 2), Item("M", 1)}, "Insert"));
        QCOMPARE(RowsSaid(inserted), QString("A 2-3"));
        QCOMPARE(rig.Outline(), QString("(A(A1, A2(A2x), N(Nx), M), B, C)"));
        QCOMPARE(TNode(b).Text(), QString("B"));
        QCOMPARE(b.row(), 1);
        QCOMPARE(rig.model.ItemOf(b), 7);
        QCOMPARE(TNode(a2x).Text(), QString("A2x"));

        rig.document.UndoStack().undo();
        QCOMPARE(RowsSaid(removed), QString("A 2-3"));
        QCOMPARE(rig.Outline(), QString("(A(A1, A2(A2x)), B, C)"));
        QCOMPARE(rig.model.ItemOf(b), 4);

        // A's subtree goes: B and C move up a row and keep their nodes.
        removed.clear();
        rig.document.UndoStack().push(new TRemoveItemsCommand(rig.document, 0, 4, 0, "Delete"));
        QCOMPARE(RowsSaid(removed), QString("Trellimenu 2006 0-0"));
        QCOMPARE(rig.Outline(), QString("(B, C)"));
        QVERIFY(!a2x.isValid());
        QCOMPARE(b.row(), 0);
        QCOMPARE(TNode(b).Text(), QString("B"));
        inserted.clear();
        rig.document.UndoStack().undo();
        QCOMPARE(RowsSaid(inserted), QString("Trellimenu 2006 0-0"));
        QCOMPARE(rig.Outline(), QString("(A(A1, A2(A2x)), B, C)"));
        QCOMPARE(reset.count(), 0);
    }

    void aMoveAndItsUndoReshapeTheTree()
    {
        TModelRig rig;
        const QPersistentModelIndex c = rig.model.IndexOfItem(5);
        // A2 with its child to the top level, between B and C.
        rig.document.UndoStack().push(new TMoveItemsCommand(rig.document, 2, 2, 3, 0, "Move"));
        QCOMPARE(rig.Outline(), QString("(A(A1), B, A2(A2x), C)"));
        QCOMPARE(c.row(), 3);
        QCOMPARE(TNode(rig.Root().Child(2).Child(0)).Parent().Text(), QString("A2"));
        rig.document.UndoStack().undo();
        QCOMPARE(rig.Outline(), QString("(A(A1, A2(A2x)), B, C)"));
        QCOMPARE(c.row(), 2);
    }

    void aNewDocumentResetsTheModel()
    {
        TModelRig rig;
        const QPersistentModelIndex b = rig.model.IndexOfItem(4);
        QSignalSpy aboutToReset(&rig.model, &QAbstractItemModel::modelAboutToBeReset);
        QSignalSpy reset(&rig.model, &QAbstractItemModel::modelReset);
        TMenuDocument other;
        other.items = {Item("X", 0), Item("Y", 1)};
        rig.document.Replace(other);
        QCOMPARE(aboutToReset.count(), 1);
        QCOMPARE(reset.count(), 1);
        QVERIFY(!b.isValid());
        QCOMPARE(rig.Outline(), QString("(X(Y))"));
        rig.document.Replace(TMenuDocument());
        QCOMPARE(rig.model.rowCount(rig.model.RootIndex()), 0);
        QCOMPARE(rig.model.rowCount(), 1);  // the root stays
    }

    // Items placed where they take over existing items as children change
    // more than rows: the model starts afresh rather than say less.
    void anInsertThatAdoptsExistingItemsResetsTheModel()
    {
        TModelRig rig;
        QSignalSpy reset(&rig.model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(&rig.model, &QAbstractItemModel::rowsInserted);
        rig.document.InsertItems(1, {Item("Z", 1)});  // before A1: a sibling run, no reset
        QCOMPARE(reset.count(), 0);
        QCOMPARE(RowsSaid(inserted), QString("A 0-0"));
        rig.document.InsertItems(4, {Item("P", 1)});  // before A2x, one level up: P adopts A2x
        QCOMPARE(reset.count(), 1);
        QCOMPARE(rig.Outline(), QString("(A(Z, A1, A2, P(A2x)), B, C)"));
        rig.document.RemoveItems(4, 1);  // P goes, A2x is left one level too deep
        QCOMPARE(reset.count(), 2);
        QCOMPARE(rig.Outline(), QString("(A(Z, A1, A2(A2x)), B, C)"));
    }

    void fieldChangesReachOnlyTheirNode()
    {
        TModelRig rig;
        QSignalSpy changed(&rig.model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&rig.model, &QAbstractItemModel::modelReset);
        rig.document.SetField(4, ICaption, "  Blog  ");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first()[0].value<QModelIndex>(), rig.model.IndexOfItem(4));
        QCOMPARE(rig.Root().Child(1).Text(), QString("Blog"));  // without the blanks
        rig.document.SetField(4, pSeparator, "1");
        QCOMPARE(changed.count(), 2);
        QVERIFY(rig.model.IndexOfItem(4).data(kSeparatorRole).toBool());
        rig.document.SetField(4, pItemFontSize, "14");
        QCOMPARE(changed.count(), 2);  // nothing the tree shows
        rig.document.SetField(5, pLevel, "1");  // C under B
        QCOMPARE(reset.count(), 1);
        QCOMPARE(rig.Outline(), QString("(A(A1, A2(A2x)), Blog(C))"));
        rig.document.SetField(kAppletTarget, pSlideOpenSubMenuEnabled, "0");
        QCOMPARE(changed.count(), 2);
    }

    // The drag's own drop events through the view's viewport: a subtree
    // dropped onto another item becomes its last child, in one step.
    void aDropOnTheViewportMovesTheDraggedSubtree()
    {
        TEditorRig rig;
        TNode a = rig.Add(rig.Root(), "A");
        rig.Add(a, "A1");
        rig.Add(rig.Root(), "B");
        TNode c = rig.Add(rig.Root(), "C");
        QVERIFY(rig.ShowTreeOpen());
        QTreeView* tree = rig.Tree();
        rig.Select(a);
        // A drag made of events has no source widget, which the tree's
        // internal moves ask for; the same handlers take it otherwise.
        tree->setDragDropMode(QAbstractItemView::DragDrop);

        const auto dropAt = [&](const QPoint& point) {
            std::unique_ptr<QMimeData> data(tree->model()->mimeData({tree->currentIndex()}));
            QVERIFY(data);
            QDragEnterEvent enter(point, Qt::MoveAction, data.get(), Qt::LeftButton, {});
            QCoreApplication::sendEvent(tree->viewport(), &enter);
            QDragMoveEvent move(point, Qt::MoveAction, data.get(), Qt::LeftButton, {});
            QCoreApplication::sendEvent(tree->viewport(), &move);
            QDropEvent drop(point, Qt::MoveAction, data.get(), Qt::LeftButton, {});
            QCoreApplication::sendEvent(tree->viewport(), &drop);
            // The view never moves rows itself: the document does.
            QCOMPARE(drop.dropAction(), Qt::IgnoreAction);
        };
        dropAt(tree->visualRect(c).center());
        QCOMPARE(rig.ListCaptions(), QStringList({"B", "C", "A", "A1"}));
        QCOMPARE(rig.host.agent.GetItem(2)[pLevel], std::string("1"));
        QCOMPARE(rig.host.agent.GetItem(3)[pLevel], std::string("2"));
        QCOMPARE(rig.TreeCaptions(), rig.ListCaptions());
        QCOMPARE(rig.host.document.UndoStack().undoText(), QString("Move 'A'"));
        rig.host.document.UndoStack().undo();
        QCOMPARE(rig.ListCaptions(), QStringList({"A", "A1", "B", "C"}));
        rig.host.document.UndoStack().redo();

        // Into its own subtree: refused.
        tree->expandAll();
        const TNode movedA = rig.Root().Child(1).Child(0);
        rig.Select(movedA);
        const int steps = rig.host.document.UndoStack().count();
        dropAt(tree->visualRect(movedA.Child(0)).center());
        QCOMPARE(rig.host.document.UndoStack().count(), steps);
        QCOMPARE(rig.ListCaptions(), QStringList({"B", "C", "A", "A1"}));
    }

    // F2 opens the editor in the view; Enter makes the rename one step,
    // and Esc leaves everything as it was.
    void f2RenamesInPlaceAndEscapeKeepsTheCaption()
    {
        TEditorRig rig;
        rig.Add(rig.Root(), "Home");
        QVERIFY(rig.ShowTreeOpen());
        QTreeView* tree = rig.Tree();
        rig.Select(rig.Root());
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_F2);
        QVERIFY(!tree->findChild<QLineEdit*>("edtTreeCaption"));  // the root has no caption to type
        rig.Select(rig.Root().Child(0));
        const int steps = rig.host.document.UndoStack().count();
        QTest::keyClick(tree, Qt::Key_F2);
        QPointer<QLineEdit> box = tree->findChild<QLineEdit*>("edtTreeCaption");
        QVERIFY(box);
        QCOMPARE(box->text(), QString("Home"));
        box->selectAll();
        QTest::keyClicks(box, "Start");
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_VERIFY(box.isNull());
        QCOMPARE(rig.ListCaptions(), QStringList({"Home"}));
        QTest::keyClick(tree, Qt::Key_F2);
        box = tree->findChild<QLineEdit*>("edtTreeCaption");
        QVERIFY(box);
        box->selectAll();
        QTest::keyClicks(box, "Start");
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(rig.ListCaptions(), QStringList({"Start"}));
        QCOMPARE(rig.Root().Child(0).Text(), QString("Start"));
        QCOMPARE(rig.host.document.UndoStack().count(), steps + 1);
        QCOMPARE(rig.host.document.UndoStack().undoText(), QString("Rename"));
    }
};

QTEST_MAIN(TestTreeModel)
#include "tst_treemodel.moc"

#pragma once
// The menu tree panel: the tree view trvwDesignPanel with its two pictures and
// its pop-up menu, seen by the agent through TMenuTree (node = QTreeWidgetItem*).
// It is a view of the document: it follows the document's notifications, and
// the user's edits in it (a caption typed in place, a subtree dropped
// elsewhere) go out as requests, never changing the tree by themselves.
//
// Absolute (pre-order) indices are served from a cached node order that is
// rebuilt once after a structural change, so a command costs O(n) and reading
// a file node by node stays linear: nodes appended at the end of the
// pre-order, as the file readers add them, extend the cache in place.

#include <QHash>
#include <QIcon>
#include <QVector>
#include <QWidget>

#include "model/menutree.h"
#include "model/records.h"

class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class TEditorDocument;

class TDesignPanel final : public QWidget, public TMenuTree {
    Q_OBJECT
public:
    explicit TDesignPanel(QWidget* parent = nullptr);

    QTreeWidget* TreeWidget() const { return tree_; }
    // True when node lies in the subtree of top (top included).
    static bool IsWithin(Node node, Node top);
    QMenu* PopupMenu() const { return popup_; }

    static QTreeWidgetItem* Item(Node node) { return static_cast<QTreeWidgetItem*>(node); }
    Node Selected() const;
    void Select(Node node);  // makes the node current and selected

    // Follows the document's items from now on (the tree must show them).
    void Follow(const TEditorDocument& document);
    // The node of item k, and the item of a node (-1 for the root).
    QTreeWidgetItem* NodeOfItem(int k) const { return Item(NodeAt(k + 1)); }
    int ItemOfNode(Node node) const { return AbsoluteIndex(node) - 1; }
    // Every node's text and separator mark from the items.
    void ShowItems(const TItemArray& items);
    // Item k's node as the document has it, whatever was typed into it.
    void ShowItemAt(int k) { ShowItemFields(k, ICaption); }
    // What dropping the current node's subtree at a point of the tree's
    // viewport asks for (dropRequested); false where it may not go.
    bool DropCurrentAt(const QPoint& point);

    // TMenuTree
    void Clear() override;
    Node AddRoot(const std::string& text) override;
    int Count() const override;
    Node Root() const override;
    Node NodeAt(int absoluteIndex) const override;
    int AbsoluteIndex(Node node) const override;
    int Level(Node node) const override;
    Node Parent(Node node) const override;
    int ChildCount(Node node) const override;
    Node Child(Node node, int i) const override;
    Node NextSibling(Node node) const override;
    Node PrevSibling(Node node) const override;
    Node AddChild(Node parent, const std::string& text) override;
    std::string Text(Node node) const override;
    void SetText(Node node, const std::string& text) override;
    void DeleteSubtree(Node node) override;
    void MoveBefore(Node node, Node sibling) override;
    void Expand(Node node) override;
    void Collapse(Node node) override;

signals:
    // A press of any mouse button on the tree, after Qt has moved the selection.
    void treeMousePressed();
    // The user renamed item k in place (F2).
    void captionEdited(int k, const QString& text);
    // The user dropped item k's subtree to be child number `position` of
    // item `parent` (-1: the main menu); the tree itself is unchanged.
    void dropRequested(int k, int parent, int position);

private:
    void InsertItems(int index, int count);
    void RemoveItems(int index, int count);
    void ShowItemFields(int k, int field);
    static void ShowItem(QTreeWidgetItem* node, const TItemData& item);
    void EnsureOrder() const;
    void Invalidate() const { orderValid_ = false; }
    bool EndsThePreOrder(QTreeWidgetItem* item) const;

    QTreeWidget* tree_;
    QMenu* popup_;
    const TEditorDocument* document_ = nullptr;
    bool showing_ = false;  // the panel itself is setting a node's text
    mutable QVector<QTreeWidgetItem*> order_;
    mutable QHash<QTreeWidgetItem*, int> indexOf_;
    mutable bool orderValid_ = false;
};

// The panel's pictures, drawn rather than shipped.
QIcon ItemNodeIcon();     // a grey box lit white along its top and left edges
QIcon RootNodeIcon();     // five coloured squares set like a die's five

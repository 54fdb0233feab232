#pragma once
// A node of the editor's menu tree as the tests walk it: an index of the
// tree view's model that follows its node while other rows come and go.

#include <QAbstractItemModel>
#include <QPersistentModelIndex>
#include <QTreeView>

class TNode {
public:
    TNode() = default;
    TNode(const QModelIndex& index) : index_(index) {}
    operator QModelIndex() const { return index_; }
    explicit operator bool() const { return index_.isValid(); }
    bool operator==(const TNode& other) const { return QModelIndex(index_) == QModelIndex(other.index_); }
    bool operator!=(const TNode& other) const { return !(*this == other); }

    TNode Child(int i) const { return index_.model()->index(i, 0, index_); }
    int ChildCount() const { return index_.model()->rowCount(index_); }
    TNode Parent() const { return index_.parent(); }
    QString Text() const { return index_.data().toString(); }

    // The root node "Trellimenu 2006": the tree's one top row.
    static TNode RootOf(const QTreeView* tree) { return tree->model()->index(0, 0); }

private:
    QPersistentModelIndex index_;
};

// The nodes below `node` in pre-order, itself excluded.
inline QList<TNode> NodesBelow(const TNode& node)
{
    QList<TNode> nodes;
    for (int i = 0; i < node.ChildCount(); ++i)
        nodes << node.Child(i) << NodesBelow(node.Child(i));
    return nodes;
}

// Their texts.
inline QStringList TextsBelow(const TNode& node)
{
    QStringList texts;
    for (const TNode& below : NodesBelow(node))
        texts << below.Text();
    return texts;
}

// How far below the root a node hangs: 1 for a main menu item.
inline int DepthOf(const TNode& node)
{
    int depth = 0;
    for (TNode up = node.Parent(); up; up = up.Parent())
        ++depth;
    return depth;
}

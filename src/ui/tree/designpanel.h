#pragma once
// The menu tree panel: the view trvwDesignPanel over the document's tree
// model, with its pop-up menu. It is a view of the document: the model
// follows the document's notifications, and the user's edits in the view (a
// caption typed in place, a subtree dropped elsewhere) go out as requests,
// never changing the tree by themselves.

#include <QModelIndex>
#include <QWidget>

class QMenu;
class QTreeView;
class TEditorDocument;
class TMenuTreeModel;

class TDesignPanel final : public QWidget {
    Q_OBJECT
public:
    TDesignPanel(const TEditorDocument& document, QWidget* parent = nullptr);

    QTreeView* TreeView() const { return tree_; }
    TMenuTreeModel& Model() const { return *model_; }
    QMenu* PopupMenu() const { return popup_; }

    // The current node's item: -1 for the root, -2 when nothing is current.
    int SelectedItem() const;
    // Makes item k's node (the root's for -1) current and selected.
    void SelectItem(int k);
    // Opens the in-place editor on the current item's caption.
    void RenameCurrent();

signals:
    // The current node changed (the user, or SelectItem).
    void currentChanged();
    // A press of any mouse button on the tree, after Qt has moved the selection.
    void treeMousePressed();
    // The user dropped item k's subtree to be child number `position` of
    // item `parent` (-1: the main menu); the tree itself is unchanged.
    void dropRequested(int k, int parent, int position);

private:
    TMenuTreeModel* model_;
    QMenu* popup_;
    QTreeView* tree_;
};

#pragma once
// The menu tree as an item model over the editor document: one top row, the
// root that stands for the menu itself, and under it the document's items as
// their levels describe them. It holds no copy of the items; it follows the
// document's notifications (items inserted and removed, fields changed, the
// whole document replaced) and reports each as the matching model change.
//
// An index names its node by a number that stays with the item while other
// items come and go, so the views' persistent indexes (the current item, the
// expanded ones) survive every edit that leaves the node itself in place.
// The parent and sibling tables are built from the levels once after a
// structural change, at the first question, so a replaced document costs
// nothing until a view asks and each question after that costs O(1).
//
// A caption typed into a view (setData) is not stored: it goes out as
// renameRequested, and the document's change comes back as any other.

#include <QAbstractItemModel>
#include <QIcon>
#include <optional>
#include <vector>

#include "model/menushape.h"
#include "model/records.h"

class TEditorDocument;

// Whether an item is a separator, for the views that draw one.
inline constexpr int kSeparatorRole = Qt::UserRole + 1;

class TMenuTreeModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TMenuTreeModel(const TEditorDocument& document, QObject* parent = nullptr);

    // The root's index, and an item's by list position (the root's for -1).
    QModelIndex RootIndex() const;
    QModelIndex IndexOfItem(int k) const;
    // The list position of an index's item: -1 for the root, -2 for none.
    int ItemOf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;

signals:
    // The user typed a caption for item k into a view.
    void renameRequested(int k, const QString& text);

private:
    // Node numbers: 0 is the root; items take fresh numbers as they arrive.
    static constexpr quintptr kRootId = 0;

    void BeginReset();
    void EndReset();
    void ShowAnew();  // a reset, for changes no row edit describes
    void ItemsAboutToBeInserted(int index, const TItemArray& block);
    void ItemsInserted(int index, int count);
    void ItemsAboutToBeRemoved(int index, int count);
    void ItemsRemoved(int index, int count);
    void FieldChanged(int target, int field);
    void AllFieldsChanged();

    const TMenuShape& Shape() const;
    int PositionOf(quintptr id) const;
    const std::vector<int>& Children(int parent) const { return Shape().Children(parent); }
    void ForgetStructure() const;
    void NumberItems();

    const TEditorDocument& document_;
    std::vector<quintptr> idOf_;  // by list position
    quintptr nextId_ = 1;
    // Built on demand after each structural change.
    mutable std::optional<TMenuShape> shape_;
    mutable std::vector<int> positionOf_;  // by node number; -1 for none
    mutable bool positionsValid_ = false;
    // What an announced insert or removal (begun as rows or as a reset) waits for.
    enum class Pending { None, Rows, Reset } pending_ = Pending::None;
    QIcon rootIcon_;
    QIcon itemIcon_;
};

// The pictures of the tree, drawn rather than shipped.
QIcon ItemNodeIcon();  // a grey box lit white along its top and left edges
QIcon RootNodeIcon();  // five coloured squares set like a die's five

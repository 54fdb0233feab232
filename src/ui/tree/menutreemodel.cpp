#include "ui/tree/menutreemodel.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <numeric>
#include <utility>

#include "model/fieldrules.h"
#include "model/itemtree.h"
#include "model/product.h"
#include "ui/document/editordocument.h"

namespace {

QIcon Drawn(void (*draw)(QPainter&))
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    return QIcon(pixmap);
}

// Whether a block of items is a run of whole sibling subtrees that fits
// between the item before it and the one after it (none: nullptr): under an
// item one level up, and followed by nothing deeper, which would otherwise
// change parents. Every edit the commands make has this shape; anything
// else is shown as a new tree.
bool IsSiblingRun(const TItemData* before, TItemArray::const_iterator first, TItemArray::const_iterator last,
                  const TItemData* after)
{
    if (first == last)
        return false;
    const int level = LevelOf(*first);
    if (level < 0 || level > (before ? LevelOf(*before) + 1 : 0))
        return false;
    if (std::any_of(first, last, [level](const TItemData& item) { return LevelOf(item) < level; }))
        return false;
    return !after || LevelOf(*after) <= level;
}

// The block's top items: the rows it adds to its parent.
int TopsOf(TItemArray::const_iterator first, TItemArray::const_iterator last)
{
    const int level = LevelOf(*first);
    return static_cast<int>(std::count_if(first, last, [level](const TItemData& item) { return LevelOf(item) == level; }));
}

}  // namespace

QIcon ItemNodeIcon()
{
    return Drawn([](QPainter& p) {
        p.fillRect(2, 2, 12, 12, QColor(0xC0, 0xC0, 0xC0));
        p.setPen(Qt::white);
        p.drawLine(2, 2, 13, 2);
        p.drawLine(2, 2, 2, 13);
        p.setPen(QColor(0x60, 0x60, 0x60));
        p.drawLine(3, 13, 13, 13);
        p.drawLine(13, 3, 13, 13);
    });
}

QIcon RootNodeIcon()
{
    return Drawn([](QPainter& p) {
        const struct { int x, y; QColor colour; } squares[] = {
            {1, 1, Qt::red}, {10, 1, Qt::cyan}, {5, 5, Qt::yellow}, {1, 10, Qt::blue}, {10, 10, Qt::green},
        };
        for (const auto& s : squares) {
            p.fillRect(s.x, s.y, 5, 5, s.colour);
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.drawRect(s.x, s.y, 4, 4);
        }
    });
}

TMenuTreeModel::TMenuTreeModel(const TEditorDocument& document, QObject* parent)
    : QAbstractItemModel(parent), document_(document), rootIcon_(RootNodeIcon()), itemIcon_(ItemNodeIcon())
{
    NumberItems();
    connect(&document, &TEditorDocument::aboutToBeReplaced, this, &TMenuTreeModel::BeginReset);
    connect(&document, &TEditorDocument::documentReplaced, this, &TMenuTreeModel::EndReset);
    connect(&document, &TEditorDocument::itemsAboutToBeInserted, this, &TMenuTreeModel::ItemsAboutToBeInserted);
    connect(&document, &TEditorDocument::itemsInserted, this, &TMenuTreeModel::ItemsInserted);
    connect(&document, &TEditorDocument::itemsAboutToBeRemoved, this, &TMenuTreeModel::ItemsAboutToBeRemoved);
    connect(&document, &TEditorDocument::itemsRemoved, this, &TMenuTreeModel::ItemsRemoved);
    connect(&document, &TEditorDocument::fieldChanged, this, &TMenuTreeModel::FieldChanged);
    connect(&document, &TEditorDocument::normalized, this, &TMenuTreeModel::AllFieldsChanged);
}

void TMenuTreeModel::NumberItems()
{
    idOf_.resize(document_.Items().size());
    std::iota(idOf_.begin(), idOf_.end(), quintptr(1));
    nextId_ = idOf_.size() + 1;
    ForgetStructure();
}

void TMenuTreeModel::ForgetStructure() const
{
    shape_.reset();
    positionsValid_ = false;
}

const TMenuShape& TMenuTreeModel::Shape() const
{
    if (!shape_)
        shape_ = TMenuShape::FromLevels(document_.Items());
    return *shape_;
}

int TMenuTreeModel::PositionOf(quintptr id) const
{
    if (!positionsValid_) {
        positionOf_.assign(nextId_, -1);
        for (size_t k = 0; k < idOf_.size(); ++k)
            positionOf_[idOf_[k]] = static_cast<int>(k);
        positionsValid_ = true;
    }
    return id < positionOf_.size() ? positionOf_[id] : -1;
}

QModelIndex TMenuTreeModel::RootIndex() const
{
    return createIndex(0, 0, kRootId);
}

QModelIndex TMenuTreeModel::IndexOfItem(int k) const
{
    if (k < 0 || k >= static_cast<int>(idOf_.size()))
        return RootIndex();
    return createIndex(Shape().IndexInGroup(k), 0, idOf_[size_t(k)]);
}

int TMenuTreeModel::ItemOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return -2;
    return index.internalId() == kRootId ? -1 : PositionOf(index.internalId());
}

QModelIndex TMenuTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column != 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? RootIndex() : QModelIndex();
    const int k = ItemOf(parent);
    if (k < -1)
        return {};
    const std::vector<int>& children = Children(k);
    return row < static_cast<int>(children.size()) ? createIndex(row, 0, idOf_[size_t(children[size_t(row)])])
                                                   : QModelIndex();
}

QModelIndex TMenuTreeModel::parent(const QModelIndex& child) const
{
    const int k = ItemOf(child);
    if (k < 0)
        return {};
    return IndexOfItem(Shape().Parent(k));
}

int TMenuTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return 1;
    const int k = ItemOf(parent);
    return k < -1 || parent.column() != 0 ? 0 : static_cast<int>(Children(k).size());
}

int TMenuTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool TMenuTreeModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant TMenuTreeModel::data(const QModelIndex& index, int role) const
{
    const int k = ItemOf(index);
    if (k < -1)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return k < 0 ? QString::fromUtf8(kRootNodeText)
                     : QString::fromStdString(TrimBlanks(document_.Items()[size_t(k)][ICaption]));
    case Qt::DecorationRole:
        return k < 0 ? rootIcon_ : itemIcon_;
    case kSeparatorRole:
        return k >= 0 && document_.Items()[size_t(k)][pSeparator] == "1";
    default:
        return {};
    }
}

bool TMenuTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int k = ItemOf(index);
    if (k < 0 || role != Qt::EditRole)
        return false;
    emit renameRequested(k, value.toString());
    // The caption shown is the document's, whether the rename was taken or not.
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TMenuTreeModel::flags(const QModelIndex& index) const
{
    const int k = ItemOf(index);
    if (k < -1)
        return Qt::ItemIsDropEnabled;
    const Qt::ItemFlags both = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    return k < 0 ? both : both | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

Qt::DropActions TMenuTreeModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

void TMenuTreeModel::BeginReset()
{
    beginResetModel();
}

void TMenuTreeModel::EndReset()
{
    NumberItems();
    endResetModel();
}

void TMenuTreeModel::ShowAnew()
{
    BeginReset();
    EndReset();
}

void TMenuTreeModel::ItemsAboutToBeInserted(int index, const TItemArray& block)
{
    const TItemArray& items = document_.Items();
    const int size = static_cast<int>(items.size());
    const TItemData* before = index > 0 ? &items[size_t(index) - 1] : nullptr;
    const TItemData* after = index < size ? &items[size_t(index)] : nullptr;
    if (!IsSiblingRun(before, block.begin(), block.end(), after)) {
        pending_ = Pending::Reset;
        beginResetModel();
        return;
    }
    // The new items' parent: the nearest item before them one level up.
    const int level = LevelOf(block.front());
    int parent = index - 1;
    while (parent >= 0 && LevelOf(items[size_t(parent)]) >= level)
        --parent;
    const std::vector<int>& siblings = Children(parent);
    const int row = static_cast<int>(std::lower_bound(siblings.begin(), siblings.end(), index) - siblings.begin());
    pending_ = Pending::Rows;
    beginInsertRows(IndexOfItem(parent), row, row + TopsOf(block.begin(), block.end()) - 1);
}

void TMenuTreeModel::ItemsInserted(int index, int count)
{
    if (std::exchange(pending_, Pending::None) == Pending::Reset) {
        EndReset();
        return;
    }
    std::vector<quintptr> ids(size_t(count), 0);
    std::iota(ids.begin(), ids.end(), nextId_);
    idOf_.insert(idOf_.begin() + index, ids.begin(), ids.end());
    nextId_ += quintptr(count);
    ForgetStructure();
    endInsertRows();
}

void TMenuTreeModel::ItemsAboutToBeRemoved(int index, int count)
{
    const TItemArray& items = document_.Items();
    const int size = static_cast<int>(items.size());
    const int end = index + count;
    const TItemData* before = index > 0 ? &items[size_t(index) - 1] : nullptr;
    const TItemData* after = end < size ? &items[size_t(end)] : nullptr;
    if (!IsSiblingRun(before, items.begin() + index, items.begin() + end, after)) {
        pending_ = Pending::Reset;
        beginResetModel();
        return;
    }
    const int row = Shape().IndexInGroup(index);
    pending_ = Pending::Rows;
    beginRemoveRows(IndexOfItem(Shape().Parent(index)), row,
                    row + TopsOf(items.begin() + index, items.begin() + end) - 1);
}

void TMenuTreeModel::ItemsRemoved(int index, int count)
{
    if (std::exchange(pending_, Pending::None) == Pending::Reset) {
        EndReset();
        return;
    }
    idOf_.erase(idOf_.begin() + index, idOf_.begin() + index + count);
    ForgetStructure();
    endRemoveRows();
}

void TMenuTreeModel::FieldChanged(int target, int field)
{
    if (target < 0)
        return;
    if (field == pLevel) {
        // A level set on its own moves items between parents.
        ShowAnew();
    } else if (field == ICaption || field == pSeparator) {
        const QModelIndex changed = IndexOfItem(target);
        emit dataChanged(changed, changed);
    }
}

void TMenuTreeModel::AllFieldsChanged()
{
    // Normalising keeps the structure; any caption may read differently.
    const QModelIndex root = RootIndex();
    const int rows = rowCount(root);
    if (rows > 0)
        emit dataChanged(index(0, 0, root), index(rows - 1, 0, root));
}

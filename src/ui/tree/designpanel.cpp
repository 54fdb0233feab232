#include "ui/tree/designpanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "model/fieldrules.h"
#include "model/itemtree.h"
#include "ui/document/editordocument.h"

namespace {

const char* const kTreeHint = "Add, modify or remove the item here by clicking Right-Button in mouse";
constexpr int kSeparatorRole = Qt::UserRole + 1;

// Separators read as a line, their caption greyed; captions typed in place
// stay on one line.
class TNodeDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!index.data(kSeparatorRole).toBool()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem grey = option;
        initStyleOption(&grey, index);
        const QColor text = option.palette.color(QPalette::Disabled, QPalette::Text);
        grey.palette.setColor(QPalette::Text, text);
        grey.palette.setColor(QPalette::HighlightedText, text.lighter(150));
        QStyledItemDelegate::paint(painter, grey, QModelIndex());
        const QString caption = index.data(Qt::DisplayRole).toString();
        const int textEnd = option.rect.left() + option.decorationSize.width() + 8 +
                            option.fontMetrics.horizontalAdvance(caption) + 6;
        const int y = option.rect.center().y();
        painter->save();
        painter->setPen(QPen(text, 1));
        painter->drawLine(std::min(textEnd, option.rect.right()), y, option.rect.right() - 4, y);
        painter->restore();
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            edit->setObjectName("edtTreeCaption");
        return editor;
    }
};

QTreeWidgetItem* Sibling(QTreeWidgetItem* item, int step)
{
    QTreeWidgetItem* parent = item ? item->parent() : nullptr;
    if (!parent)
        return nullptr;  // the root has no siblings
    const int i = parent->indexOfChild(item) + step;
    return (i >= 0 && i < parent->childCount()) ? parent->child(i) : nullptr;
}

// The tree view itself: a right click selects the node under the pointer
// before the pop-up menu opens, and every press is reported after the view
// has moved the selection.
class TDesignTree final : public QTreeWidget {
public:
    TDesignTree(QWidget* parent, QMenu* popup, std::function<void()> pressed)
        : QTreeWidget(parent), popup_(popup), pressed_(std::move(pressed))
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::RightButton) {
            if (QTreeWidgetItem* hit = itemAt(event->position().toPoint()))
                setCurrentItem(hit);
        }
        QTreeWidget::mousePressEvent(event);
        pressed_();
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (event->reason() == QContextMenuEvent::Keyboard)
            PopupAtCurrent();
        else if (currentItem())
            popup_->popup(event->globalPos());
    }

public:
    // The menu key and Shift+F10: below the selected node's text.
    void PopupAtCurrent()
    {
        if (QTreeWidgetItem* item = currentItem()) {
            scrollToItem(item);
            popup_->popup(viewport()->mapToGlobal(visualItemRect(item).bottomLeft()));
        }
    }

protected:
    // A drop only says where the dragged subtree should go; the document
    // moves it and the tree follows.
    void dragMoveEvent(QDragMoveEvent* event) override
    {
        QTreeWidget::dragMoveEvent(event);
        if (event->isAccepted() && !DropPlace(event->position().toPoint()).valid)
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override
    {
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        DropCurrentAt(event->position().toPoint());
    }

public:
    bool DropCurrentAt(const QPoint& point)
    {
        const TDropPlace place = DropPlace(point);
        if (place.valid && onDrop)
            onDrop(currentItem(), place.parent, place.position);
        return place.valid;
    }

    std::function<void(QTreeWidgetItem* dragged, QTreeWidgetItem* parent, int position)> onDrop;

private:
    // Above, below or on the item, by the same margins the view's indicator uses.
    DropIndicatorPosition Where(const QPoint& point, QTreeWidgetItem* target) const
    {
        const QRect rect = visualItemRect(target);
        const int margin = std::clamp(rect.height() * 2 / 11, 2, 12);
        if (point.y() - rect.top() < margin)
            return AboveItem;
        if (rect.bottom() - point.y() < margin)
            return BelowItem;
        return OnItem;
    }

    struct TDropPlace {
        bool valid = false;
        QTreeWidgetItem* parent = nullptr;
        int position = 0;
    };
    // Where the dragged subtree would go: under the item dropped on, or
    // before or after it. Never into its own subtree, never beside the root.
    TDropPlace DropPlace(const QPoint& point) const
    {
        QTreeWidgetItem* dragged = currentItem();
        QTreeWidgetItem* root = topLevelItem(0);
        QTreeWidgetItem* target = itemAt(point);
        TDropPlace place;
        if (!dragged || dragged == root)
            return place;
        const DropIndicatorPosition where = target ? Where(point, target) : OnViewport;
        if (where == OnViewport || !target) {
            place.parent = root;
            place.position = root->childCount();
        } else if (where == OnItem) {
            place.parent = target;
            place.position = target->childCount();
        } else {
            if (target == root)
                return place;
            place.parent = target->parent();
            place.position = place.parent->indexOfChild(target) + (where == BelowItem ? 1 : 0);
        }
        for (QTreeWidgetItem* up = place.parent; up; up = up->parent()) {
            if (up == dragged)
                return place;
        }
        // Counted without the dragged subtree when it stands before the place.
        if (place.parent == dragged->parent() && place.parent->indexOfChild(dragged) < place.position)
            --place.position;
        place.valid = true;
        return place;
    }

private:
    QMenu* popup_;
    std::function<void()> pressed_;
};

QIcon Drawn(void (*draw)(QPainter&))
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    return QIcon(pixmap);
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

TDesignPanel::TDesignPanel(QWidget* parent)
    : QWidget(parent), popup_(new QMenu(this))
{
    tree_ = new TDesignTree(this, popup_, [this] { emit treeMousePressed(); });
    setObjectName("pnlDesignPanel");
    tree_->setObjectName("trvwDesignPanel");
    popup_->setObjectName("PopupMenu1");
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setIndentation(19);
    // F2 renames an item in place; subtrees can be dragged where they belong.
    tree_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    tree_->setItemDelegate(new TNodeDelegate(tree_));
    tree_->setDragEnabled(true);
    tree_->setAcceptDrops(true);
    tree_->setDropIndicatorShown(true);
    tree_->setDragDropMode(QAbstractItemView::InternalMove);
    static_cast<TDesignTree*>(tree_)->onDrop = [this](QTreeWidgetItem* dragged, QTreeWidgetItem* parent, int position) {
        emit dropRequested(ItemOfNode(dragged), ItemOfNode(parent), position);
    };
    connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* node) {
        if (!showing_ && node != Root())
            emit captionEdited(ItemOfNode(node), node->text(0));
    });
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setUniformRowHeights(true);
    // Shift+F10 and the menu key open the pop-up menu as a right click does.
    auto* menuKey = new QAction(tree_);
    menuKey->setObjectName("mnitTreeMenuKey");
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    menuKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(menuKey, &QAction::triggered, this, [this] { static_cast<TDesignTree*>(tree_)->PopupAtCurrent(); });
    tree_->addAction(menuKey);
    tree_->setToolTip(kTreeHint);
    // The selection stays visible when the focus leaves the tree.
    QPalette palette = tree_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::HighlightedText));
    tree_->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
}

TMenuTree::Node TDesignPanel::Selected() const
{
    return tree_->currentItem();
}

void TDesignPanel::Select(Node node)
{
    if (!node)
        return;
    tree_->setCurrentItem(Item(node));
    Item(node)->setSelected(true);
}

bool TDesignPanel::IsWithin(Node node, Node top)
{
    for (QTreeWidgetItem* item = Item(node); item; item = item->parent()) {
        if (item == top)
            return true;
    }
    return false;
}

void TDesignPanel::Clear()
{
    tree_->clear();
    Invalidate();
}

TMenuTree::Node TDesignPanel::AddRoot(const std::string& text)
{
    auto* root = new QTreeWidgetItem(QStringList(QString::fromStdString(text)));
    root->setIcon(0, RootNodeIcon());
    root->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled);
    tree_->addTopLevelItem(root);
    Invalidate();
    return root;
}

void TDesignPanel::EnsureOrder() const
{
    if (orderValid_)
        return;
    order_.clear();
    indexOf_.clear();
    QVector<QTreeWidgetItem*> stack;
    for (int i = tree_->topLevelItemCount() - 1; i >= 0; --i)
        stack.append(tree_->topLevelItem(i));
    while (!stack.isEmpty()) {
        QTreeWidgetItem* item = stack.takeLast();
        indexOf_.insert(item, order_.size());
        order_.append(item);
        for (int i = item->childCount() - 1; i >= 0; --i)
            stack.append(item->child(i));
    }
    orderValid_ = true;
}

int TDesignPanel::Count() const
{
    EnsureOrder();
    return order_.size();
}

TMenuTree::Node TDesignPanel::Root() const
{
    return tree_->topLevelItemCount() > 0 ? tree_->topLevelItem(0) : nullptr;
}

TMenuTree::Node TDesignPanel::NodeAt(int absoluteIndex) const
{
    EnsureOrder();
    return (absoluteIndex >= 0 && absoluteIndex < order_.size()) ? order_[absoluteIndex] : nullptr;
}

int TDesignPanel::AbsoluteIndex(Node node) const
{
    EnsureOrder();
    return indexOf_.value(Item(node), -1);
}

int TDesignPanel::Level(Node node) const
{
    int level = 0;
    for (QTreeWidgetItem* p = Item(node)->parent(); p; p = p->parent())
        ++level;
    return level;
}

TMenuTree::Node TDesignPanel::Parent(Node node) const
{
    return Item(node)->parent();
}

int TDesignPanel::ChildCount(Node node) const
{
    return Item(node)->childCount();
}

TMenuTree::Node TDesignPanel::Child(Node node, int i) const
{
    return Item(node)->child(i);
}

TMenuTree::Node TDesignPanel::NextSibling(Node node) const
{
    return Sibling(Item(node), +1);
}

TMenuTree::Node TDesignPanel::PrevSibling(Node node) const
{
    return Sibling(Item(node), -1);
}

// True when the item is the last node of the pre-order: it and each of its
// ancestors is the last child of its parent.
bool TDesignPanel::EndsThePreOrder(QTreeWidgetItem* item) const
{
    if (item->childCount() > 0)
        return false;
    for (QTreeWidgetItem* p = item; p->parent(); p = p->parent()) {
        if (p->parent()->child(p->parent()->childCount() - 1) != p)
            return false;
    }
    return tree_->topLevelItemCount() == 1;
}

TMenuTree::Node TDesignPanel::AddChild(Node parent, const std::string& text)
{
    auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(text)));
    item->setIcon(0, ItemNodeIcon());
    item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    Item(parent)->addChild(item);
    if (orderValid_ && EndsThePreOrder(item)) {
        indexOf_.insert(item, order_.size());
        order_.append(item);
    } else {
        Invalidate();
    }
    return item;
}

std::string TDesignPanel::Text(Node node) const
{
    return Item(node)->text(0).toStdString();
}

void TDesignPanel::SetText(Node node, const std::string& text)
{
    showing_ = true;
    Item(node)->setText(0, QString::fromStdString(text));
    showing_ = false;
}

bool TDesignPanel::DropCurrentAt(const QPoint& point)
{
    return static_cast<TDesignTree*>(tree_)->DropCurrentAt(point);
}

void TDesignPanel::Follow(const TEditorDocument& document)
{
    document_ = &document;
    connect(&document, &TEditorDocument::itemsInserted, this, &TDesignPanel::InsertItems);
    connect(&document, &TEditorDocument::itemsAboutToBeRemoved, this, &TDesignPanel::RemoveItems);
    connect(&document, &TEditorDocument::fieldChanged, this, &TDesignPanel::ShowItemFields);
    connect(&document, &TEditorDocument::normalized, this, [this] { ShowItems(document_->Items()); });
}

void TDesignPanel::ShowItem(QTreeWidgetItem* node, const TItemData& item)
{
    node->setText(0, QString::fromStdString(TrimBlanks(item[ICaption])));
    node->setData(0, kSeparatorRole, item[pSeparator] == "1");
}

void TDesignPanel::ShowItems(const TItemArray& items)
{
    EnsureOrder();
    showing_ = true;
    for (size_t k = 0; k < items.size() && k + 1 < size_t(order_.size()); ++k)
        ShowItem(order_[int(k) + 1], items[k]);
    showing_ = false;
}

void TDesignPanel::ShowItemFields(int k, int field)
{
    if (k < 0 || (field != ICaption && field != pSeparator))
        return;
    showing_ = true;
    ShowItem(NodeOfItem(k), document_->Items()[size_t(k)]);
    showing_ = false;
}

void TDesignPanel::InsertItems(int index, int count)
{
    // The block is built beside the tree, its nodes hung under their parents
    // as they come; only its top nodes need a place among existing nodes,
    // and those still have their old pre-order positions.
    const TItemArray& items = document_->Items();
    EnsureOrder();
    QVector<QTreeWidgetItem*> block;
    showing_ = true;
    for (int k = index; k < index + count; ++k) {
        auto* node = new QTreeWidgetItem;
        node->setIcon(0, ItemNodeIcon());
        node->setFlags(node->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
        ShowItem(node, items[size_t(k)]);
        const int parent = ParentIndex(items, k);
        if (parent >= index) {
            block[parent - index]->addChild(node);
        } else {
            QTreeWidgetItem* parentNode = order_[parent + 1];
            int position = 0;
            for (int c = parent + 1; c < k; c = SubtreeEnd(items, c))
                ++position;
            parentNode->insertChild(position, node);
            parentNode->setExpanded(true);
        }
        block.append(node);
    }
    showing_ = false;
    Invalidate();
}

void TDesignPanel::RemoveItems(int index, int count)
{
    const TItemArray& items = document_->Items();
    EnsureOrder();
    QVector<QTreeWidgetItem*> tops;
    for (int k = index; k < index + count; k = SubtreeEnd(items, k))
        tops.append(order_[k + 1]);
    for (QTreeWidgetItem* top : tops)
        delete top;
    Invalidate();
}

void TDesignPanel::DeleteSubtree(Node node)
{
    Invalidate();
    delete Item(node);
}

void TDesignPanel::MoveBefore(Node node, Node sibling)
{
    QTreeWidgetItem* parent = Item(node)->parent();
    if (!parent || parent != Item(sibling)->parent() || node == sibling)
        return;
    Invalidate();
    QTreeWidgetItem* taken = parent->takeChild(parent->indexOfChild(Item(node)));
    parent->insertChild(parent->indexOfChild(Item(sibling)), taken);
}

void TDesignPanel::Expand(Node node)
{
    Item(node)->setExpanded(true);
}

void TDesignPanel::Collapse(Node node)
{
    Item(node)->setExpanded(false);
}

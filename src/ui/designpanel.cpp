#include "designpanel.h"

#include <QContextMenuEvent>
#include <functional>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const kTreeHint = "Add, modify or remove the item here by clicking Right-Button in mouse";

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
        if (currentItem())
            popup_->popup(event->globalPos());
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
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setUniformRowHeights(true);
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
    emit aboutToRemove(nullptr);
    tree_->clear();
    Invalidate();
}

TMenuTree::Node TDesignPanel::AddRoot(const std::string& text)
{
    auto* root = new QTreeWidgetItem(QStringList(QString::fromStdString(text)));
    root->setIcon(0, RootNodeIcon());
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
    Item(node)->setText(0, QString::fromStdString(text));
}

void TDesignPanel::DeleteSubtree(Node node)
{
    emit aboutToRemove(node);
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

#include "ui/tree/designpanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "ui/tree/menutreemodel.h"

namespace {

const char* const kTreeHint = "Add, modify or remove the item here by clicking Right-Button in mouse";

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

// The tree view itself: a right click selects the node under the pointer
// before the pop-up menu opens, every press is reported after the view has
// moved the selection, and a parent that receives rows opens to show them.
class TDesignTree final : public QTreeView {
public:
    TDesignTree(QWidget* parent, QMenu* popup, std::function<void()> pressed)
        : QTreeView(parent), popup_(popup), pressed_(std::move(pressed))
    {
    }

    // The menu key and Shift+F10: below the selected node's text.
    void PopupAtCurrent()
    {
        const QModelIndex current = currentIndex();
        if (current.isValid()) {
            scrollTo(current);
            popup_->popup(viewport()->mapToGlobal(visualRect(current).bottomLeft()));
        }
    }

    bool DropCurrentAt(const QPoint& point)
    {
        const TDropPlace place = DropPlace(point);
        if (place.valid && onDrop)
            onDrop(currentIndex(), place.parent, place.position);
        return place.valid;
    }

    std::function<void(const QModelIndex& dragged, const QModelIndex& parent, int position)> onDrop;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::RightButton) {
            const QModelIndex hit = indexAt(event->position().toPoint());
            if (hit.isValid())
                setCurrentIndex(hit);
        }
        QTreeView::mousePressEvent(event);
        pressed_();
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (event->reason() == QContextMenuEvent::Keyboard)
            PopupAtCurrent();
        else if (currentIndex().isValid())
            popup_->popup(event->globalPos());
    }
    void rowsInserted(const QModelIndex& parent, int start, int end) override
    {
        QTreeView::rowsInserted(parent, start, end);
        if (parent.isValid())
            expand(parent);
    }
    // A drop only says where the dragged subtree should go; the document
    // moves it and the tree follows.
    void dragMoveEvent(QDragMoveEvent* event) override
    {
        QTreeView::dragMoveEvent(event);
        if (event->isAccepted() && !DropPlace(event->position().toPoint()).valid)
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override
    {
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        DropCurrentAt(event->position().toPoint());
        stopAutoScroll();
        setState(NoState);
        viewport()->update();
    }

private:
    // Above, below or on the item, by the same margins the view's indicator uses.
    DropIndicatorPosition Where(const QPoint& point, const QModelIndex& target) const
    {
        const QRect rect = visualRect(target);
        const int margin = std::clamp(rect.height() * 2 / 11, 2, 12);
        if (point.y() - rect.top() < margin)
            return AboveItem;
        if (rect.bottom() - point.y() < margin)
            return BelowItem;
        return OnItem;
    }

    struct TDropPlace {
        bool valid = false;
        QModelIndex parent;
        int position = 0;
    };
    // Where the dragged subtree would go: under the item dropped on, or
    // before or after it. Never into its own subtree, never beside the root.
    TDropPlace DropPlace(const QPoint& point) const
    {
        const QModelIndex dragged = currentIndex();
        const QModelIndex root = model()->index(0, 0);
        const QModelIndex target = indexAt(point);
        TDropPlace place;
        if (!dragged.isValid() || dragged == root)
            return place;
        const DropIndicatorPosition where = target.isValid() ? Where(point, target) : OnViewport;
        if (where == OnViewport) {
            place.parent = root;
            place.position = model()->rowCount(root);
        } else if (where == OnItem) {
            place.parent = target;
            place.position = model()->rowCount(target);
        } else {
            if (target == root)
                return place;
            place.parent = target.parent();
            place.position = target.row() + (where == BelowItem ? 1 : 0);
        }
        for (QModelIndex up = place.parent; up.isValid(); up = up.parent()) {
            if (up == dragged)
                return place;
        }
        // Counted without the dragged subtree when it stands before the place.
        if (place.parent == dragged.parent() && dragged.row() < place.position)
            --place.position;
        place.valid = true;
        return place;
    }

    QMenu* popup_;
    std::function<void()> pressed_;
};

}  // namespace

TDesignPanel::TDesignPanel(const TEditorDocument& document, QWidget* parent)
    : QWidget(parent), model_(new TMenuTreeModel(document, this)), popup_(new QMenu(this))
{
    auto* tree = new TDesignTree(this, popup_, [this] { emit treeMousePressed(); });
    tree_ = tree;
    setObjectName("pnlDesignPanel");
    tree_->setObjectName("trvwDesignPanel");
    popup_->setObjectName("PopupMenu1");
    tree_->setHeaderHidden(true);
    tree_->setIndentation(19);
    tree_->setUniformRowHeights(true);
    tree_->setModel(model_);
    // F2 renames an item in place; subtrees can be dragged where they belong.
    tree_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    tree_->setItemDelegate(new TNodeDelegate(tree_));
    tree_->setDragEnabled(true);
    tree_->setAcceptDrops(true);
    tree_->setDropIndicatorShown(true);
    tree_->setDragDropMode(QAbstractItemView::InternalMove);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->onDrop = [this](const QModelIndex& dragged, const QModelIndex& parent, int position) {
        emit dropRequested(model_->ItemOf(dragged), model_->ItemOf(parent), position);
    };
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TDesignPanel::currentChanged);
    // Shift+F10 and the menu key open the pop-up menu as a right click does.
    auto* menuKey = new QAction(tree_);
    menuKey->setObjectName("mnitTreeMenuKey");
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    menuKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(menuKey, &QAction::triggered, tree, &TDesignTree::PopupAtCurrent);
    tree_->addAction(menuKey);
    tree_->setToolTip(kTreeHint);
    // The selection stays visible when the focus leaves the tree.
    QPalette palette = tree_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    tree_->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
}

int TDesignPanel::SelectedItem() const
{
    return model_->ItemOf(tree_->currentIndex());
}

void TDesignPanel::SelectItem(int k)
{
    tree_->setCurrentIndex(model_->IndexOfItem(k));
}

void TDesignPanel::RenameCurrent()
{
    if (SelectedItem() >= 0)
        tree_->edit(tree_->currentIndex());
}


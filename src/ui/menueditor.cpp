#include "menueditor.h"

#include <QAction>
#include <algorithm>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>

#include "model/appletagent.h"
#include "model/records.h"
#include "ui/controlnames.h"
#include "ui/designpanel.h"
#include "ui/editorhost.h"
#include "ui/itempages.h"
#include "ui/menupages.h"
#include "ui/pagecommon.h"
#include "ui/prompts.h"

namespace {

using Node = TMenuTree::Node;

// An arrow or a plus/cross drawn for the item commands, used when the icon
// theme has no picture.
QIcon CommandIcon(const char* themeName, int kind)
{
    QIcon themed = QIcon::fromTheme(themeName);
    if (!themed.isNull())
        return themed;
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(kind == 1 ? QColor(0xC0, 0x20, 0x20) : QColor(0x20, 0x60, 0xB0), 2.5);
    p.setPen(pen);
    switch (kind) {
    case 0:  // insert: a plus
        p.drawLine(8, 2, 8, 14);
        p.drawLine(2, 8, 14, 8);
        break;
    case 1:  // delete: a cross
        p.drawLine(3, 3, 13, 13);
        p.drawLine(13, 3, 3, 13);
        break;
    default: {  // up or down: an arrow
        const bool up = kind == 2;
        p.setBrush(pen.color());
        const QPolygonF head = up ? QPolygonF({QPointF(8, 2), QPointF(2, 9), QPointF(14, 9)})
                                  : QPolygonF({QPointF(8, 14), QPointF(2, 7), QPointF(14, 7)});
        p.drawPolygon(head);
        p.drawLine(8, up ? 9 : 2, 8, up ? 14 : 7);
    }
    }
    return QIcon(pixmap);
}

}  // namespace

struct TMenuEditor::Private {
    TEditorHost& host;
    bool suppressTreeEvents = false;
    TDesignPanel* panel = nullptr;
    QTabWidget* pages = nullptr;
    TPageCommon* common = nullptr;
    TMenuPages* menuPages = nullptr;
    TItemPages* itemPages = nullptr;
    QAction* insert = nullptr;
    QAction* remove = nullptr;
    QAction* moveUp = nullptr;
    QAction* moveDown = nullptr;
    Node editedItemNode = nullptr;  // EditedItemNode

    explicit Private(TEditorHost& h) : host(h) {}
    TvarnAppletAgent& Agent() { return host.Agent(); }
    int ItemIndex(Node node) const { return panel->AbsoluteIndex(node) - 1; }
    bool IsRoot(Node node) const { return node && node == panel->Root(); }
};

TMenuEditor::TMenuEditor(TEditorHost& host, QWidget* parentWindow) : QObject(parentWindow), d(new Private(host))
{
    d->panel = new TDesignPanel(parentWindow);
    d->common = new TPageCommon(host, d->suppressTreeEvents, this);
    d->pages = new QTabWidget(parentWindow);
    d->pages->setObjectName("pgcntrl1");
    d->menuPages = new TMenuPages(*d->common, this);
    d->itemPages = new TItemPages(*d->common, this);

    // Tab order: the six first menu pages, the two item pages, then "Path".
    const QVector<TPageTab>& menu = d->menuPages->Pages();
    for (int i = 0; i + 1 < menu.size(); ++i)
        d->pages->addTab(menu[i].page, menu[i].caption);
    for (const TPageTab& tab : d->itemPages->Pages())
        d->pages->addTab(tab.page, tab.caption);
    d->pages->addTab(menu.last().page, menu.last().caption);
    d->common->WatchHint(d->pages);
    d->common->WatchHint(d->panel);
    d->common->WatchHint(d->panel->TreeWidget());

    const struct { QAction** action; const char* text; const char* tip; const char* name; const char* theme; int kind; } commands[] = {
        {&d->insert, "I&nsert", "Insert a new item", "Insert1", "list-add", 0},
        {&d->remove, "&Delete", "Delete selected item", "Delete1", "list-remove", 1},
        {&d->moveUp, "Move &Up", "Move the selected item up", "MoveUp1", "go-up", 2},
        {&d->moveDown, "Move &Down", "Move the selected item down", "MoveDown1", "go-down", 3},
    };
    for (const auto& c : commands) {
        *c.action = new QAction(CommandIcon(c.theme, c.kind), c.text, this);
        (*c.action)->setObjectName(c.name);
        (*c.action)->setToolTip(c.tip);
        d->panel->PopupMenu()->addAction(*c.action);
    }
    connect(d->insert, &QAction::triggered, this, &TMenuEditor::Insert1Click);
    connect(d->remove, &QAction::triggered, this, &TMenuEditor::Delete1Click);
    connect(d->moveUp, &QAction::triggered, this, &TMenuEditor::MoveUp1Click);
    connect(d->moveDown, &QAction::triggered, this, &TMenuEditor::MoveDown1Click);

    connect(d->panel->TreeWidget(), &QTreeWidget::currentItemChanged, this, &TMenuEditor::trvwDesignPanelChange);
    connect(d->panel, &TDesignPanel::treeMousePressed, this, &TMenuEditor::trvwDesignPanelMouseDown);
    // Whoever removes nodes (a reader clearing the tree, a command), the
    // pages are never stored into a node that is gone.
    connect(d->panel, &TDesignPanel::aboutToRemove, this, [this](Node node) {
        if (d->editedItemNode && (!node || TDesignPanel::IsWithin(d->editedItemNode, node)))
            ResetSelectionState();
    });
    connect(d->menuPages, &TMenuPages::slideOpenClicked, this, &TMenuEditor::ApplyEnablingRules);
    connect(d->itemPages, &TItemPages::enablingRulesNeeded, this, &TMenuEditor::ApplyEnablingRules);
    connect(d->itemPages, &TItemPages::captionChanged, this, &TMenuEditor::edtICaptionChange);

    ResetTree();
}

TMenuEditor::~TMenuEditor()
{
    delete d;
}

QWidget* TMenuEditor::TreePanel() const { return d->panel; }
QTabWidget* TMenuEditor::Pages() const { return d->pages; }
QAction* TMenuEditor::InsertAction() const { return d->insert; }
QAction* TMenuEditor::DeleteAction() const { return d->remove; }
QAction* TMenuEditor::MoveUpAction() const { return d->moveUp; }
QAction* TMenuEditor::MoveDownAction() const { return d->moveDown; }
TMenuTree& TMenuEditor::Tree() { return *d->panel; }

void TMenuEditor::ResetTree()
{
    ResetSelectionState();
    {
        const bool was = d->suppressTreeEvents;
        d->suppressTreeEvents = true;
        d->panel->Clear();
        d->suppressTreeEvents = was;
    }
    Node root = d->panel->AddRoot(kRootNodeText);
    d->panel->Select(root);
    ShowPagesFor(root);
    ApplyEnablingRules();
}

void TMenuEditor::RebuildTree()
{
    ResetSelectionState();
    const bool was = d->suppressTreeEvents;
    d->suppressTreeEvents = true;
    d->Agent().ShowInTree(*d->panel);
    d->suppressTreeEvents = was;
}

void TMenuEditor::ResetSelectionState()
{
    d->editedItemNode = nullptr;
}

void TMenuEditor::SetSuppressTreeEvents(bool suppress)
{
    d->suppressTreeEvents = suppress;
}

bool TMenuEditor::SuppressTreeEvents() const
{
    return d->suppressTreeEvents;
}

void TMenuEditor::GatherPages()
{
    GatherMenuPages();
    if (d->editedItemNode)
        StoreItemPages(d->editedItemNode);
    // A legacy menu that now holds a character its encoding lacks is kept
    // whole by saving it as UTF-8 from now on; the user is told once.
    if (AdoptEncodingForAll(d->Agent().Document()))
        d->host.ShowHint(QString::fromUtf8(kNowUtf8Hint));
}

void TMenuEditor::GatherMenuPages()
{
    d->Agent().SetAppletData(d->menuPages->Gather());
}

bool TMenuEditor::RefreshMenuPages()
{
    if (std::optional<TRefreshError> error = d->menuPages->Refresh(d->Agent().GetAppletData())) {
        d->host.Prompts().Error(QString("%1 (%2)").arg(error->message, ControlPath(*d->pages, error->control)));
        return false;
    }
    ApplyEnablingRules();
    return true;
}

void TMenuEditor::ApplyEnablingRules()
{
    Node s = d->panel->Selected();
    const bool item = s && !d->IsRoot(s);
    TNodeShape shape;
    if (item) {
        shape.hasPrevSibling = d->panel->PrevSibling(s) != nullptr;
        shape.hasNextSibling = d->panel->NextSibling(s) != nullptr;
        shape.hasChildren = d->panel->ChildCount(s) > 0;
    }
    d->insert->setEnabled(true);
    d->remove->setEnabled(item);
    d->moveUp->setEnabled(item && shape.hasPrevSibling);
    d->moveDown->setEnabled(item && shape.hasNextSibling);
    d->itemPages->ApplyEnablingRules(shape);
    d->menuPages->ApplyEnablingRules();
}

void TMenuEditor::ShowPagesFor(Node node)
{
    // Showing first, then hiding, keeps a page visible at every moment; the
    // tabs keep their fixed order whatever is hidden.
    const bool root = d->IsRoot(node);
    QTabWidget* tabs = d->pages;
    auto isItemPage = [this](QWidget* page) {
        const QVector<TPageTab>& items = d->itemPages->Pages();
        return std::any_of(items.begin(), items.end(), [page](const TPageTab& tab) { return tab.page == page; });
    };
    for (int i = 0; i < tabs->count(); ++i) {
        if (isItemPage(tabs->widget(i)) != root)
            tabs->setTabVisible(i, true);
    }
    tabs->setCurrentWidget(root ? d->menuPages->Pages().first().page : d->itemPages->Pages().first().page);
    for (int i = 0; i < tabs->count(); ++i) {
        if (isItemPage(tabs->widget(i)) == root)
            tabs->setTabVisible(i, false);
    }
}

void TMenuEditor::StoreItemPages(Node node)
{
    // The pages hold no level: the item keeps its place in the tree.
    const int index = d->ItemIndex(node);
    TItemData item = d->itemPages->Store();
    item[pLevel] = d->Agent().GetItem(index)[pLevel];
    d->Agent().SetItem(index, item);
}

bool TMenuEditor::LoadItemPages(Node node)
{
    if (std::optional<TRefreshError> error = d->itemPages->Load(d->Agent().GetItem(d->ItemIndex(node)))) {
        d->host.Prompts().Error(QString("%1 (%2)").arg(error->message, ControlPath(*d->pages, error->control)));
        return false;
    }
    return true;
}

void TMenuEditor::trvwDesignPanelChange()
{
    if (d->suppressTreeEvents)
        return;
    Node selected = d->panel->Selected();
    if (selected)
        ShowPagesFor(selected);
    if (d->editedItemNode)
        StoreItemPages(d->editedItemNode);
    if (!selected || d->IsRoot(selected)) {
        ApplyEnablingRules();
        return;
    }
    if (d->editedItemNode != selected) {
        if (LoadItemPages(selected)) {
            d->editedItemNode = selected;
            SetItemPagesUsable(true);
        } else {
            // The pages still hold another item's values: nothing may be
            // stored from them until a good item is loaded.
            d->editedItemNode = nullptr;
            SetItemPagesUsable(false);
        }
    }
    ApplyEnablingRules();
    d->host.MarkModified();
}

void TMenuEditor::SetItemPagesUsable(bool usable)
{
    for (const TPageTab& tab : d->itemPages->Pages())
        tab.page->setEnabled(usable);
}

void TMenuEditor::trvwDesignPanelMouseDown()
{
    if (d->suppressTreeEvents)
        return;
    if (Node selected = d->panel->Selected()) {
        ShowPagesFor(selected);
        ApplyEnablingRules();
    }
}

void TMenuEditor::edtICaptionChange(const QString& trimmed)
{
    Node selected = d->panel->Selected();
    if (!selected || d->IsRoot(selected))
        return;
    d->panel->SetText(selected, trimmed.toStdString());
}

void TMenuEditor::Insert1Click()
{
    d->host.MarkModified();
    Node selected = d->panel->Selected();
    if (!selected)
        return;
    {
        const QSignalBlocker blocker(d->panel->TreeWidget());
        d->Agent().InsertItemUnder(*d->panel, selected);
    }
    ApplyEnablingRules();
}

void TMenuEditor::Delete1Click()
{
    d->host.MarkModified();
    Node selected = d->panel->Selected();
    if (!selected)
        return;
    if (d->IsRoot(selected)) {
        d->host.Prompts().Warning("You can't delete root item.");
        return;
    }
    if (d->host.Prompts().AskYesNo("Are you sure to delete this item and all it's children?") != TPrompts::Answer::Yes)
        return;
    Node next = d->panel->NextSibling(selected);
    if (!next)
        next = d->panel->PrevSibling(selected);
    if (!next)
        next = d->panel->Parent(selected);
    {
        const QSignalBlocker blocker(d->panel->TreeWidget());
        d->Agent().DeleteItemSubtree(*d->panel, selected);
        ResetSelectionState();
        d->panel->Select(next);
    }
    // The selection change sees the tree without the deleted subtree.
    trvwDesignPanelChange();
}

void TMenuEditor::MoveUp1Click()
{
    MoveSelected(true);
}

void TMenuEditor::MoveDown1Click()
{
    MoveSelected(false);
}

void TMenuEditor::MoveSelected(bool up)
{
    d->host.MarkModified();
    Node selected = d->panel->Selected();
    if (!selected || d->IsRoot(selected))
        return;
    {
        // The same node stays selected and no selection change is reported.
        const QSignalBlocker blocker(d->panel->TreeWidget());
        Node moved = up ? selected : d->panel->NextSibling(selected);
        const bool done = up ? d->Agent().MoveItemUp(*d->panel, selected) : d->Agent().MoveItemDown(*d->panel, selected);
        if (done) {
            d->panel->Collapse(moved);
            d->panel->Expand(d->panel->Parent(moved));
        }
        d->panel->Select(selected);
    }
    ApplyEnablingRules();
}

#include "ui/window/menueditor.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeView>
#include <algorithm>
#include <optional>
#include <utility>

#include "codegen/savepreparation.h"
#include "model/fieldrules.h"
#include "model/itemtree.h"
#include "ui/document/editcommands.h"
#include "ui/document/editordocument.h"
#include "ui/document/undomacro.h"
#include "ui/pages/controlnames.h"
#include "ui/services/fieldhints.h"
#include "ui/pages/itempages.h"
#include "ui/pages/layoutpage.h"
#include "ui/pages/menupages.h"
#include "ui/pages/pagecommon.h"
#include "ui/services/editorservices.h"
#include "ui/services/hints.h"
#include "ui/services/prompts.h"
#include "ui/services/toolbaricons.h"
#include "ui/tree/designpanel.h"
#include "ui/tree/itemcommands.h"
#include "ui/tree/menutreemodel.h"

namespace {

// Fields whose value decides what else on the pages may be used.
bool AffectsEnabling(int target, int field)
{
    return target == kAppletTarget ? field == pSlideOpenSubMenuEnabled
                                   : field == pSeparator || field == UseURLAsStatusBarMsg ||
                                         field == UseStatusMsgAsPopDescMsg;
}

}  // namespace

struct TMenuEditor::Private {
    TEditorServices services;
    TItemCommands commands;
    bool suppressTreeEvents = false;
    TDesignPanel* panel = nullptr;
    QTabWidget* pages = nullptr;
    TPageCommon* common = nullptr;
    TMenuPages* menuPages = nullptr;
    TLayoutPage* layoutPage = nullptr;
    TItemPages* itemPages = nullptr;
    QAction* insert = nullptr;
    QAction* remove = nullptr;
    QAction* moveUp = nullptr;
    QAction* moveDown = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* duplicate = nullptr;
    QAction* rename = nullptr;
    // The item the item pages show (EditedItemNode), by position; -1: none.
    int shownItem = -1;
    // The field being set from a control: that control already shows it.
    int echoTarget = -2;
    int echoField = -1;
    // Edits the pages group under one name, while the pages' group lasts.
    std::optional<TUndoMacro> group;
    // Whether the menu pages could show the document last put in.
    bool pagesShowDocument = true;

    explicit Private(const TEditorServices& h) : services(h), commands(h.document, h.prompts) {}
    TEditorDocument& Document() { return services.document; }
    // The selected item's position, or kAppletTarget for the root (or nothing).
    int Selected() const { return std::max(panel->SelectedItem(), kAppletTarget); }
};

TMenuEditor::TMenuEditor(const TEditorServices& services, QWidget* parentWindow) : QObject(parentWindow), d(new Private(services))
{
    // Before the tree's model follows the document: a removal or a new
    // document must find the tree events held before the tree changes.
    TEditorDocument& document = d->Document();
    connect(&document, &TEditorDocument::itemsInserted, this, &TMenuEditor::ItemsInserted);
    connect(&document, &TEditorDocument::itemsAboutToBeRemoved, this, [this](int index, int count) {
        d->suppressTreeEvents = true;
        if (d->shownItem >= index + count)
            d->shownItem -= count;
        else if (d->shownItem >= index)
            ResetSelectionState();  // the pages of a removed item are dropped, never stored
    });
    connect(&document, &TEditorDocument::aboutToBeReplaced, this, [this] {
        d->suppressTreeEvents = true;
        ResetSelectionState();  // the pages of the old document are dropped, never stored
    });
    d->panel = new TDesignPanel(document, parentWindow);
    d->common = new TPageCommon(services.document, services.prompts, services.hints, services.help, d->suppressTreeEvents, this);
    d->pages = new QTabWidget(parentWindow);
    d->pages->setObjectName("pgcntrl1");
    d->menuPages = new TMenuPages(*d->common, services.folders, services.previewCopies, this);
    d->itemPages = new TItemPages(*d->common, this);
    d->layoutPage = new TLayoutPage(*d->common, this);

    // Tab order: "Menu", "Layout", the other menu pages but "Path", the two
    // item pages, then "Path".
    const QVector<TPageTab>& menu = d->menuPages->Pages();
    for (int i = 0; i + 1 < menu.size(); ++i) {
        d->pages->addTab(menu[i].page, menu[i].caption);
        if (i == 0)
            d->pages->addTab(d->layoutPage->Page(), TLayoutPage::Caption());
    }
    for (const TPageTab& tab : d->itemPages->Pages())
        d->pages->addTab(tab.page, tab.caption);
    d->pages->addTab(menu.last().page, menu.last().caption);
    d->common->WatchHint(d->pages);
    d->common->WatchHint(d->panel);
    d->common->WatchHint(d->panel->TreeView());

    // The tree's commands work from its own keys; the Edit menu's from anywhere
    // a box does not take the key for itself.
    QTreeView* tree = d->panel->TreeView();
    const struct {
        QAction** action;
        const char* text;
        const char* tip;
        const char* name;
        TToolBarIcon icon;
        QKeySequence key;
        bool inPopup;
    } commands[] = {
        {&d->insert, "I&nsert", "Insert a new item", "Insert1", TToolBarIcon::Insert, Qt::Key_Insert, true},
        {&d->remove, "&Delete", "Delete selected item", "Delete1", TToolBarIcon::Delete, QKeySequence::Delete, true},
        {&d->moveUp, "Move &Up", "Move the selected item up", "MoveUp1", TToolBarIcon::MoveUp,
         QKeySequence(Qt::CTRL | Qt::Key_Up), true},
        {&d->moveDown, "Move &Down", "Move the selected item down", "MoveDown1", TToolBarIcon::MoveDown,
         QKeySequence(Qt::CTRL | Qt::Key_Down), true},
        {&d->cut, "Cu&t", "Cut the selected item and its submenu", "Cut1", TToolBarIcon::Delete, QKeySequence::Cut,
         false},
        {&d->copy, "&Copy", "Copy the selected item and its submenu", "Copy1", TToolBarIcon::Insert,
         QKeySequence::Copy, false},
        {&d->paste, "&Paste", "Paste items after the selected item", "Paste1", TToolBarIcon::Insert,
         QKeySequence::Paste, false},
        {&d->duplicate, "D&uplicate", "Duplicate the selected item and its submenu", "Duplicate1",
         TToolBarIcon::Insert, QKeySequence(Qt::CTRL | Qt::Key_D), false},
    };
    for (const auto& c : commands) {
        *c.action = new QAction(c.inPopup ? ToolBarIcon(c.icon) : QIcon(), c.text, this);
        (*c.action)->setObjectName(c.name);
        (*c.action)->setToolTip(c.tip);
        (*c.action)->setShortcut(c.key);
        if (c.inPopup) {
            // Keys that a text box would take too act only in the tree.
            (*c.action)->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            tree->addAction(*c.action);
        }
    }
    // F2 renames in place, as the tree's own key does; in the pop-up menu too.
    d->rename = new QAction("&Rename", this);
    d->rename->setObjectName("Rename1");
    d->rename->setToolTip("Rename the selected item in place");
    d->rename->setShortcut(Qt::Key_F2);
    d->rename->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    tree->addAction(d->rename);
    connect(d->rename, &QAction::triggered, d->panel, &TDesignPanel::RenameCurrent);
    // The pop-up menu: what can be done to the selected item, in the order
    // people look for it.
    QMenu* popup = d->panel->PopupMenu();
    popup->addActions({d->insert, d->rename});
    popup->addSeparator();
    popup->addActions({d->cut, d->copy, d->paste, d->duplicate, d->remove});
    popup->addSeparator();
    popup->addActions({d->moveUp, d->moveDown});
    connect(d->insert, &QAction::triggered, this, &TMenuEditor::Insert1Click);
    connect(d->remove, &QAction::triggered, this, &TMenuEditor::Delete1Click);
    connect(d->moveUp, &QAction::triggered, this, [this] { MoveSelected(true); });
    connect(d->moveDown, &QAction::triggered, this, [this] { MoveSelected(false); });
    connect(d->cut, &QAction::triggered, this, &TMenuEditor::CutSelected);
    connect(d->copy, &QAction::triggered, this, &TMenuEditor::CopySelected);
    connect(d->paste, &QAction::triggered, this, &TMenuEditor::PasteItems);
    connect(d->duplicate, &QAction::triggered, this, &TMenuEditor::DuplicateSelected);

    connect(d->panel, &TDesignPanel::currentChanged, this, &TMenuEditor::trvwDesignPanelChange);
    connect(d->panel, &TDesignPanel::treeMousePressed, this, &TMenuEditor::trvwDesignPanelMouseDown);
    connect(&d->panel->Model(), &TMenuTreeModel::renameRequested, this,
            [this](int k, const QString& text) { d->commands.Rename(k, text); });
    connect(d->panel, &TDesignPanel::dropRequested, this,
            [this](int k, int parent, int position) { d->commands.MoveTo(k, parent, position); });
    connect(d->common, &TPageCommon::edited, this, &TMenuEditor::PageEdited);
    connect(d->common, &TPageCommon::editsBegun, this,
            [this](const QString& name) { d->group.emplace(d->Document().UndoStack(), name); });
    connect(d->common, &TPageCommon::editsEnded, this, [this] { d->group.reset(); });

    // After the tree's model: the tree shows the new rows by then.
    connect(&document, &TEditorDocument::itemsRemoved, this, &TMenuEditor::ItemsRemoved);
    connect(&document, &TEditorDocument::documentReplaced, this, [this] {
        d->suppressTreeEvents = false;
        ShowTheRoot();
        d->pagesShowDocument = RefreshMenuPages();
    });
    connect(&document, &TEditorDocument::fieldChanged, this, &TMenuEditor::ShowField);
    connect(&document, &TEditorDocument::selectionRequested, this, &TMenuEditor::ShowSelection);
    connect(&document, &TEditorDocument::extendedChanged, this, &TMenuEditor::ApplyEnablingRules);
    connect(&document, &TEditorDocument::normalized, this, [this] {
        RefreshMenuPages();
        if (d->shownItem >= 0)
            LoadItemPages(d->shownItem);
    });

    ShowTheRoot();
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
QAction* TMenuEditor::CutAction() const { return d->cut; }
QAction* TMenuEditor::CopyAction() const { return d->copy; }
QAction* TMenuEditor::PasteAction() const { return d->paste; }
QAction* TMenuEditor::DuplicateAction() const { return d->duplicate; }
bool TMenuEditor::PagesShowDocument() const { return d->pagesShowDocument; }

void TMenuEditor::ShowTheRoot()
{
    ResetSelectionState();
    {
        // The pages follow once, below, not also from the tree's signal.
        QScopedValueRollback hold(d->suppressTreeEvents, true);
        d->panel->SelectItem(kAppletTarget);
    }
    d->panel->TreeView()->expand(d->panel->Model().RootIndex());
    d->Document().SetSelection(kAppletTarget);
    ShowPagesFor(kAppletTarget);
    ApplyEnablingRules();
}

void TMenuEditor::ResetSelectionState()
{
    d->shownItem = -1;
}

void TMenuEditor::SetSuppressTreeEvents(bool suppress)
{
    d->suppressTreeEvents = suppress;
}

bool TMenuEditor::SuppressTreeEvents() const
{
    return d->suppressTreeEvents;
}

bool TMenuEditor::RefreshMenuPages()
{
    if (std::optional<TRefreshError> error = d->menuPages->Refresh(d->Document().Document().applet)) {
        d->services.prompts.Error(QString("%1 (%2)").arg(error->message, ControlPath(*d->pages, error->control)));
        return false;
    }
    ApplyEnablingRules();
    return true;
}

void TMenuEditor::ApplyEnablingRules()
{
    const QModelIndex s = d->panel->TreeView()->currentIndex();
    const TMenuTreeModel& model = d->panel->Model();
    const bool item = model.ItemOf(s) >= 0;
    TNodeShape shape;
    if (item) {
        shape.hasPrevSibling = s.row() > 0;
        shape.hasNextSibling = s.row() + 1 < model.rowCount(s.parent());
        shape.hasChildren = model.rowCount(s) > 0;
    }
    d->insert->setEnabled(true);
    d->remove->setEnabled(item);
    d->moveUp->setEnabled(item && shape.hasPrevSibling);
    d->moveDown->setEnabled(item && shape.hasNextSibling);
    for (QAction* action : {d->cut, d->copy, d->duplicate, d->rename})
        action->setEnabled(item);
    d->paste->setEnabled(true);
    d->itemPages->ApplyEnablingRules(shape);
    d->menuPages->ApplyEnablingRules(d->Document().Extended().ValueOrDefault(extended::kLayout) != "Floating");
}

void TMenuEditor::ApplyGatherRules()
{
    d->Document().Normalize(GatheredDocument(d->Document().Document(), d->shownItem));
}

void TMenuEditor::ShowPagesFor(int selection)
{
    // Showing first, then hiding, keeps a page visible at every moment; the
    // tabs keep their fixed order whatever is hidden.
    const bool root = selection < 0;
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

bool TMenuEditor::LoadItemPages(int k)
{
    if (std::optional<TRefreshError> error = d->itemPages->Load(d->Document().Items()[size_t(k)])) {
        d->services.prompts.Error(QString("%1 (%2)").arg(error->message, ControlPath(*d->pages, error->control)));
        return false;
    }
    return true;
}

void TMenuEditor::NormalizeShownItem()
{
    // What storing the pages did when the selection moved on: the item as
    // its controls show it.
    const TItemData& item = d->Document().Items()[size_t(d->shownItem)];
    const TItemData gathered = GatheredItem(item);
    if (gathered != item)
        d->Document().NormalizeItem(d->shownItem, gathered);
}

void TMenuEditor::trvwDesignPanelChange()
{
    if (d->suppressTreeEvents || d->panel->SelectedItem() < kAppletTarget)
        return;
    const int k = d->Selected();
    ShowPagesFor(k);
    if (d->shownItem >= 0 && d->shownItem != k)
        NormalizeShownItem();
    d->Document().SetSelection(k);
    if (k >= 0 && k != d->shownItem) {
        if (LoadItemPages(k)) {
            d->shownItem = k;
            SetItemPagesUsable(true);
        } else {
            // The pages still hold another item's values: nothing may be
            // taken from them until a good item is loaded.
            d->shownItem = -1;
            SetItemPagesUsable(false);
        }
    }
    ApplyEnablingRules();
}

void TMenuEditor::SetItemPagesUsable(bool usable)
{
    for (const TPageTab& tab : d->itemPages->Pages())
        tab.page->setEnabled(usable);
}

void TMenuEditor::trvwDesignPanelMouseDown()
{
    if (d->suppressTreeEvents || d->panel->SelectedItem() < kAppletTarget)
        return;
    ShowPagesFor(d->Selected());
    ApplyEnablingRules();
}

void TMenuEditor::PageEdited(QWidget* control)
{
    int target = kAppletTarget;
    int field = d->menuPages->Binder().FieldOf(control);
    std::string value;
    if (field >= 0) {
        value = d->menuPages->Binder().Value(field);
    } else {
        field = d->itemPages->Binder().FieldOf(control);
        target = d->shownItem;
        if (field < 0 || target < 0)
            return;
        value = d->itemPages->Binder().Value(field);
    }
    if (d->Document().Field(target, field) == value)
        return;
    QString hintName = control->accessibleName();
    if (hintName.isEmpty())
        hintName = control->objectName();
    if (const QString hint = SizeRangeHint(target != kAppletTarget, field, hintName, value); !hint.isEmpty())
        ShowFieldHint(d->services.hints, control, hint);
    // Boxes typed in make one step per typing run; a click is a step of its own.
    auto* combo = qobject_cast<QComboBox*>(control);
    const bool typed = qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractSpinBox*>(control) ||
                       (combo && combo->isEditable());
    auto* command = new TSetFieldCommand(d->Document(), target, field, value,
                                         QString("Change '%1'").arg(ControlName(control)),
                                         typed ? TSetFieldCommand::Kind::Typed : TSetFieldCommand::Kind::Committed);
    d->echoTarget = target;
    d->echoField = field;
    if (d->group)
        d->group->Push(command);
    else
        d->Document().UndoStack().push(command);
    d->echoTarget = -2;
    d->echoField = -1;
}

void TMenuEditor::ShowField(int target, int field)
{
    const bool echo = target == d->echoTarget && field == d->echoField;
    if (!echo) {
        TPageCommon::QuietScope quiet(*d->common);
        const std::string& value = d->Document().Field(target, field);
        if (target == kAppletTarget)
            d->menuPages->Binder().RefreshField(field, value);
        else if (target == d->shownItem)
            d->itemPages->Binder().RefreshField(field, value);
    }
    if (target >= 0 && target == d->shownItem)
        d->itemPages->ShowMirrors(d->Document().Items()[size_t(target)]);
    if (AffectsEnabling(target, field))
        ApplyEnablingRules();
}

void TMenuEditor::ShowSelection(int selection)
{
    if (selection >= d->Document().ItemCount())
        selection = kAppletTarget;
    if (selection == d->panel->SelectedItem() && PagesShow(selection)) {
        // An edit on the pages asks for the selection it was made in: the
        // page being edited stays in front. Its shape may have changed.
        ApplyEnablingRules();
        return;
    }
    {
        // The pages follow once, below, not also from the tree's signal.
        QScopedValueRollback hold(d->suppressTreeEvents, true);
        d->panel->SelectItem(selection);
    }
    // The node may have been current already (taken over while a removal
    // held the tree's events): the pages must show it all the same.
    trvwDesignPanelChange();
}

bool TMenuEditor::PagesShow(int selection) const
{
    const bool menuPagesShown = d->pages->isTabVisible(d->pages->indexOf(d->menuPages->Pages().first().page));
    return selection < 0 ? menuPagesShown : !menuPagesShown && selection == d->shownItem;
}

void TMenuEditor::ItemsInserted(int index, int count)
{
    if (d->shownItem >= index)
        d->shownItem += count;
}

void TMenuEditor::ItemsRemoved(int, int)
{
    d->suppressTreeEvents = false;
}

void TMenuEditor::Insert1Click()
{
    if (d->panel->SelectedItem() < kAppletTarget)
        return;
    d->commands.Insert(d->Selected());
    // The new item is selected; its caption is what a user names first.
    QLineEdit* caption = d->itemPages->CaptionBox();
    if (caption->isVisible() || d->pages->isVisible()) {
        caption->setFocus(Qt::ShortcutFocusReason);
        caption->selectAll();
    }
}

void TMenuEditor::Delete1Click()
{
    if (d->panel->SelectedItem() < kAppletTarget)
        return;
    d->commands.Delete(d->Selected());
}

void TMenuEditor::MoveSelected(bool up)
{
    const int k = d->Selected();
    if (k < 0)
        return;
    if (up)
        d->commands.MoveUp(k);
    else
        d->commands.MoveDown(k);
}

void TMenuEditor::CopySelected()
{
    if (d->Selected() >= 0)
        d->commands.Copy(d->Selected());
}

void TMenuEditor::CutSelected()
{
    if (d->Selected() >= 0)
        d->commands.Cut(d->Selected());
}

void TMenuEditor::PasteItems()
{
    if (!d->commands.Paste(d->Selected()))
        d->services.hints.ShowHint("The clipboard holds no menu items.");
}

void TMenuEditor::DuplicateSelected()
{
    if (d->Selected() >= 0)
        d->commands.Duplicate(d->Selected());
}

#pragma once
// The editing side of the main window: the menu tree (trvwDesignPanel), the
// page control (pgcntrl1) with the seven menu pages, the Layout page and the
// two item pages, and the item commands. Every edit made here becomes a
// command on the document; the tree and the pages show the document and
// follow its notifications.

#include <QObject>

class QAction;
class QTabWidget;
class QWidget;
struct TEditorServices;

class TMenuEditor : public QObject {
    Q_OBJECT
public:
    TMenuEditor(const TEditorServices& services, QWidget* parentWindow);
    ~TMenuEditor() override;

    QWidget* TreePanel() const;   // holds trvwDesignPanel
    QTabWidget* Pages() const;    // pgcntrl1

    // The item commands' actions ("I&nsert", "&Delete", "Move &Up", "Move &Down")
    // shared by PopupMenu1, the Item menu and the tool bar, and the Edit
    // menu's commands on whole subtrees.
    QAction* InsertAction() const;
    QAction* DeleteAction() const;
    QAction* MoveUpAction() const;
    QAction* MoveDownAction() const;
    QAction* CutAction() const;
    QAction* CopyAction() const;
    QAction* PasteAction() const;
    QAction* DuplicateAction() const;

    // Whether the menu pages could show every value of the document last
    // put in (New, Open, a template); when not, the user has been told.
    bool PagesShowDocument() const;
    void ResetSelectionState();  // no item's pages are shown any more
    void SetSuppressTreeEvents(bool suppress);
    bool SuppressTreeEvents() const;

    // Fills the menu pages from the document, as a new document does by
    // itself. Returns false (after telling the user, naming the control)
    // when a stored value cannot be shown.
    bool RefreshMenuPages();
    void ApplyEnablingRules();
    // What gathering the pages did to the document, at the moments it did
    // it (before Save, Preview, Build HTML, Publish and the save on closing):
    // the menu record and the shown item normalised as their controls hold
    // them. Outside the undo history; the saved state is unchanged.
    void ApplyGatherRules();

private:
    // Handlers of the tree, the commands and the pages.
    void trvwDesignPanelChange();
    void trvwDesignPanelMouseDown();
    void Insert1Click();
    void Delete1Click();
    void MoveSelected(bool up);
    void CopySelected();
    void CutSelected();
    void PasteItems();
    void DuplicateSelected();
    void PageEdited(QWidget* control);

    // The document's notifications.
    void ShowField(int target, int field);
    void ShowSelection(int selection);
    // Whether the pages in front are those of `selection` (the menu for -1).
    bool PagesShow(int selection) const;
    void ItemsInserted(int index, int count);
    void ItemsRemoved(int index, int count);

    // The root selected and open, the menu pages in front: a document's start.
    void ShowTheRoot();
    void ShowPagesFor(int selection);  // menu pages for the root (-1), item pages otherwise
    bool LoadItemPages(int k);                // false after telling the user
    void NormalizeShownItem();
    void SetItemPagesUsable(bool usable);

    struct Private;
    Private* d;
};

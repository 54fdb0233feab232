#pragma once
// The editing side of the main window: the menu tree (trvwDesignPanel), the
// page control (pgcntrl1) with the seven menu pages and the two item pages,
// and the four item commands. The main window places the widgets and the
// actions; everything between them lives here.

#include <QObject>

#include "model/menutree.h"

class QAction;
class QTabWidget;
class QWidget;
class TEditorHost;

class TMenuEditor : public QObject {
    Q_OBJECT
public:
    TMenuEditor(TEditorHost& host, QWidget* parentWindow);
    ~TMenuEditor() override;

    QWidget* TreePanel() const;   // holds trvwDesignPanel
    QTabWidget* Pages() const;    // pgcntrl1

    // The item commands' actions ("I&nsert", "&Delete", "Move &Up", "Move &Down")
    // shared by PopupMenu1, the Item menu and the tool bar.
    QAction* InsertAction() const;
    QAction* DeleteAction() const;
    QAction* MoveUpAction() const;
    QAction* MoveDownAction() const;

    TMenuTree& Tree();  // the agent's view of trvwDesignPanel

    // Clear the tree, add the root "Trellimenu 2006", select it, show the menu pages.
    void ResetTree();
    // The tree built anew from the document's items and levels, the root
    // selected with events suppressed; no node is being edited afterwards.
    void RebuildTree();
    void ResetSelectionState();          // EditedItemNode becomes none
    void SetSuppressTreeEvents(bool suppress);
    bool SuppressTreeEvents() const;

    // Gathering: GatherMenuPages, then StoreItemPages for EditedItemNode.
    void GatherPages();
    void GatherMenuPages();
    // Fills the menu pages from the agent. Returns false (after telling the user,
    // naming the control as the pages show it) when a stored value cannot be
    // shown; nothing changes then.
    bool RefreshMenuPages();
    void ApplyEnablingRules();

private:
    // Handlers of the tree, the commands and the caption box.
    void trvwDesignPanelChange();
    void trvwDesignPanelMouseDown();
    void edtICaptionChange(const QString& trimmed);
    void Insert1Click();
    void Delete1Click();
    void MoveUp1Click();
    void MoveDown1Click();
    void MoveSelected(bool up);

    void ShowPagesFor(TMenuTree::Node node);  // menu pages for the root, item pages otherwise
    void StoreItemPages(TMenuTree::Node node);
    bool LoadItemPages(TMenuTree::Node node);  // false after telling the user
    void SetItemPagesUsable(bool usable);

    struct Private;
    Private* d;
};

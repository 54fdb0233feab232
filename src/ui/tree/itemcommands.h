#pragma once
// What the tree's commands do to the document, by item position: Insert,
// Delete, Move Up and Move Down, a move to anywhere (a drop), and the Edit
// menu's Cut, Copy, Paste and Duplicate of whole subtrees. Each is one undo
// step with a name ("Delete 'Products'"); the views follow the document.

#include <QString>

class TEditorDocument;
class TPrompts;
struct TItemBlock;

class TItemCommands {
public:
    TItemCommands(TEditorDocument& document, TPrompts& prompts) : document_(document), prompts_(prompts) {}

    // A new item as the last child of `parent` (-1: the main menu).
    void Insert(int parent);
    // Item k and its subtree, after the specified questions.
    void Delete(int k);
    bool MoveUp(int k);    // false when there is no previous sibling
    bool MoveDown(int k);  // false when there is no next sibling
    // Item k's subtree as child number `position` of `parent` (counted
    // without the subtree itself).
    void MoveTo(int k, int parent, int position);
    // A caption typed into the tree: one line, no field separator. False
    // when that leaves the caption as it was.
    bool Rename(int k, const QString& text);

    void Copy(int k);
    void Cut(int k);
    // After the subtree at `selection`, as its siblings (the main menu's end
    // for -1). False when the clipboard holds no items.
    bool Paste(int selection);
    void Duplicate(int k);

private:
    QString Caption(int k) const;
    void InsertBlock(int selection, TItemBlock block, const QString& name);

    TEditorDocument& document_;
    TPrompts& prompts_;
};

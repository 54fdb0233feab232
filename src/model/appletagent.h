#pragma once
// The editor's document object: it owns the menu document and performs the
// list edits that keep the item list and the tree view in step. File work and
// generation are functions over the document (src/files, src/codegen).

#include <string>
#include <vector>

#include "model/document.h"
#include "model/menutree.h"
#include "model/records.h"

class TvarnAppletAgent {
public:
    TvarnAppletAgent() = default;

    // --- Records (copies in, copies out) ---
    TAppletData GetAppletData() const { return document_.applet; }
    void SetAppletData(const TAppletData& data) { document_.applet = data; }
    TItemData GetItem(int i) const;
    void SetItem(int i, const TItemData& item);
    int ItemCount() const { return document_.ItemCount(); }
    const TItemArray& Items() const { return document_.items; }
    const std::string& FieldSeparator() const { return kFieldSeparator; }
    const std::string& LoadedFileVersion() const { return document_.fileVersion; }

    const TMenuDocument& Document() const { return document_; }
    TMenuDocument& Document() { return document_; }

    void ResetAppletToDefaults();  // reset values, no items, a new (UTF-8) document
    static TItemData NewDefaultItem() { return ::NewDefaultItem(); }

    // --- Elementary list edits ---
    void InsertItem(int index, const TItemData& item);
    void DeleteItem(int index);
    void SwapWithPrevious(int index);

    // --- Composite item commands: list and tree change in step ---
    TMenuTree::Node InsertItemUnder(TMenuTree& tree, TMenuTree::Node parent);  // returns the new node
    void DeleteItemSubtree(TMenuTree& tree, TMenuTree::Node node);
    bool MoveItemUp(TMenuTree& tree, TMenuTree::Node node);    // false when there is no previous sibling
    bool MoveItemDown(TMenuTree& tree, TMenuTree::Node node);  // false when there is no next sibling

    // Adds a node per item to a tree that holds only its root (adding the root
    // when there is none). Damaged levels are clamped to the deepest possible
    // parent and written back, so list and tree always agree; a level that is
    // not an integer throws std::invalid_argument before any node is added.
    void BuildTreeFromLevels(TMenuTree& tree);
    // The tree emptied and given its root and a node per item.
    void ShowInTree(TMenuTree& tree);
    // pLevel of every item from its node's depth.
    void RefreshLevelsFromTree(const TMenuTree& tree);

private:
    TMenuDocument document_;
};

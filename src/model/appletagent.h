#pragma once
// The editor's document object: it owns the menu document. Item edits are
// the editor's commands over the positions of model/itemtree.h; file work and
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

    // --- Elementary list edit (the editor's item edits are commands on its
    // document, over the positions of model/itemtree.h) ---
    void InsertItem(int index, const TItemData& item);

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

#pragma once
// The structure of a menu as the generator needs it: for every item its depth,
// its parent and its place among its siblings, plus the order in which the
// item lines are generated. Built in one pass over the stored levels, linear
// in the item count.

#include <string>
#include <vector>

#include "model/records.h"

class TMenuShape {
public:
    static constexpr int kRoot = -1;  // parent index of a top-level item

    // From the items' pLevel values; a level that is not an integer, or that
    // jumps by more than one, attaches the item to the deepest possible parent.
    static TMenuShape FromLevels(const TItemArray& items);

    int ItemCount() const { return static_cast<int>(parent_.size()); }
    int Parent(int item) const { return parent_[item]; }
    int Depth(int item) const { return depth_[item]; }  // top-level items 1
    // The item's place among its parent's children, from 0.
    int IndexInGroup(int item) const { return indexInGroup_[item]; }
    bool HasChildren(int item) const { return !Children(item).empty(); }
    // Children of an item, or of the root for kRoot, in display order.
    const std::vector<int>& Children(int item) const { return children_[item + 1]; }
    // The first item of the item's group: the first child of its parent.
    int GroupFirst(int item) const { return Children(Parent(item)).front(); }

    // The four derived fields: pLevel, pHasChildren, pSiblingPosition, pIsFirstItem.
    std::string LevelText(int item) const { return std::to_string(depth_[item] - 1); }
    std::string SiblingPositionText(int item) const;

    // 1 (the main menu) plus one per item that has sub-items.
    int MenuCount() const;
    // The deepest node depth, 0 without items.
    int DeepestDepth() const;
    // Breadth-first by level, each submenu's items together: the root's
    // children, then the children of every depth-1 parent in tree order, ...
    std::vector<int> GenerationOrder() const;

private:
    void Add(int parent);  // appends the next item in pre-order

    std::vector<int> parent_;
    std::vector<int> depth_;
    std::vector<int> indexInGroup_;
    std::vector<std::vector<int>> children_;  // [0] the root's, [k + 1] item k's
};

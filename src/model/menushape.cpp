#include "model/menushape.h"

#include <algorithm>
#include <utility>

#include "model/itemlevels.h"

void TMenuShape::Add(int parent) {
    const int item = ItemCount();
    std::vector<int>& siblings = children_[parent + 1];
    parent_.push_back(parent);
    depth_.push_back(parent == kRoot ? 1 : depth_[parent] + 1);
    indexInGroup_.push_back(static_cast<int>(siblings.size()));
    siblings.push_back(item);
    children_.emplace_back();
}

TMenuShape TMenuShape::FromLevels(const TItemArray& items) {
    TMenuShape shape;
    shape.children_.emplace_back();
    std::vector<int> open;  // the path from the root to the previous item
    for (const TItemData& item : items) {
        int level = 0;
        if (!ParseLevel(item[pLevel], level)) level = 0;
        level = ClampLevel(level, static_cast<int>(open.size()) - 1);
        open.resize(static_cast<size_t>(level));
        shape.Add(open.empty() ? kRoot : open.back());
        open.push_back(shape.ItemCount() - 1);
    }
    return shape;
}

std::string TMenuShape::SiblingPositionText(int item) const {
    const bool hasPrevious = indexInGroup_[item] > 0;
    const bool hasNext = indexInGroup_[item] + 1 < static_cast<int>(Children(Parent(item)).size());
    if (hasPrevious && hasNext) return "0";
    if (hasNext) return "1";
    if (hasPrevious) return "2";
    return "3";
}

int TMenuShape::MenuCount() const {
    return 1 + static_cast<int>(std::count_if(children_.begin() + 1, children_.end(),
                                              [](const std::vector<int>& c) { return !c.empty(); }));
}

int TMenuShape::DeepestDepth() const {
    return depth_.empty() ? 0 : *std::max_element(depth_.begin(), depth_.end());
}

std::vector<int> TMenuShape::GenerationOrder() const {
    // One pass collects the parents per depth in tree order; a second emits
    // their children level by level.
    std::vector<std::vector<int>> parentsByDepth(static_cast<size_t>(DeepestDepth()) + 1);
    parentsByDepth[0].push_back(kRoot);
    for (int item = 0; item < ItemCount(); ++item) {
        if (HasChildren(item)) parentsByDepth[static_cast<size_t>(depth_[item])].push_back(item);
    }
    std::vector<int> order;
    order.reserve(parent_.size());
    for (const std::vector<int>& parents : parentsByDepth) {
        for (int parent : parents) {
            const std::vector<int>& group = Children(parent);
            order.insert(order.end(), group.begin(), group.end());
        }
    }
    return order;
}

#include "model/memorymenutree.h"

#include <algorithm>

TMemoryMenuTree::Slot TMemoryMenuTree::NewNode(const std::string& text, Slot parent)
{
    Slot slot;
    if (!freeSlots_.empty()) {
        slot = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        if (used_ == nodes_.size())
            nodes_.emplace_back();
        slot = static_cast<Slot>(used_++);
    }
    TNode& node = At(slot);
    node.text.assign(text);
    node.parent = parent;
    node.children.clear();
    node.indexInParent = 0;
    node.depth = 0;
    node.order = 0;
    node.expanded = false;
    return slot;
}

void TMemoryMenuTree::FreeSubtree(Slot top)
{
    std::vector<Slot> pending{top};
    while (!pending.empty()) {
        const Slot slot = pending.back();
        pending.pop_back();
        TNode& node = At(slot);
        pending.insert(pending.end(), node.children.begin(), node.children.end());
        node.children.clear();
        freeSlots_.push_back(slot);
        --count_;
    }
}

void TMemoryMenuTree::Clear()
{
    // Every slot becomes free at once; the nodes keep their buffers for reuse.
    used_ = 0;
    freeSlots_.clear();
    root_ = -1;
    count_ = 0;
    Changed();
}

TMenuTree::Node TMemoryMenuTree::AddRoot(const std::string& text)
{
    Clear();
    root_ = NewNode(text, -1);
    count_ = 1;
    return Handle(root_);
}

void TMemoryMenuTree::EnsurePreorder() const
{
    if (preorderValid_)
        return;
    preorder_.clear();
    preorder_.reserve(static_cast<size_t>(count_));
    std::vector<Slot> pending;
    if (root_ >= 0)
        pending.push_back(root_);
    while (!pending.empty()) {
        const Slot slot = pending.back();
        pending.pop_back();
        const TNode& node = At(slot);
        node.order = static_cast<int>(preorder_.size());
        preorder_.push_back(slot);
        pending.insert(pending.end(), node.children.rbegin(), node.children.rend());
    }
    preorderValid_ = true;
}

TMenuTree::Node TMemoryMenuTree::NodeAt(int absoluteIndex) const
{
    if (absoluteIndex < 0 || absoluteIndex >= count_)
        return nullptr;
    EnsurePreorder();
    return Handle(preorder_[static_cast<size_t>(absoluteIndex)]);
}

int TMemoryMenuTree::AbsoluteIndex(Node node) const
{
    if (!node)
        return -1;
    EnsurePreorder();
    return N(node).order;
}

int TMemoryMenuTree::Level(Node node) const
{
    return node ? N(node).depth : -1;
}

TMenuTree::Node TMemoryMenuTree::Parent(Node node) const
{
    return node && N(node).parent >= 0 ? Handle(N(node).parent) : nullptr;
}

int TMemoryMenuTree::ChildCount(Node node) const
{
    return node ? static_cast<int>(N(node).children.size()) : 0;
}

TMenuTree::Node TMemoryMenuTree::Child(Node node, int i) const
{
    if (!node || i < 0 || i >= ChildCount(node))
        return nullptr;
    return Handle(N(node).children[static_cast<size_t>(i)]);
}

TMenuTree::Node TMemoryMenuTree::NextSibling(Node node) const
{
    if (!node || N(node).parent < 0)
        return nullptr;
    return Child(Handle(N(node).parent), N(node).indexInParent + 1);
}

TMenuTree::Node TMemoryMenuTree::PrevSibling(Node node) const
{
    if (!node || N(node).parent < 0)
        return nullptr;
    return Child(Handle(N(node).parent), N(node).indexInParent - 1);
}

bool TMemoryMenuTree::IsOnRightmostPath(Slot node) const
{
    Slot last = preorder_.back();
    const int depth = At(node).depth;
    while (last >= 0 && At(last).depth > depth)
        last = At(last).parent;
    return last == node;
}

TMenuTree::Node TMemoryMenuTree::AddChild(Node parent, const std::string& text)
{
    if (!parent)
        return nullptr;
    const Slot owner = SlotOf(parent);
    // NewNode may grow the pool: references into it are taken afterwards.
    const Slot slot = NewNode(text, owner);
    TNode& node = At(slot);
    TNode& ownerNode = At(owner);
    node.depth = ownerNode.depth + 1;
    node.indexInParent = static_cast<int>(ownerNode.children.size());
    ownerNode.children.push_back(slot);
    ++count_;
    // A child of a node on the rightmost path lands at the end of pre-order, so
    // the table stays valid: building a tree from levels then costs the climb
    // from the last node, which the levels' drops pay for overall.
    if (preorderValid_ && IsOnRightmostPath(owner)) {
        node.order = static_cast<int>(preorder_.size());
        preorder_.push_back(slot);
    } else {
        Changed();
    }
    return Handle(slot);
}

std::string TMemoryMenuTree::Text(Node node) const
{
    return node ? N(node).text : std::string();
}

void TMemoryMenuTree::SetText(Node node, const std::string& text)
{
    if (node)
        N(node).text = text;
}

void TMemoryMenuTree::RenumberChildren(TNode& parent, size_t from)
{
    for (size_t i = from; i < parent.children.size(); ++i)
        At(parent.children[i]).indexInParent = static_cast<int>(i);
}

void TMemoryMenuTree::DeleteSubtree(Node node)
{
    if (!node)
        return;
    const Slot doomed = SlotOf(node);
    if (doomed == root_) {
        Clear();
        return;
    }
    TNode& parent = At(N(node).parent);
    const size_t at = static_cast<size_t>(N(node).indexInParent);
    parent.children.erase(parent.children.begin() + static_cast<std::ptrdiff_t>(at));
    RenumberChildren(parent, at);
    FreeSubtree(doomed);
    Changed();
}

void TMemoryMenuTree::MoveBefore(Node node, Node sibling)
{
    if (!node || !sibling || node == sibling || N(node).parent != N(sibling).parent || N(node).parent < 0)
        return;
    TNode& parent = At(N(node).parent);
    auto& children = parent.children;
    const auto from = children.begin() + N(node).indexInParent;
    const auto to = children.begin() + N(sibling).indexInParent;
    if (from < to)
        std::rotate(from, from + 1, to);  // node ends right before sibling
    else
        std::rotate(to, from, from + 1);
    RenumberChildren(parent, 0);
    Changed();
}

void TMemoryMenuTree::Expand(Node node)
{
    if (node)
        N(node).expanded = true;
}

void TMemoryMenuTree::Collapse(Node node)
{
    if (node)
        N(node).expanded = false;
}

bool TMemoryMenuTree::IsExpanded(Node node) const
{
    return node && N(node).expanded;
}

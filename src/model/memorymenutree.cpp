#include "model/memorymenutree.h"

#include <algorithm>

TMemoryMenuTree::~TMemoryMenuTree()
{
    Clear();
}

void TMemoryMenuTree::FreeSubtree(TNode* top)
{
    std::vector<TNode*> pending{top};
    while (!pending.empty()) {
        TNode* node = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), node->children.begin(), node->children.end());
        delete node;
        --count_;
    }
}

void TMemoryMenuTree::Clear()
{
    if (root_)
        FreeSubtree(root_);
    root_ = nullptr;
    count_ = 0;
    Changed();
}

TMenuTree::Node TMemoryMenuTree::AddRoot(const std::string& text)
{
    Clear();
    root_ = new TNode;
    root_->text = text;
    count_ = 1;
    return root_;
}

void TMemoryMenuTree::EnsurePreorder() const
{
    if (preorderValid_)
        return;
    preorder_.clear();
    preorder_.reserve(static_cast<size_t>(count_));
    std::vector<TNode*> pending;
    if (root_)
        pending.push_back(root_);
    while (!pending.empty()) {
        TNode* node = pending.back();
        pending.pop_back();
        node->order = static_cast<int>(preorder_.size());
        preorder_.push_back(node);
        pending.insert(pending.end(), node->children.rbegin(), node->children.rend());
    }
    preorderValid_ = true;
}

TMenuTree::Node TMemoryMenuTree::NodeAt(int absoluteIndex) const
{
    if (absoluteIndex < 0 || absoluteIndex >= count_)
        return nullptr;
    EnsurePreorder();
    return preorder_[static_cast<size_t>(absoluteIndex)];
}

int TMemoryMenuTree::AbsoluteIndex(Node node) const
{
    if (!node)
        return -1;
    EnsurePreorder();
    return N(node)->order;
}

int TMemoryMenuTree::Level(Node node) const
{
    return node ? N(node)->depth : -1;
}

TMenuTree::Node TMemoryMenuTree::Parent(Node node) const
{
    return node ? N(node)->parent : nullptr;
}

int TMemoryMenuTree::ChildCount(Node node) const
{
    return node ? static_cast<int>(N(node)->children.size()) : 0;
}

TMenuTree::Node TMemoryMenuTree::Child(Node node, int i) const
{
    if (!node || i < 0 || i >= ChildCount(node))
        return nullptr;
    return N(node)->children[static_cast<size_t>(i)];
}

TMenuTree::Node TMemoryMenuTree::NextSibling(Node node) const
{
    if (!node || !N(node)->parent)
        return nullptr;
    return Child(N(node)->parent, N(node)->indexInParent + 1);
}

TMenuTree::Node TMemoryMenuTree::PrevSibling(Node node) const
{
    if (!node || !N(node)->parent)
        return nullptr;
    return Child(N(node)->parent, N(node)->indexInParent - 1);
}

bool TMemoryMenuTree::IsOnRightmostPath(const TNode* node) const
{
    const TNode* last = preorder_.back();
    while (last && last->depth > node->depth)
        last = last->parent;
    return last == node;
}

TMenuTree::Node TMemoryMenuTree::AddChild(Node parent, const std::string& text)
{
    if (!parent)
        return nullptr;
    TNode* owner = N(parent);
    TNode* node = new TNode;
    node->text = text;
    node->parent = owner;
    node->depth = owner->depth + 1;
    node->indexInParent = static_cast<int>(owner->children.size());
    owner->children.push_back(node);
    ++count_;
    // A child of a node on the rightmost path lands at the end of pre-order, so
    // the table stays valid: building a tree from levels then costs the climb
    // from the last node, which the levels' drops pay for overall.
    if (preorderValid_ && IsOnRightmostPath(owner)) {
        node->order = static_cast<int>(preorder_.size());
        preorder_.push_back(node);
    } else {
        Changed();
    }
    return node;
}

std::string TMemoryMenuTree::Text(Node node) const
{
    return node ? N(node)->text : std::string();
}

void TMemoryMenuTree::SetText(Node node, const std::string& text)
{
    if (node)
        N(node)->text = text;
}

void TMemoryMenuTree::RenumberChildren(TNode* parent, size_t from)
{
    for (size_t i = from; i < parent->children.size(); ++i)
        parent->children[i]->indexInParent = static_cast<int>(i);
}

void TMemoryMenuTree::DeleteSubtree(Node node)
{
    if (!node)
        return;
    TNode* doomed = N(node);
    if (doomed == root_) {
        Clear();
        return;
    }
    TNode* parent = doomed->parent;
    const size_t at = static_cast<size_t>(doomed->indexInParent);
    parent->children.erase(parent->children.begin() + static_cast<std::ptrdiff_t>(at));
    RenumberChildren(parent, at);
    FreeSubtree(doomed);
    Changed();
}

void TMemoryMenuTree::MoveBefore(Node node, Node sibling)
{
    if (!node || !sibling || node == sibling || N(node)->parent != N(sibling)->parent || !N(node)->parent)
        return;
    TNode* parent = N(node)->parent;
    auto& children = parent->children;
    const auto from = children.begin() + N(node)->indexInParent;
    const auto to = children.begin() + N(sibling)->indexInParent;
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
        N(node)->expanded = true;
}

void TMemoryMenuTree::Collapse(Node node)
{
    if (node)
        N(node)->expanded = false;
}

bool TMemoryMenuTree::IsExpanded(Node node) const
{
    return node && N(node)->expanded;
}

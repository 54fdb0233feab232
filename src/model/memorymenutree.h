#pragma once
// A menu tree held in memory, for the command-line tool, tests and benchmarks.
// Child access, sibling steps and depth cost constant time; absolute indices
// come from a pre-order table rebuilt lazily after a change of shape, so any
// run of lookups between two edits stays linear in the tree's size. Nodes live
// in one pool and a handle is a slot number, so handles survive the pool's
// growth; clearing or deleting keeps the slots, their texts' and child lists'
// buffers for the next nodes, so rebuilding a large tree allocates nothing.

#include <cstdint>
#include <string>
#include <vector>

#include "model/menutree.h"

class TMemoryMenuTree final : public TMenuTree {
public:
    TMemoryMenuTree() = default;
    ~TMemoryMenuTree() override = default;
    TMemoryMenuTree(const TMemoryMenuTree&) = delete;
    TMemoryMenuTree& operator=(const TMemoryMenuTree&) = delete;

    void Clear() override;
    // The tree has one root: adding it again starts a fresh tree.
    Node AddRoot(const std::string& text) override;
    int Count() const override { return count_; }
    Node Root() const override { return root_ < 0 ? nullptr : Handle(root_); }
    Node NodeAt(int absoluteIndex) const override;       // nullptr out of range
    int AbsoluteIndex(Node node) const override;         // -1 for nullptr
    int Level(Node node) const override;
    Node Parent(Node node) const override;
    int ChildCount(Node node) const override;
    Node Child(Node node, int i) const override;         // nullptr out of range
    Node NextSibling(Node node) const override;
    Node PrevSibling(Node node) const override;
    Node AddChild(Node parent, const std::string& text) override;
    std::string Text(Node node) const override;
    void SetText(Node node, const std::string& text) override;

    void DeleteSubtree(Node node) override;              // the root: clears the tree
    void MoveBefore(Node node, Node sibling) override;   // ignored unless both share a parent
    void Expand(Node node) override;
    void Collapse(Node node) override;
    bool IsExpanded(Node node) const;

private:
    using Slot = int;
    struct TNode {
        std::string text;
        Slot parent = -1;
        std::vector<Slot> children;
        int indexInParent = 0;
        int depth = 0;
        mutable int order = 0;
        bool expanded = false;
    };

    static Node Handle(Slot slot) { return reinterpret_cast<Node>(static_cast<std::uintptr_t>(slot) + 1); }
    static Slot SlotOf(Node node) { return static_cast<Slot>(reinterpret_cast<std::uintptr_t>(node) - 1); }
    TNode& N(Node node) { return nodes_[static_cast<size_t>(SlotOf(node))]; }
    const TNode& N(Node node) const { return nodes_[static_cast<size_t>(SlotOf(node))]; }
    TNode& At(Slot slot) { return nodes_[static_cast<size_t>(slot)]; }
    const TNode& At(Slot slot) const { return nodes_[static_cast<size_t>(slot)]; }
    Slot NewNode(const std::string& text, Slot parent);
    void FreeSubtree(Slot top);  // iterative: a chain of a million levels must not overflow the stack
    void RenumberChildren(TNode& parent, size_t from);
    void Changed() { preorderValid_ = false; }
    void EnsurePreorder() const;
    bool IsOnRightmostPath(Slot node) const;  // needs a valid table

    std::vector<TNode> nodes_;  // slots [0, used_) have been handed out
    size_t used_ = 0;
    std::vector<Slot> freeSlots_;  // deleted nodes' slots below used_
    Slot root_ = -1;
    int count_ = 0;
    mutable std::vector<Slot> preorder_;
    mutable bool preorderValid_ = false;
};

#pragma once
// A menu tree held in memory, for the command-line tool, tests and benchmarks.
// Child access, sibling steps and depth cost constant time; absolute indices
// come from a pre-order table rebuilt lazily after a change of shape, so any
// run of lookups between two edits stays linear in the tree's size.

#include <string>
#include <vector>

#include "model/menutree.h"

class TMemoryMenuTree final : public TMenuTree {
public:
    TMemoryMenuTree() = default;
    ~TMemoryMenuTree() override;
    TMemoryMenuTree(const TMemoryMenuTree&) = delete;
    TMemoryMenuTree& operator=(const TMemoryMenuTree&) = delete;

    void Clear() override;
    // The tree has one root: adding it again starts a fresh tree.
    Node AddRoot(const std::string& text) override;
    int Count() const override { return count_; }
    Node Root() const override { return root_; }
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
    struct TNode {
        std::string text;
        TNode* parent = nullptr;
        std::vector<TNode*> children;
        int indexInParent = 0;
        int depth = 0;
        mutable int order = 0;
        bool expanded = false;
    };

    static TNode* N(Node node) { return static_cast<TNode*>(node); }
    void FreeSubtree(TNode* top);  // iterative: a chain of a million levels must not overflow the stack
    void RenumberChildren(TNode* parent, size_t from);
    void Changed() { preorderValid_ = false; }
    void EnsurePreorder() const;
    bool IsOnRightmostPath(const TNode* node) const;  // needs a valid table

    TNode* root_ = nullptr;
    int count_ = 0;
    mutable std::vector<TNode*> preorder_;
    mutable bool preorderValid_ = false;
};

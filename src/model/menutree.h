#pragma once
// The menu tree as the agent sees it. The editor implements it over its tree
// view; TMemoryMenuTree serves headless use and tests. The root stands for the
// menu itself; item k of the agent's list is the node with pre-order index k + 1.

#include <string>

class TMenuTree {
public:
    using Node = void*;  // opaque handle, nullptr for "none"

    virtual ~TMenuTree() = default;

    virtual void Clear() = 0;
    virtual Node AddRoot(const std::string& text) = 0;
    virtual int Count() const = 0;  // all nodes, root included
    virtual Node Root() const = 0;
    virtual Node NodeAt(int absoluteIndex) const = 0;
    virtual int AbsoluteIndex(Node node) const = 0;
    virtual int Level(Node node) const = 0;  // root 0
    virtual Node Parent(Node node) const = 0;
    virtual int ChildCount(Node node) const = 0;
    virtual Node Child(Node node, int i) const = 0;
    virtual Node NextSibling(Node node) const = 0;
    virtual Node PrevSibling(Node node) const = 0;
    virtual Node AddChild(Node parent, const std::string& text) = 0;  // as last child
    virtual std::string Text(Node node) const = 0;
    virtual void SetText(Node node, const std::string& text) = 0;

    // Edits the item commands need beyond the reader's operations.
    virtual void DeleteSubtree(Node node) = 0;
    virtual void MoveBefore(Node node, Node sibling) = 0;  // same parent
    virtual void Expand(Node node) = 0;
    virtual void Collapse(Node node) = 0;
};

extern const char* const kRootNodeText;  // "Trellimenu 2006"

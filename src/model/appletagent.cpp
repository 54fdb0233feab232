#include "model/appletagent.h"

#include <algorithm>
#include <stdexcept>

#include "model/itemlevels.h"

namespace {

using Node = TMenuTree::Node;

// Node count of a subtree, its top included, without recursion: a menu may be
// one long chain.
int SubtreeSize(const TMenuTree& tree, Node top)
{
    int size = 0;
    std::vector<Node> pending{top};
    while (!pending.empty()) {
        Node node = pending.back();
        pending.pop_back();
        ++size;
        const int children = tree.ChildCount(node);
        for (int i = 0; i < children; ++i)
            pending.push_back(tree.Child(node, i));
    }
    return size;
}

}  // namespace

TItemData TvarnAppletAgent::GetItem(int i) const
{
    return document_.items.at(static_cast<size_t>(i));
}

void TvarnAppletAgent::SetItem(int i, const TItemData& item)
{
    document_.items.at(static_cast<size_t>(i)) = item;
}

void TvarnAppletAgent::ResetAppletToDefaults()
{
    document_ = TMenuDocument();
}

void TvarnAppletAgent::InsertItem(int index, const TItemData& item)
{
    if (document_.items.empty()) {
        document_.items.push_back(item);
        return;
    }
    if (index < 0 || index > ItemCount())
        return;
    document_.items.insert(document_.items.begin() + index, item);
}

void TvarnAppletAgent::DeleteItem(int index)
{
    if (document_.items.empty())
        return;
    if (document_.items.size() == 1) {
        document_.items.clear();
        return;
    }
    if (index < 0 || index >= ItemCount())
        return;
    document_.items.erase(document_.items.begin() + index);
}

void TvarnAppletAgent::SwapWithPrevious(int index)
{
    if (index > 0 && index < ItemCount())
        std::swap(document_.items[static_cast<size_t>(index) - 1], document_.items[static_cast<size_t>(index)]);
}

Node TvarnAppletAgent::InsertItemUnder(TMenuTree& tree, Node parent)
{
    if (!parent)
        return nullptr;
    TItemData item = NewDefaultItem();
    Node node = tree.AddChild(parent, item[ICaption]);
    tree.Expand(parent);
    item[pLevel] = std::to_string(tree.Level(node) - 1);
    InsertItem(tree.AbsoluteIndex(node) - 1, item);
    return node;
}

void TvarnAppletAgent::DeleteItemSubtree(TMenuTree& tree, Node node)
{
    if (!node || node == tree.Root())
        return;
    const size_t first = static_cast<size_t>(tree.AbsoluteIndex(node) - 1);
    const size_t size = static_cast<size_t>(SubtreeSize(tree, node));
    if (first < document_.items.size()) {
        const size_t last = std::min(document_.items.size(), first + size);
        document_.items.erase(document_.items.begin() + static_cast<std::ptrdiff_t>(first),
                     document_.items.begin() + static_cast<std::ptrdiff_t>(last));
    }
    tree.DeleteSubtree(node);
}

// Both moves are "the later of two neighbouring siblings goes up": its block
// of items rotates in front of the earlier sibling's block, inner order kept.
static bool MoveBlockUp(TItemArray& items, TMenuTree& tree, Node later, Node earlier)
{
    const size_t earlierStart = static_cast<size_t>(tree.AbsoluteIndex(earlier) - 1);
    const size_t laterStart = static_cast<size_t>(tree.AbsoluteIndex(later) - 1);
    const size_t laterEnd = laterStart + static_cast<size_t>(SubtreeSize(tree, later));
    if (earlierStart < laterStart && laterEnd <= items.size())
        std::rotate(items.begin() + static_cast<std::ptrdiff_t>(earlierStart),
                    items.begin() + static_cast<std::ptrdiff_t>(laterStart),
                    items.begin() + static_cast<std::ptrdiff_t>(laterEnd));
    tree.MoveBefore(later, earlier);
    return true;
}

bool TvarnAppletAgent::MoveItemUp(TMenuTree& tree, Node node)
{
    Node previous = node ? tree.PrevSibling(node) : nullptr;
    return previous && MoveBlockUp(document_.items, tree, node, previous);
}

bool TvarnAppletAgent::MoveItemDown(TMenuTree& tree, Node node)
{
    Node next = node ? tree.NextSibling(node) : nullptr;
    return next && MoveBlockUp(document_.items, tree, next, node);
}

void TvarnAppletAgent::BuildTreeFromLevels(TMenuTree& tree)
{
    std::vector<int> levels;
    const int bad = NormalizeItemLevels(document_.items, &levels);
    if (bad >= 0)
        throw std::invalid_argument(InvalidIntegerMessage(document_.items[static_cast<size_t>(bad)][pLevel]));
    Node root = tree.Root();
    if (!root)
        root = tree.AddRoot(kRootNodeText);
    TLevelTreeBuilder builder(tree, root);
    for (size_t k = 0; k < document_.items.size(); ++k)
        builder.Add(levels[k], document_.items[k][ICaption]);
}

void TvarnAppletAgent::ShowInTree(TMenuTree& tree)
{
    tree.Clear();
    tree.AddRoot(kRootNodeText);
    BuildTreeFromLevels(tree);
}

void TvarnAppletAgent::RefreshLevelsFromTree(const TMenuTree& tree)
{
    Node root = tree.Root();
    if (!root)
        return;
    // Pre-order walk with an explicit stack of (node, next child to visit).
    std::vector<std::pair<Node, int>> path{{root, 0}};
    size_t k = 0;
    while (!path.empty() && k < document_.items.size()) {
        auto& [node, nextChild] = path.back();
        if (nextChild >= tree.ChildCount(node)) {
            path.pop_back();
            continue;
        }
        Node child = tree.Child(node, nextChild++);
        document_.items[k++][pLevel] = std::to_string(path.size() - 1);
        path.emplace_back(child, 0);
    }
}

#include "model/appletagent.h"

#include <algorithm>
#include <stdexcept>

#include "model/itemlevels.h"

using Node = TMenuTree::Node;

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

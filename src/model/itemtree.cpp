#include "model/itemtree.h"

#include "model/itemlevels.h"

#include <vector>

int LevelOf(const TItemData& item)
{
    int level = 0;
    return ParseLevel(item[pLevel], level) ? level : 0;
}

int SubtreeEnd(const TItemArray& items, int k)
{
    const int level = ItemLevel(items, k);
    int end = k + 1;
    while (end < static_cast<int>(items.size()) && ItemLevel(items, end) > level)
        ++end;
    return end;
}

int ParentIndex(const TItemArray& items, int k)
{
    const int level = ItemLevel(items, k);
    for (int i = k - 1; i >= 0; --i) {
        if (ItemLevel(items, i) < level)
            return i;
    }
    return -1;
}

int PreviousSiblingIndex(const TItemArray& items, int k)
{
    const int level = ItemLevel(items, k);
    for (int i = k - 1; i >= 0; --i) {
        const int other = ItemLevel(items, i);
        if (other == level)
            return i;
        if (other < level)
            return -1;
    }
    return -1;
}

int NextSiblingIndex(const TItemArray& items, int k)
{
    const int end = SubtreeEnd(items, k);
    return end < static_cast<int>(items.size()) && ItemLevel(items, end) == ItemLevel(items, k) ? end : -1;
}

int ChildCount(const TItemArray& items, int parent)
{
    const int size = static_cast<int>(items.size());
    int count = 0;
    for (int k = parent + 1; k < size && (parent < 0 || ItemLevel(items, k) > ItemLevel(items, parent));
         k = SubtreeEnd(items, k))
        ++count;
    return count;
}

TItemPlace PlaceAmongChildren(const TItemArray& items, int parent, int position)
{
    const int size = static_cast<int>(items.size());
    const int level = parent < 0 ? 0 : ItemLevel(items, parent) + 1;
    const int end = parent < 0 ? size : SubtreeEnd(items, parent);
    int k = parent + 1;
    for (int child = 0; child < position && k < end; ++child)
        k = SubtreeEnd(items, k);
    return {k, level};
}

TItemPlace PlaceForMove(const TItemArray& items, int from, int count, int parent, int position)
{
    // The same walk as PlaceAmongChildren over the levels of the list without
    // the subtree, so no records are copied.
    std::vector<int> levels;
    levels.reserve(items.size());
    for (int k = 0; k < static_cast<int>(items.size()); ++k) {
        if (k < from || k >= from + count)
            levels.push_back(ItemLevel(items, k));
    }
    const int size = static_cast<int>(levels.size());
    const int at = parent < 0 ? -1 : (parent > from ? parent - count : parent);
    const int level = at < 0 ? 0 : levels[static_cast<size_t>(at)] + 1;
    const auto end = [&](int k) {
        int e = k + 1;
        while (e < size && levels[static_cast<size_t>(e)] > levels[static_cast<size_t>(k)])
            ++e;
        return e;
    };
    const int stop = at < 0 ? size : end(at);
    int k = at + 1;
    for (int child = 0; child < position && k < stop; ++child)
        k = end(k);
    return {k, level};
}

void SetBlockLevel(TItemArray& block, int level)
{
    if (block.empty())
        return;
    int top = 0;
    ParseLevel(block.front()[pLevel], top);
    const int delta = level - top;
    for (TItemData& item : block) {
        int own = 0;
        ParseLevel(item[pLevel], own);
        StoreLevelText(item[pLevel], own + delta);
    }
}

TItemArray CopySubtree(const TItemArray& items, int k)
{
    TItemArray block(items.begin() + k, items.begin() + SubtreeEnd(items, k));
    SetBlockLevel(block, 0);
    return block;
}

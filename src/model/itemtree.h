#pragma once
// The tree the items' levels describe, asked and changed by position. The
// editor's commands address items this way, never by pointers a delete would
// leave dangling. Levels are as a reader or an edit leaves them: the first 0,
// each at most one deeper than the one before.

#include "model/records.h"

// pLevel as a number (0 when it is no number).
int LevelOf(const TItemData& item);
inline int ItemLevel(const TItemArray& items, int k) { return LevelOf(items[static_cast<size_t>(k)]); }
// One past the last item of k's subtree.
int SubtreeEnd(const TItemArray& items, int k);
// The item k hangs under, -1 for the top level.
int ParentIndex(const TItemArray& items, int k);
// k's neighbours under the same parent, -1 when there is none.
int PreviousSiblingIndex(const TItemArray& items, int k);
int NextSiblingIndex(const TItemArray& items, int k);
// The children of `parent` (-1: the top level), as positions.
int ChildCount(const TItemArray& items, int parent);

// Where a block of items goes to be the child number `position` of `parent`
// (-1: the top level; position == ChildCount: after the last child).
struct TItemPlace {
    int index;  // the list position of the block's first item
    int level;  // the level it takes
};
TItemPlace PlaceAmongChildren(const TItemArray& items, int parent, int position);

// Where the subtree at `from` (`count` items) lands when it is moved to be
// child number `position` of `parent` (-1: the top level), both counted in
// the list as it is, the moved subtree left out of the count: its index in
// the list without it, and its level. `parent` must not lie in the subtree.
TItemPlace PlaceForMove(const TItemArray& items, int from, int count, int parent, int position);

// Shifts the levels of a block so that its first item has `level`.
void SetBlockLevel(TItemArray& block, int level);
// The subtree at k, copied, its top at level 0.
TItemArray CopySubtree(const TItemArray& items, int k);

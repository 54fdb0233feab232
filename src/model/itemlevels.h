#pragma once
// The item list stores the tree as a sequence of depths (pLevel). These helpers
// read a depth and bring damaged sequences back to a shape a tree can hold.

#include <string>
#include <string_view>
#include <vector>

#include "model/menutree.h"
#include "model/records.h"

// Decimal text with an optional sign, nothing else; false when it is not an
// integer or does not fit an int.
bool ParseLevel(std::string_view text, int& level);

// The deepest level an item may take after one at `previous` (-1 before the
// first item): 0 at least, one deeper than its predecessor at most.
inline int ClampLevel(int level, int previous)
{
    return level < 0 ? 0 : (level > previous + 1 ? previous + 1 : level);
}

// Clamps every level in order and writes it back into pLevel as plain decimal; the
// levels as numbers go to `levels` when given. Returns the index of the first
// item whose level is not an integer (nothing is changed then), or -1.
int NormalizeItemLevels(TItemArray& items, std::vector<int>* levels = nullptr);

// Writes `level` into `stored` as plain decimal; text that already says so is
// left alone, so "+1", "-0" or "01" change but a correct level costs no copy.
void StoreLevelText(std::string& stored, int level);

// Hangs a node per item under the root, in item order, from clamped levels:
// an item of level L always goes under the newest node at depth L.
class TLevelTreeBuilder {
public:
    TLevelTreeBuilder(TMenuTree& tree, TMenuTree::Node root) : tree_(tree), lastAtDepth_{root} {}
    void Add(int level, const std::string& caption)
    {
        const size_t depth = static_cast<size_t>(level);
        lastAtDepth_.resize(depth + 1);
        lastAtDepth_.push_back(tree_.AddChild(lastAtDepth_[depth], caption));
    }

private:
    TMenuTree& tree_;
    std::vector<TMenuTree::Node> lastAtDepth_;  // [d]: the newest node at depth d
};

// The text a conversion error shows, e.g. "'x' is not a valid integer value".
std::string InvalidIntegerMessage(const std::string& text);

#pragma once
// The item list stores the tree as a sequence of depths (pLevel). These helpers
// read a depth and bring damaged sequences back to a shape a tree can hold.

#include <string>
#include <string_view>

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

// Clamps every level in order and writes it back into pLevel as plain decimal.
// Returns the index of the first item whose level is not an integer (nothing
// is changed then), or -1.
int NormalizeItemLevels(TItemArray& items);

// Writes `level` into `stored` as plain decimal; text that already says so is
// left alone, so "+1", "-0" or "01" change but a correct level costs no copy.
void StoreLevelText(std::string& stored, int level);

// The text a conversion error shows, e.g. "'x' is not a valid integer value".
std::string InvalidIntegerMessage(const std::string& text);

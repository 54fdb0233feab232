#pragma once
// How each record field is edited, and what editing does to a stored value.
// The property pages show every bound field in a control of one kind; taking
// the value back from that control normalises it (numbers canonical and
// clamped to the box range, colours in upper case, texts trimmed, unknown
// words replaced by the choice shown, unbound fields emptied, the border
// shades derived from the base colour). The editor applies these rules at the
// moments its pages are gathered, the command-line tool where it does what
// the editor does, so both save the same bytes.

#include <string>
#include <vector>

#include "model/records.h"

enum class TFieldKind {
    Spin,          // integer box -9999..9999
    Check,         // "1" / "0"
    Toggle,        // "1" / "0"
    Swatch,        // colour text
    Text,          // free text
    PositionList,  // 0-based position in a fixed list, "-1" for none
    WordList,      // one of a fixed list of words
    RadioPair,     // "1" first choice, "0" second
};

struct TFieldRule {
    int field;
    TFieldKind kind;
    bool trim;                         // leading and trailing blanks (and controls) dropped
    std::vector<std::string> entries;  // the lists' entries, in order
};

// The bound fields of the menu pages, in ascending field order, and of the
// item pages, in the order a load sets them.
const std::vector<TFieldRule>& MenuFieldRules();
const std::vector<TFieldRule>& ItemFieldRules();
const TFieldRule* FindRule(const std::vector<TFieldRule>& rules, int field);

inline constexpr int kSpinMinimum = -9999;
inline constexpr int kSpinMaximum = 9999;

// Drops characters up to U+0020 at both ends, as the pages' trimming does.
std::string TrimBlanks(const std::string& text);

// The value a field shows and gives back after a refresh and a gather; for a
// word that is not in the list, `shownWord` (the list's current choice). A
// value its control cannot show (a number or colour that does not convert)
// comes back unchanged: the pages refuse such a document when they show it.
std::string NormalizedValue(const TFieldRule& rule, const std::string& value, const std::string& shownWord);

// The menu border shades (fields 35 to 38 and 40 to 43) from the base colour.
void DeriveBorderColors(TAppletData& data);

// The whole record as gathering the menu pages makes it. `shownWords` gives
// the word lists' current choices (null: the first entry of each list, as a
// newly built page shows).
TAppletData GatheredApplet(const TAppletData& data, const TAppletData* shownWords = nullptr);
// An item as storing the item pages makes it; the item keeps its level, the
// one thing that places it in the tree.
TItemData GatheredItem(const TItemData& item);

#pragma once
// What a file reader hands the agent: a whole document checked on the side.
// The agent adopts it only when the read was accepted, so a refused file never
// leaves a half-changed document behind. The item lines stay unsplit until
// then: the agent splits them straight into the records it already holds, so
// a large menu does not build a second item list only to destroy the first.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/sectionreader.h"
#include "model/appletagent.h"
#include "model/records.h"

struct TReadDocument {
    // Fills `item` from one item line; fields the line does not carry come
    // from `blank`. Every field of `item` is written, so any old record will do.
    using FillItem = void (*)(std::string_view line, const std::string& separator, const TItemData& blank,
                              TItemData& item);

    TReadResult result;
    TAppletData applet = DefaultAppletData();
    std::string version;

    std::unique_ptr<TSectionReader> source;  // owns the bytes itemLines point into
    std::vector<std::string_view> itemLines;
    std::vector<int> levels;  // of the item lines, clamped into a shape a tree can hold
    TItemData blank;
    FillItem fill = nullptr;

    size_t ItemCount() const { return itemLines.size(); }
};

void Refuse(TReadDocument& document, const std::string& message);

// Collects an item line per line until `closingTag`; the level, field
// `levelField` of a line, is checked as it comes. False when the file ends
// first or an item's level refuses the document (the first such item decides,
// so reading stops there). The last line of a file that ends early may be cut
// short: an item cut before its level is dropped, not taken for damage.
bool ReadItemLines(TSectionReader& in, std::string_view closingTag, size_t levelField, const std::string& separator,
                   TReadDocument& document);

// Marks an early end of the file.
void FinishReading(TReadDocument& document, bool complete, const std::string& path);

// The accepted document's items into `items`, reusing the records and string
// buffers already there, with levels as plain decimal; the tree, holding only
// its root, gets a node per item as the item is filled, while it is at hand.
void FillItemsAndTree(const TReadDocument& document, const std::string& separator, TItemArray& items,
                      TMenuTree& tree);

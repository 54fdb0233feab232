#pragma once
// What a file reader hands the agent: a whole document built on the side. The
// agent adopts it only when the read was accepted, so a refused file never
// leaves a half-changed document behind.

#include <algorithm>
#include <string>

#include "files/sectionreader.h"
#include "model/appletagent.h"
#include "model/records.h"

struct TReadDocument {
    TReadResult result;
    TAppletData applet = DefaultAppletData();
    TItemArray items;
    std::string version;
};

void Refuse(TReadDocument& document, const std::string& message);

// Refuses the document when the item read from `line` has a level that is not
// an integer; the first such item decides, so reading can stop there.
bool RefuseBadLevel(TReadDocument& document, int line);

// The last line of a file that ends early may be cut short; an item cut
// before its level is dropped, not taken for damage.
void DropItemCutBeforeItsLevel(TReadDocument& document);

// Appends an item per line until `closingTag`, made from `blank` and filled
// in place by fill(line, item); false when the file ends first or an item's
// level refuses the document.
template <typename FillItem>
bool ReadItemLines(TSectionReader& in, std::string_view closingTag, TReadDocument& document, const TItemData& blank,
                   FillItem fill)
{
    document.items.clear();
    // Every item takes a line of its own; the cap keeps a file of bare line
    // ends from reserving more than its items would take anyway.
    document.items.reserve(std::min<size_t>(in.LinesLeft(), size_t{1} << 20));
    if (!in.Next())
        return false;
    while (in.Line() != closingTag) {
        document.items.push_back(blank);
        fill(in.Line(), document.items.back());
        const int line = in.LineNumber();
        if (!in.Next()) {
            DropItemCutBeforeItsLevel(document);
            return false;
        }
        if (RefuseBadLevel(document, line))
            return false;
    }
    return true;
}

// Marks an early end of the file, then brings the item levels into a shape a
// tree can hold; a level that is not an integer refuses the document with a
// message naming its line.
void FinishReading(TReadDocument& document, bool complete, const std::string& path);

#pragma once
// What a file reader hands the agent: a whole document built on the side. The
// agent adopts it only when the read was accepted, so a refused file never
// leaves a half-changed document behind.

#include <string>

#include "files/sectionreader.h"
#include "model/appletagent.h"
#include "model/records.h"

struct TReadDocument {
    TReadResult result;
    TAppletData applet = DefaultAppletData();
    TItemArray items;
    std::string version;
    int firstItemLine = 0;  // file line of items[0]; every later item is on the next line
};

void Refuse(TReadDocument& document, const std::string& message);

// Appends an item per line until `closingTag`; false when the file ends first.
template <typename MakeItem>
bool ReadItemLines(TSectionReader& in, const std::string& closingTag, TReadDocument& document, MakeItem makeItem)
{
    document.items.clear();
    if (!in.Next())
        return false;
    document.firstItemLine = in.LineNumber();
    while (in.Line() != closingTag) {
        document.items.push_back(makeItem(in.Line()));
        if (!in.Next())
            return false;
    }
    return true;
}

// Marks an early end of the file, then brings the item levels into a shape a
// tree can hold; a level that is not an integer refuses the document with a
// message naming its line.
void FinishReading(TReadDocument& document, bool complete, const std::string& path);

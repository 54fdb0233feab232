#pragma once
// What a file reader builds: a whole document checked on the side. It is
// adopted only when the read was accepted, so a refused file never leaves a
// half-changed document behind. The item lines stay unsplit until then: they
// are split straight into the records the receiving document already holds,
// so a large menu does not build a second item list only to destroy the first.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/sectionreader.h"
#include "model/document.h"
#include "model/records.h"
#include "model/statusdisplay.h"

// How a read ended. Refused leaves the document untouched; Incomplete means
// the file ended early and the items read so far were kept.
struct TReadResult {
    enum Status { Complete, Incomplete, Refused };
    Status status = Complete;
    std::string message;  // for Refused: the text to show the user
    std::vector<std::string> warnings;  // what finishing a killed save in the folder found
    bool Accepted() const { return status != Refused; }
};

extern const char* const kProjectRefusedMessage;    // "This file wasn't saved by Trellimenu 2006 1.0, open failed!"
extern const char* const kStructureRefusedMessage;  // "This file wasn't saved by specified format, open failed!"

struct TReadDocument {
    // Fills `item` from one item line; fields the line does not carry come
    // from `blank`. Every field of `item` is written, so any old record will do.
    using FillItem = void (*)(std::string_view line, const TItemData& blank, TItemData& item);

    TReadResult result;
    TAppletData applet = DefaultAppletData();
    TExtendedValues extended;
    std::string version;

    std::unique_ptr<TSectionReader> source;  // owns the text itemLines point into
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
bool ReadItemLines(TSectionReader& in, std::string_view closingTag, size_t levelField, TReadDocument& document);

// Marks an early end of the file.
void FinishReading(TReadDocument& document, bool complete, const std::string& path);

// Runs a reader; an accepted read replaces `document` (records, items with
// their levels as plain decimal, encoding, version), reusing the records and
// string buffers already there. Running out of memory is reported as a
// TFileError naming the file.
using TDocumentReader = TReadDocument (*)(const std::string& path, TStatusDisplay& status);
TReadResult ReadInto(TDocumentReader read, const std::string& path, TMenuDocument& document, TStatusDisplay& status);
// The second half of ReadInto, for a read already made.
TReadResult Adopt(TReadDocument read, TMenuDocument& document, const std::string& path);

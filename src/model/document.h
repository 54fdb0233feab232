#pragma once
// The menu document: the menu-wide record, the items in tree order (the tree
// is the sequence of their pLevel depths), the menu-wide values the record
// has no slot for, and the encoding its text files use.
// Readers fill one, writers and the generator read one; nothing else is part
// of the document.

#include <string>

#include "model/extendedvalues.h"
#include "model/records.h"
#include "model/textencoding.h"

struct TMenuDocument {
    TAppletData applet = DefaultAppletData();
    TItemArray items;
    TExtendedValues extended;
    TTextEncoding encoding = TTextEncoding::Utf8;
    std::string fileVersion;  // the version line of the file it was read from

    int ItemCount() const { return static_cast<int>(items.size()); }
    bool operator==(const TMenuDocument& o) const
    {
        return applet == o.applet && items == o.items && extended == o.extended && encoding == o.encoding;
    }
    bool operator!=(const TMenuDocument& o) const { return !(*this == o); }
};

// The encoding a file of these values is written in: the preferred one,
// except that UTF-8 is used when a value holds a character Windows-1252
// lacks, and when every value's Windows-1252 bytes happen to be valid UTF-8
// too (the file would be read back as UTF-8, and "Ã„" would come back as
// "Ä"). forEach(visit) hands every value to visit, which returns false to stop.
template <typename ForEachValue>
TTextEncoding EncodingToWrite(TTextEncoding preferred, ForEachValue forEach)
{
    if (preferred == TTextEncoding::Utf8)
        return preferred;
    bool fits = true, readsAsWindows = false, anyNonAscii = false;
    std::string bytes;
    forEach([&](const std::string& value) {
        if (!Utf8ToWindows1252(value, bytes)) {
            fits = false;
            return false;
        }
        if (bytes != value)
            anyNonAscii = true;
        if (!readsAsWindows && !IsValidUtf8(bytes))
            readsAsWindows = true;
        return true;
    });
    return fits && (readsAsWindows || !anyNonAscii) ? TTextEncoding::Windows1252 : TTextEncoding::Utf8;
}

// The encoding the document's project file is written in (EncodingToWrite
// over every value the file carries).
TTextEncoding EffectiveEncoding(const TMenuDocument& document);

// A Windows-1252 document that now holds a character Windows-1252 lacks
// becomes UTF-8; true when it changed.
bool AdoptEncodingFor(TMenuDocument& document, const std::string& newValue);
bool AdoptEncodingForAll(TMenuDocument& document);

// The hint shown when a document turns UTF-8.
extern const char* const kNowUtf8Hint;

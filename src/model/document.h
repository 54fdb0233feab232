#pragma once
// The menu document: the menu-wide record, the items in tree order (the tree
// is the sequence of their pLevel depths) and the encoding its text files use.
// Readers fill one, writers and the generator read one; nothing else is part
// of the document.

#include <string>

#include "model/records.h"
#include "model/textencoding.h"

struct TMenuDocument {
    TAppletData applet = DefaultAppletData();
    TItemArray items;
    TTextEncoding encoding = TTextEncoding::Utf8;
    std::string fileVersion;  // the version line of the file it was read from

    int ItemCount() const { return static_cast<int>(items.size()); }
    bool operator==(const TMenuDocument& o) const
    {
        return applet == o.applet && items == o.items && encoding == o.encoding;
    }
    bool operator!=(const TMenuDocument& o) const { return !(*this == o); }
};

// The encoding the document's files are written in: its own, unless a value
// holds a character that encoding cannot (then UTF-8, so nothing is lost).
TTextEncoding EffectiveEncoding(const TMenuDocument& document);

// A Windows-1252 document that now holds a character Windows-1252 lacks
// becomes UTF-8; true when it changed.
bool AdoptEncodingFor(TMenuDocument& document, const std::string& newValue);
bool AdoptEncodingForAll(TMenuDocument& document);

// The hint shown when a document turns UTF-8.
extern const char* const kNowUtf8Hint;

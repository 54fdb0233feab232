#pragma once
// The editor's document object: it owns the menu document. Item edits are
// the editor's commands over the positions of model/itemtree.h; file work and
// generation are functions over the document (src/files, src/codegen).

#include <string>

#include "model/document.h"
#include "model/records.h"

class TvarnAppletAgent {
public:
    TvarnAppletAgent() = default;

    // --- Records (copies in, copies out) ---
    TAppletData GetAppletData() const { return document_.applet; }
    void SetAppletData(const TAppletData& data) { document_.applet = data; }
    TItemData GetItem(int i) const;
    void SetItem(int i, const TItemData& item);
    int ItemCount() const { return document_.ItemCount(); }
    const TItemArray& Items() const { return document_.items; }
    const std::string& FieldSeparator() const { return kFieldSeparator; }
    const std::string& LoadedFileVersion() const { return document_.fileVersion; }

    const TMenuDocument& Document() const { return document_; }
    TMenuDocument& Document() { return document_; }

    void ResetAppletToDefaults();  // reset values, no items, a new (UTF-8) document
    static TItemData NewDefaultItem() { return ::NewDefaultItem(); }

private:
    TMenuDocument document_;
};

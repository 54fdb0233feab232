#pragma once
// What the document actions ask of the views that show the document (the
// menu tree and the property pages), without knowing them. The views follow
// a replaced document by themselves; the actions only gather and ask.

class TDocumentViews {
public:
    virtual ~TDocumentViews() = default;
    // The pages write what they show into the document, as a save, a
    // preview or a publish must take it.
    virtual void GatherPages() = 0;
    // False (after the user was told) when the pages could not show a value
    // stored in the document they last followed.
    virtual bool PagesShowDocument() const = 0;
};

#pragma once
// What the document actions ask of the views that show the document (the
// menu tree and the property pages), without knowing them.

class TDocumentViews {
public:
    virtual ~TDocumentViews() = default;
    // The pages write what they show into the document, as a save, a
    // preview or a publish must take it.
    virtual void GatherPages() = 0;
    // An empty document in place of the open one, its menu pages shown.
    virtual void ShowEmptyDocument() = 0;
    // The document was replaced by one read from a file: the views follow it.
    virtual void FollowReplacedDocument() = 0;
    // The menu pages filled from the document; false (after telling the
    // user) when a stored value cannot be shown.
    virtual bool ShowMenuValues() = 0;
    // The menu itself selected, its pages in front, its items unfolded.
    virtual void ShowMenuRoot() = 0;
};

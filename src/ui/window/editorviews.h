#pragma once
// The menu tree and the property pages, as the document actions see them.

#include "ui/actions/documentviews.h"

class TEditorDocument;
class TMenuEditor;

class TEditorViews final : public TDocumentViews {
public:
    TEditorViews(TMenuEditor& editor, TEditorDocument& document) : editor_(editor), document_(document) {}

    void GatherPages() override;
    void ShowEmptyDocument() override;
    void FollowReplacedDocument() override;
    bool ShowMenuValues() override;
    void ShowMenuRoot() override;

private:
    TMenuEditor& editor_;
    TEditorDocument& document_;
};

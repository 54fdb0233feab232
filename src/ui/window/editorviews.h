#pragma once
// The menu tree and the property pages, as the document actions see them.

#include "ui/actions/documentviews.h"

class TMenuEditor;

class TEditorViews final : public TDocumentViews {
public:
    explicit TEditorViews(TMenuEditor& editor) : editor_(editor) {}

    void GatherPages() override;
    bool PagesShowDocument() const override;

private:
    TMenuEditor& editor_;
};

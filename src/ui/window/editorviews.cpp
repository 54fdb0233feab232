#include "ui/window/editorviews.h"

#include "ui/window/menueditor.h"

void TEditorViews::GatherPages()
{
    editor_.ApplyGatherRules();
}

bool TEditorViews::PagesShowDocument() const
{
    return editor_.PagesShowDocument();
}

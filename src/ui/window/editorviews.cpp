#include "ui/window/editorviews.h"

#include <QTreeWidget>

#include "ui/document/editordocument.h"
#include "ui/tree/designpanel.h"
#include "ui/window/menueditor.h"

void TEditorViews::GatherPages()
{
    editor_.ApplyGatherRules();
}

void TEditorViews::ShowEmptyDocument()
{
    editor_.ResetSelectionState();
    editor_.ResetTree();
    document_.Replace(TMenuDocument());
    editor_.RefreshMenuPages();
}

void TEditorViews::FollowReplacedDocument()
{
    // The tree is rebuilt: no node is being edited any more.
    editor_.RebuildTree();
}

bool TEditorViews::ShowMenuValues()
{
    return editor_.RefreshMenuPages();
}

void TEditorViews::ShowMenuRoot()
{
    // Selecting the root shows the seven menu pages and hides the item pages.
    auto* panel = qobject_cast<TDesignPanel*>(editor_.TreePanel());
    if (!panel)
        return;
    // The reader may have left the root current while tree events were
    // suppressed; moving away and back makes the tree panel see the selection.
    panel->TreeWidget()->setCurrentItem(nullptr);
    panel->Select(panel->Root());
    panel->Expand(panel->Root());
}

// The agent's generator: the page and tmzcfg.js from the records and the tree.
#include <string>

#include "codegen/menucode.h"
#include "codegen/menushape.h"
#include "files/textfile.h"
#include "model/appletagent.h"
#include "model/statustask.h"

namespace {

TMenuShape CurrentShape(const TvarnAppletAgent& agent) {
    const TMenuTree* tree = agent.MenuTree();
    // A tree out of step with the list would attach records to the wrong nodes.
    if (tree && tree->Root() && tree->Count() - 1 == agent.ItemCount()) {
        TMenuShape shape = TMenuShape::FromTree(*tree);
        if (shape.ItemCount() == agent.ItemCount()) return shape;
    }
    return TMenuShape::FromLevels(agent.Items());
}

void ApplyDerivedFields(TItemArray& items, const TMenuShape& shape) {
    for (int k = 0; k < shape.ItemCount(); ++k) {
        TItemData& item = items[static_cast<size_t>(k)];
        item[pLevel] = shape.LevelText(k);
        item[pHasChildren] = shape.HasChildren(k) ? "1" : "0";
        item[pSiblingPosition] = shape.SiblingPositionText(k);
        item[pIsFirstItem] = k == 0 ? "1" : "0";
    }
}

void WriteLines(TTextFileWriter& file, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) file.WriteLine(line);
}

}  // namespace

void TvarnAppletAgent::RefreshDerivedItemFields() {
    ApplyDerivedFields(items_, CurrentShape(*this));
}

void TvarnAppletAgent::MakeHTMLCodes(const std::string& pagePath) {
    TStatusTask task(Status());
    task.Begin("Making HTML Codes ... ...");
    const TMenuShape shape = CurrentShape(*this);
    ApplyDerivedFields(items_, shape);

    // Both files go to temporary names first: a failure leaves the previous
    // files whole, and a browser never loads half a script.
    TTextFileWriter page(pagePath);
    TTextFileWriter script(ProgramFolder() + kParameterScriptName);
    WriteLines(page, PageHeadLines());
    if (!items_.empty()) {
        WriteLines(page, PageCodeLines());
        StoreFixedValues(appletData_, shape.MenuCount());
        script.WriteLine(MenuParameterLine(appletData_));
    }
    for (int k : shape.GenerationOrder()) {
        TItemData& item = items_[static_cast<size_t>(k)];
        PrepareItem(item, appletData_);
        script.WriteLine(ItemLine(item, items_[static_cast<size_t>(shape.GroupFirst(k))][pMenuWidth]));
    }
    WriteLines(page, PageTailLines());
    script.Commit();
    page.Commit();
}

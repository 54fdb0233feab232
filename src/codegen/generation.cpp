#include "codegen/generation.h"

#include "codegen/menucode.h"
#include "model/menushape.h"
#include "model/statustask.h"

namespace {

void ApplyDerivedFields(TItemArray& items, const TMenuShape& shape) {
    for (int k = 0; k < shape.ItemCount(); ++k) {
        TItemData& item = items[static_cast<size_t>(k)];
        item[pLevel] = shape.LevelText(k);
        item[pHasChildren] = shape.HasChildren(k) ? "1" : "0";
        item[pSiblingPosition] = shape.SiblingPositionText(k);
        item[pIsFirstItem] = k == 0 ? "1" : "0";
    }
}

void AppendLines(std::string& text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
}

}  // namespace

TGeneratedMenu GenerateMenu(const TMenuDocument& document, TStatusDisplay& status) {
    TStatusTask task(status);
    task.Begin("Making HTML Codes ... ...");
    TGeneratedMenu menu{document, {}, {}};
    TMenuDocument& out = menu.document;
    const TMenuShape shape = TMenuShape::FromLevels(out.items);
    ApplyDerivedFields(out.items, shape);

    AppendLines(menu.page, PageHeadLines());
    if (!out.items.empty()) {
        AppendLines(menu.page, PageCodeLines());
        StoreFixedValues(out.applet, shape.MenuCount());
        menu.script += MenuParameterLine(out.applet);
        menu.script += "\r\n";
    }
    for (int k : shape.GenerationOrder()) {
        TItemData& item = out.items[static_cast<size_t>(k)];
        PrepareItem(item, out.applet);
        menu.script += ItemLine(item, out.items[static_cast<size_t>(shape.GroupFirst(k))][pMenuWidth]);
        menu.script += "\r\n";
    }
    AppendLines(menu.page, PageTailLines());
    return menu;
}

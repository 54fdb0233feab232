#include "codegen/generation.h"

#include "codegen/menucode.h"
#include "codegen/moderncode.h"
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

const char* PageCodeName(TPageCode code) { return code == TPageCode::Modern ? "modern" : "classic"; }

bool PageCodeFromName(const std::string& name, TPageCode& code) {
    for (TPageCode candidate : {TPageCode::Classic, TPageCode::Modern}) {
        if (name == PageCodeName(candidate)) {
            code = candidate;
            return true;
        }
    }
    return false;
}

TGeneratedMenu GenerateMenu(const TMenuDocument& document, TStatusDisplay& status, TPageCode pageCode) {
    TStatusTask task(status);
    task.Begin("Making HTML Codes ... ...");
    TGeneratedMenu menu{document, {}, {}, {}};
    TMenuDocument& out = menu.document;
    const TMenuShape shape = TMenuShape::FromLevels(out.items);
    ApplyDerivedFields(out.items, shape);

    AppendLines(menu.page, PageHeadLines());
    if (!out.items.empty()) {
        if (pageCode == TPageCode::Classic) AppendLines(menu.page, PageCodeLines());
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
    // After every other call, so the run-time scripts have the whole menu
    // when the extended values arrive; a menu without items gets no script.
    const std::string extendedLine = out.items.empty() ? std::string() : ExtendedParameterLine(out.extended);
    if (!extendedLine.empty()) menu.script += extendedLine + "\r\n";
    // The nav holds the links as tmzcfg.js has them, so it follows the loop
    // that prepares them.
    if (pageCode == TPageCode::Modern) {
        if (!out.items.empty()) AppendLines(menu.page, ModernCodeLines(out, shape));
        menu.stylesheet = MenuStylesheet(out);
    }
    AppendLines(menu.page, PageTailLines());
    return menu;
}

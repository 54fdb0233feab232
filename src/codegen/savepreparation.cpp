#include "codegen/savepreparation.h"

#include "model/fieldrules.h"

TAppletData WordsShownFor(const TAppletData& applet) {
    TAppletData shown;
    for (const TFieldRule& rule : MenuFieldRules()) {
        if (rule.kind != TFieldKind::WordList) continue;
        const std::string& stored = applet[rule.field];
        shown[rule.field] = stored.empty() && !rule.entries.empty() ? rule.entries.front() : stored;
    }
    return shown;
}

TMenuDocument GatheredDocument(const TMenuDocument& document, int shownItem) {
    TMenuDocument gathered = document;
    const TAppletData shownWords = WordsShownFor(document.applet);
    gathered.applet = GatheredApplet(document.applet, &shownWords);
    if (shownItem >= 0 && size_t(shownItem) < gathered.items.size())
        gathered.items[size_t(shownItem)] = GatheredItem(gathered.items[size_t(shownItem)]);
    return gathered;
}

TGeneratedMenu PrepareSave(const TMenuDocument& document, const TGathering& gathering, TStatusDisplay& status,
                           TPageCode pageCode) {
    if (!gathering.pages) return GenerateMenu(document, status, pageCode);
    return GenerateMenu(GatheredDocument(document, gathering.shownItem), status, pageCode);
}

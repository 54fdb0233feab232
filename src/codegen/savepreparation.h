#pragma once
// What a save publishes, made in memory. The editor's pages give a field back
// normalised (numbers clamped, colours in upper case, the border shades
// derived from their base colour); a save from the editor writes the records
// as the pages would give them back, then generates. The editor's save and
// its live preview both come through here, so the preview shows the bytes a
// save writes.

#include "codegen/generation.h"
#include "model/document.h"
#include "model/records.h"
#include "model/statusdisplay.h"

// Which records are taken as the pages give them back before generating.
struct TGathering {
    bool pages = false;  // false: the records are generated as they stand (the command-line publish)
    int shownItem = -1;  // the item the item pages show, -1 for none
};

// The word each word list shows for `applet`: the stored word, whether its
// list has it or not (a stored word is never swapped for another), and the
// list's first entry for a field stored empty, as a newly built page shows.
TAppletData WordsShownFor(const TAppletData& applet);

// The menu record, and the item shown, as gathering the pages makes them.
TMenuDocument GatheredDocument(const TMenuDocument& document, int shownItem);

// The page, the scripts and the project records a save writes.
TGeneratedMenu PrepareSave(const TMenuDocument& document, const TGathering& gathering, TStatusDisplay& status,
                           TPageCode pageCode);

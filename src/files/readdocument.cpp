#include "files/readdocument.h"

#include "model/itemlevels.h"

void Refuse(TReadDocument& document, const std::string& message)
{
    document.result.status = TReadResult::Refused;
    document.result.message = message;
}

bool RefuseBadLevel(TReadDocument& document, int line)
{
    const std::string& text = document.items.back()[pLevel];
    int level;
    if (ParseLevel(text, level))
        return false;
    Refuse(document, "Line " + std::to_string(line) + ": " + InvalidIntegerMessage(text));
    return true;
}

void DropItemCutBeforeItsLevel(TReadDocument& document)
{
    int level;
    if (!ParseLevel(document.items.back()[pLevel], level))
        document.items.pop_back();
}

void FinishReading(TReadDocument& document, bool complete, const std::string& path)
{
    if (!document.result.Accepted())
        return;
    if (!complete) {
        document.result.status = TReadResult::Incomplete;
        document.result.message = "The file \"" + path + "\" ends early; the part read before its end was opened.";
    }
    NormalizeItemLevels(document.items);  // every level is an integer by now
}

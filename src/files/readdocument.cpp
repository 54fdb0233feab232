#include "files/readdocument.h"

#include "model/itemlevels.h"

void Refuse(TReadDocument& document, const std::string& message)
{
    document.result.status = TReadResult::Refused;
    document.result.message = message;
}

void FinishReading(TReadDocument& document, bool complete, const std::string& path)
{
    if (!complete) {
        document.result.status = TReadResult::Incomplete;
        document.result.message = "The file \"" + path + "\" ends early; the part read before its end was opened.";
    }
    const int bad = NormalizeItemLevels(document.items);
    if (bad >= 0) {
        const std::string& text = document.items[static_cast<size_t>(bad)][pLevel];
        Refuse(document, "Line " + std::to_string(document.firstItemLine + bad) + ": " + InvalidIntegerMessage(text));
    }
}

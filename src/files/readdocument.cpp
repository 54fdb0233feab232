#include "files/readdocument.h"

#include "model/itemlevels.h"

void Refuse(TReadDocument& document, const std::string& message)
{
    document.result.status = TReadResult::Refused;
    document.result.message = message;
}

bool ReadItemLines(TSectionReader& in, std::string_view closingTag, size_t levelField, const std::string& separator,
                   TReadDocument& document)
{
    document.itemLines.clear();
    if (!in.Next())
        return false;
    while (in.Line() != closingTag) {
        const std::string_view text = in.Line();
        const std::string_view levelText = FieldView(text, separator, levelField);
        int level;
        const bool isInteger = ParseLevel(levelText, level);
        document.itemLines.push_back(text);
        const int line = in.LineNumber();
        if (!in.Next()) {
            if (!isInteger)
                document.itemLines.pop_back();
            return false;
        }
        if (!isInteger) {
            Refuse(document, "Line " + std::to_string(line) + ": " + InvalidIntegerMessage(std::string(levelText)));
            return false;
        }
    }
    return true;
}

void FinishReading(TReadDocument& document, bool complete, const std::string& path)
{
    if (!document.result.Accepted())
        return;
    if (!complete) {
        document.result.status = TReadResult::Incomplete;
        document.result.message = "The file \"" + path + "\" ends early; the part read before its end was opened.";
    }
}

void FillItems(const TReadDocument& document, const std::string& separator, TItemArray& items)
{
    items.resize(document.itemLines.size());
    for (size_t k = 0; k < document.itemLines.size(); ++k)
        document.fill(document.itemLines[k], separator, document.blank, items[k]);
}

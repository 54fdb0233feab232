#include "files/readdocument.h"

#include "model/itemlevels.h"

void Refuse(TReadDocument& document, const std::string& message)
{
    document.result.status = TReadResult::Refused;
    document.result.message = message;
}

static void AddItemLine(TReadDocument& document, std::string_view text, int level, int& previous)
{
    previous = ClampLevel(level, previous);
    document.itemLines.push_back(text);
    document.levels.push_back(previous);
}

bool ReadItemLines(TSectionReader& in, std::string_view closingTag, size_t levelField, const std::string& separator,
                   TReadDocument& document)
{
    document.itemLines.clear();
    document.levels.clear();
    int previous = -1;
    if (!in.Next())
        return false;
    while (in.Line() != closingTag) {
        const std::string_view text = in.Line();
        const std::string_view levelText = FieldView(text, separator, levelField);
        int level;
        const bool isInteger = ParseLevel(levelText, level);
        const int line = in.LineNumber();
        if (!in.Next()) {
            if (isInteger)
                AddItemLine(document, text, level, previous);
            return false;
        }
        if (!isInteger) {
            Refuse(document, "Line " + std::to_string(line) + ": " + InvalidIntegerMessage(std::string(levelText)));
            return false;
        }
        AddItemLine(document, text, level, previous);
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

void FillItemsAndTree(const TReadDocument& document, const std::string& separator, TItemArray& items,
                      TMenuTree& tree)
{
    items.resize(document.itemLines.size());
    TLevelTreeBuilder builder(tree, tree.Root());
    for (size_t k = 0; k < items.size(); ++k) {
        TItemData& item = items[k];
        document.fill(document.itemLines[k], separator, document.blank, item);
        StoreLevelText(item[pLevel], document.levels[k]);
        builder.Add(document.levels[k], item[ICaption]);
    }
}

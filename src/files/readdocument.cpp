#include "files/readdocument.h"

#include <new>

#include "model/itemlevels.h"

const char* const kProjectRefusedMessage = "This file wasn't saved by Trellimenu 2006 1.0, open failed!";
const char* const kStructureRefusedMessage = "This file wasn't saved by specified format, open failed!";

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

bool ReadItemLines(TSectionReader& in, std::string_view closingTag, size_t levelField, TReadDocument& document)
{
    document.itemLines.clear();
    document.levels.clear();
    int previous = -1;
    if (!in.Next())
        return false;
    while (in.Line() != closingTag) {
        const std::string_view text = in.Line();
        const std::string_view levelText = FieldView(text, kFieldSeparator, levelField);
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

TReadResult ReadInto(TDocumentReader read, const std::string& path, TMenuDocument& document, TStatusDisplay& status)
{
    try {
        return Adopt(read(path, status), document, path);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError(path);
    }
}

TReadResult Adopt(TReadDocument read_, TMenuDocument& document, const std::string& path)
{
    try {
        if (!read_.result.Accepted())
            return read_.result;
        document.applet = std::move(read_.applet);
        document.extended = std::move(read_.extended);
        document.fileVersion = std::move(read_.version);
        document.encoding = read_.source->Encoding();
        document.items.resize(read_.itemLines.size());
        for (size_t k = 0; k < document.items.size(); ++k) {
            TItemData& item = document.items[k];
            read_.fill(read_.itemLines[k], read_.blank, item);
            StoreLevelText(item[pLevel], read_.levels[k]);
        }
        return read_.result;
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError(path);
    }
}

#include "files/structurefile.h"

#include <array>

#include "files/fieldline.h"
#include "files/projectfile.h"

namespace {

constexpr const char* kStructureFormatName = "General Menu Structure Description Format";

const std::array<const char*, 12> kHeaderLines = {{
    "<Generator_Name>",
    "Trellimenu 2006",
    "</Generator_Name>",
    "<Generator_Version>",
    "1.0",
    "</Generator_Version>",
    "<Product_Name>",
    kStructureFormatName,
    "</Product_Name>",
    "<Product_Version>",
    "1.0",
    "</Product_Version>",
}};

// The item fields a structure line carries, in line order.
constexpr std::array<TItemField, 5> kCarriedFields = {{pLevel, ICaption, pURL, pTarget, pStatusMsg}};

}  // namespace

void WriteStructureHeader(TTextFileWriter& out, TStatusTask& task)
{
    for (const char* line : kHeaderLines)
        out.WriteLine(line);
    task.Step(10);
    task.Step(5);
    out.WriteLine("<Structure_Description>");
}

void WriteStructureItems(TTextFileWriter& out, const TItemArray& items, const std::string& separator)
{
    TLineBatch batch(out);
    for (const TItemData& item : items)
        batch.Add(kCarriedFields.size(), separator,
                  [&](size_t i) -> const std::string& { return item[kCarriedFields[i]]; });
    batch.Flush();
    out.WriteLine("</Structure_Description>");
}

TReadDocument ReadStructureFile(const std::string& path, const std::string& separator, TStatusTask& task)
{
    TReadDocument document;
    TSectionReader in(path);
    if (!in.Next() || !in.SkipUntil("<Product_Name>") || !in.Next() || in.Line() != kStructureFormatName) {
        Refuse(document, kStructureRefusedMessage);
        return document;
    }
    bool complete = false;
    if (in.Next() && in.SkipUntil("<Product_Version>") && in.Next()) {
        document.version = in.Line();
        if (in.Next() && in.SkipUntil("<Structure_Description>")) {
            task.Begin(kLoadingDataHint);
            std::array<std::string, kCarriedFields.size()> values;
            complete = ReadItemLines(in, "</Structure_Description>", document, NewDefaultItem(),
                                     [&](std::string_view text, TItemData& item) {
                                         SplitFieldsInto(text, separator, values.data(), values.size());
                                         for (size_t i = 0; i < kCarriedFields.size(); ++i)
                                             item[kCarriedFields[i]].swap(values[i]);
                                     });
        }
    }
    FinishReading(document, complete, path);
    return document;
}

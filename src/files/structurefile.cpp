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

static_assert(kCarriedFields[0] == pLevel, "the reader checks the level as field 0");

// The carried fields from the line, every other field from the new-item values;
// assigning keeps the buffers the record already has.
void FillCarriedFields(std::string_view text, const std::string& separator, const TItemData& blank, TItemData& item)
{
    std::array<std::string_view, kCarriedFields.size()> values;
    SplitFieldViews(text, separator, values.data(), values.size());
    const auto store = [](std::string& field, std::string_view value) {
        if (std::string_view(field) != value)  // an untouched record costs no memory write
            field.assign(value.data(), value.size());
    };
    for (size_t f = 0; f < item.values.size(); ++f)
        store(item.values[f], blank.values[f]);
    for (size_t i = 0; i < kCarriedFields.size(); ++i)
        store(item[kCarriedFields[i]], values[i]);
}

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
    document.source = std::make_unique<TSectionReader>(path);
    document.blank = NewDefaultItem();
    document.fill = FillCarriedFields;
    TSectionReader& in = *document.source;
    if (!in.Next() || !in.SkipUntil("<Product_Name>") || !in.Next() || in.Line() != kStructureFormatName) {
        Refuse(document, kStructureRefusedMessage);
        return document;
    }
    bool complete = false;
    if (in.Next() && in.SkipUntil("<Product_Version>") && in.Next()) {
        document.version = in.Line();
        if (in.Next() && in.SkipUntil("<Structure_Description>")) {
            task.Begin(kLoadingDataHint);
            complete = ReadItemLines(in, "</Structure_Description>", 0, separator, document);
        }
    }
    FinishReading(document, complete, path);
    return document;
}

#include "files/structurefile.h"

#include <array>

#include "files/fieldline.h"
#include "files/projectfile.h"
#include "model/menushape.h"
#include "model/statustask.h"

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
void FillCarriedFields(std::string_view text, const TItemData& blank, TItemData& item)
{
    std::array<std::string_view, kCarriedFields.size()> values;
    SplitFieldViews(text, kFieldSeparator, values.data(), values.size());
    const auto store = [](std::string& field, std::string_view value) {
        if (std::string_view(field) != value)  // an untouched record costs no memory write
            field.assign(value.data(), value.size());
    };
    for (size_t f = 0; f < item.values.size(); ++f)
        store(item.values[f], blank.values[f]);
    for (size_t i = 0; i < kCarriedFields.size(); ++i)
        store(item[kCarriedFields[i]], values[i]);
}

// The item lines and the closing tag. Stored levels may be damaged; the depth
// of each item in the tree they describe is what another tool needs.
std::string StructureItemLines(const TItemArray& items)
{
    const TMenuShape shape = TMenuShape::FromLevels(items);
    std::string text;
    std::string level;
    for (size_t k = 0; k < items.size(); ++k) {
        const TItemData& item = items[k];
        level = shape.LevelText(static_cast<int>(k));
        AppendFields(text, kCarriedFields.size(), [&](size_t i) -> const std::string& {
            return kCarriedFields[i] == pLevel ? level : item[kCarriedFields[i]];
        });
        text += "\r\n";
    }
    return text + "</Structure_Description>\r\n";
}

}  // namespace

void StageStructureFile(const TMenuDocument& document, TFileTransaction& files, const std::string& path,
                        TStatusDisplay& status)
{
    // The file holds five fields of each item: they decide its encoding.
    const TTextEncoding encoding = EncodingToWrite(document.encoding, [&](auto visit) {
        for (const TItemData& item : document.items) {
            for (TItemField field : kCarriedFields) {
                if (!visit(item[field]))
                    return;
            }
        }
    });
    TStatusTask task(status);
    TStagedFile& out = BeginDocumentFile(files, path, document, encoding, task, kHeaderLines);
    task.Step(5);
    out.WriteLine("<Structure_Description>");
    out.Write(StructureItemLines(document.items));
}

std::string StructureFileText(const TMenuDocument& document)
{
    std::string text;
    for (const char* line : kHeaderLines)
        text += std::string(line) + "\r\n";
    return text + "<Structure_Description>\r\n" + StructureItemLines(document.items);
}

void ExportStructureFile(const TMenuDocument& document, const std::string& path, TStatusDisplay& status)
{
    TFileTransaction files;
    StageStructureFile(document, files, path, status);
    files.Commit();
}

namespace {

TReadDocument ReadStructure(std::unique_ptr<TSectionReader> source, const std::string& name, TStatusDisplay& status)
{
    TReadDocument document;
    document.source = std::move(source);
    document.blank = NewDefaultItem();
    document.fill = FillCarriedFields;
    TSectionReader& in = *document.source;
    if (!in.Next() || !in.SkipUntil("<Product_Name>") || !in.Next() || in.Line() != kStructureFormatName) {
        Refuse(document, kStructureRefusedMessage);
        return document;
    }
    bool complete = false;
    TStatusTask task(status);
    if (in.Next() && in.SkipUntil("<Product_Version>") && in.Next()) {
        document.version = in.Line();
        if (in.Next() && in.SkipUntil("<Structure_Description>")) {
            task.Begin(kLoadingDataHint);
            complete = ReadItemLines(in, "</Structure_Description>", 0, document);
        }
    }
    FinishReading(document, complete, name);
    return document;
}

}  // namespace

TReadDocument ReadStructureFile(const std::string& path, TStatusDisplay& status)
{
    return ReadStructure(std::make_unique<TSectionReader>(path), path, status);
}

TReadResult ReadStructureText(const std::string& text, TMenuDocument& document)
{
    TSilentStatus status;
    const std::string name = "(clipboard)";
    return Adopt(ReadStructure(std::make_unique<TSectionReader>(TTextLineReader::FromBytes{}, text), name, status),
                 document, name);
}

TReadResult ImportStructureFile(const std::string& path, TMenuDocument& document, TStatusDisplay& status)
{
    return ReadInto(ReadStructureFile, path, document, status);
}

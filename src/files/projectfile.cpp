#include "files/projectfile.h"

#include <algorithm>
#include <array>
#include <climits>

#include "files/fieldline.h"
#include "model/statustask.h"

namespace {

const std::array<const char*, 10> kHeaderLines = {{
    "<Warning_Info>",
    "Note: This file be created and maintained by Trellimenu 2006 1.0.",
    "It may cause the project file can't be opened correctly if you modify it by yourself!",
    "</Warning_Info>",
    "<Product_Name>",
    "Trellimenu 2006",
    "</Product_Name>",
    "<Product_Version>",
    "1.0",
    "</Product_Version>",
}};

constexpr const char* kExtendedOpeningTag = "<Extended_Parameters>";
constexpr const char* kExtendedClosingTag = "</Extended_Parameters>";

bool IsOurProductName(std::string_view line)
{
    return line == "Trellimenu 2006" || line == "Trellimenu";
}

// The section after the items, which readers that stop at the closing item
// tag never see. A file without it is complete; one that ends inside it
// keeps the lines read before the end, less a last line cut short. Blank
// lines and lines without "=" carry no value and are passed over.
bool ReadExtendedSection(TSectionReader& in, TExtendedValues& values)
{
    do {
        if (!in.Next())
            return true;
    } while (in.Line() != kExtendedOpeningTag);
    while (in.Next()) {
        const std::string_view line = in.Line();
        if (line == kExtendedClosingTag)
            return true;
        const size_t equals = line.find('=');
        if (in.LineEnded() && equals != std::string_view::npos)
            values.AddAsRead(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)));
    }
    return false;
}

void WriteExtendedSection(TStagedFile& out, const TExtendedValues& values)
{
    if (values.Empty())
        return;
    out.WriteLine(kExtendedOpeningTag);
    for (const TExtendedValue& entry : values.Entries())
        out.WriteLine(entry.name + "=" + entry.value);
    out.WriteLine(kExtendedClosingTag);
}

}  // namespace

int SavingProgressMaximum(size_t itemCount)
{
    const unsigned long long maximum = static_cast<unsigned long long>(itemCount) * kItemFieldCount + 15;
    return static_cast<int>(std::min<unsigned long long>(maximum, INT_MAX));
}

void StageProjectFile(const TMenuDocument& document, TFileTransaction& files, const std::string& path,
                      TStatusDisplay& status)
{
    TStatusTask task(status);
    TStagedFile& out = BeginDocumentFile(files, path, document, EffectiveEncoding(document), task, kHeaderLines);

    out.WriteLine("<Applet_Parameters>");
    const TStringArray parameters = AppletToStrings(document.applet);
    TLineBatch parameterLine(out);
    parameterLine.Add(parameters.data(), parameters.size());
    parameterLine.Flush();
    out.WriteLine("</Applet_Parameters>");
    task.Step(5);

    out.WriteLine("<Item_Parameters>");
    TLineBatch batch(out);
    for (const TItemData& item : document.items) {
        batch.Add(item.values.data(), item.values.size());
        task.Step(kItemFieldCount);  // one step per value, given at once: the bar shows whole items
    }
    batch.Flush();
    out.WriteLine("</Item_Parameters>");
    WriteExtendedSection(out, document.extended);
}

void SaveProjectFile(const TMenuDocument& document, const std::string& path, TStatusDisplay& status)
{
    TFileTransaction files;
    StageProjectFile(document, files, path, status);
    files.Commit();
}

TReadDocument ReadProjectFile(const std::string& path, TStatusDisplay& status)
{
    TReadDocument document;
    document.source = std::make_unique<TSectionReader>(path);
    document.fill = [](std::string_view text, const TItemData&, TItemData& item) {
        SplitFieldsInto(text, kFieldSeparator, item.values.data(), item.values.size());
    };
    TSectionReader& in = *document.source;
    if (!in.Next() || !in.SkipUntil("<Product_Name>") || !in.Next() || !IsOurProductName(in.Line())) {
        Refuse(document, kProjectRefusedMessage);
        return document;
    }
    // From here on the end of the file keeps what was read so far.
    bool complete = false;
    TStatusTask task(status);
    if (in.Next() && in.SkipUntil("<Product_Version>") && in.Next()) {
        document.version = in.Line();
        if (in.Next() && in.SkipUntil("<Applet_Parameters>") && in.Next()) {
            document.applet = StringsToApplet(SplitFields(in.Line(), kAppletFieldCount, kFieldSeparator));
            if (in.SkipUntil("<Item_Parameters>")) {
                task.Begin(kLoadingDataHint);
                complete = ReadItemLines(*document.source, "</Item_Parameters>", pLevel, document) &&
                           ReadExtendedSection(in, document.extended);
            }
        }
    }
    FinishReading(document, complete, path);
    return document;
}

TReadResult LoadProjectFile(const std::string& path, TMenuDocument& document, TStatusDisplay& status)
{
    // A save killed among its renames is finished first, so a project is
    // never read from half a set.
    std::vector<std::string> warnings = FinishInterruptedSavesBeside(path);
    TReadResult result = ReadInto(ReadProjectFile, path, document, status);
    result.warnings = std::move(warnings);
    return result;
}

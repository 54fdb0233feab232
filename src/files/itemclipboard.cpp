#include "files/itemclipboard.h"

#include "files/fieldline.h"
#include "files/textfile.h"
#include "model/itemlevels.h"
#include "model/itemtree.h"

const char* const kItemsMimeType = "application/x-trellimenu-items";

namespace {

constexpr const char* kOpeningTag = "<Trellimenu_Items>";
constexpr const char* kClosingTag = "</Trellimenu_Items>";

}  // namespace

std::string ItemsClipboardText(const TItemArray& block)
{
    TItemArray relative = block;
    SetBlockLevel(relative, 0);
    std::string text = std::string(kOpeningTag) + "\r\n";
    for (const TItemData& item : relative) {
        AppendFields(text, item.values.size(), [&](size_t i) -> const std::string& { return item.values[i]; });
        text += "\r\n";
    }
    return text + kClosingTag + "\r\n";
}

std::optional<TItemArray> ItemsFromClipboardText(const std::string& text)
{
    TTextLineReader lines(TTextLineReader::FromBytes{}, text);
    std::string_view line;
    if (!lines.ReadLine(line) || line != kOpeningTag)
        return std::nullopt;
    TItemArray items;
    while (lines.ReadLine(line) && line != kClosingTag) {
        TItemData item;
        SplitFieldsInto(line, kFieldSeparator, item.values.data(), item.values.size());
        items.push_back(item);
    }
    if (line != kClosingTag)
        return std::nullopt;
    if (NormalizeItemLevels(items) >= 0)
        return std::nullopt;  // a level that is no number: not ours
    return items;
}

#include "model/extendedvalues.h"

#include <algorithm>

namespace {

using K = TExtendedKind;

const std::vector<TExtendedName> kKnownNames = {
    {extended::kLayout, "Floating", K::Choice, {"Floating", "Bar", "Sidebar"}},
    {extended::kPhoneBelow, "640", K::Pixels, {}},
    {extended::kBarWidth, "Full", K::Choice, {"Full", "Fit"}},
    {extended::kBarAlign, "Left", K::Choice, {"Left", "Center", "Right"}},
    {extended::kSticky, "0", K::Flag, {}},
    {extended::kDarkItemBGColor, "", K::Colour, {}},
    {extended::kDarkItemFontColor, "", K::Colour, {}},
    {extended::kDarkItemBGColorOver, "", K::Colour, {}},
    {extended::kDarkItemFontColorOver, "", K::Colour, {}},
    {extended::kDarkBorderColor, "", K::Colour, {}},
    {extended::kDarkBarBGColor, "", K::Colour, {}},
};

constexpr size_t kMaxPixelDigits = 4;  // 0 to 9999, the range of the pages' number boxes

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char UpperHexDigit(char c)
{
    if (IsDigit(c) || (c >= 'A' && c <= 'F'))
        return c;
    if (c >= 'a' && c <= 'f')
        return static_cast<char>(c - 'a' + 'A');
    return '\0';
}

std::optional<std::string> NormalizedPixels(std::string_view value)
{
    if (value.empty() || !std::all_of(value.begin(), value.end(), IsDigit))
        return std::nullopt;
    const size_t first = value.find_first_not_of('0');
    if (first == std::string_view::npos)
        return std::string("0");
    const std::string_view significant = value.substr(first);
    if (significant.size() > kMaxPixelDigits)
        return std::nullopt;
    return std::string(significant);
}

std::optional<std::string> NormalizedColour(std::string_view value)
{
    if (value.empty())
        return std::string();
    if (value.size() != 6)
        return std::nullopt;
    std::string upper(value);
    for (char& c : upper) {
        c = UpperHexDigit(c);
        if (c == '\0')
            return std::nullopt;
    }
    return upper;
}

template <typename Entries>
auto EntryNamed(Entries& entries, std::string_view name)
{
    return std::find_if(entries.begin(), entries.end(), [name](const TExtendedValue& e) { return e.name == name; });
}

}  // namespace

const std::vector<TExtendedName>& KnownExtendedNames()
{
    return kKnownNames;
}

const TExtendedName* FindExtendedName(std::string_view name)
{
    const auto it = std::find_if(kKnownNames.begin(), kKnownNames.end(),
                                 [name](const TExtendedName& known) { return name == known.name; });
    return it == kKnownNames.end() ? nullptr : &*it;
}

std::optional<std::string> NormalizedExtendedValue(const TExtendedName& known, std::string_view value)
{
    switch (known.kind) {
    case K::Choice: {
        const bool listed = std::find(known.choices.begin(), known.choices.end(), value) != known.choices.end();
        return listed ? std::optional<std::string>(std::string(value)) : std::nullopt;
    }
    case K::Flag:
        return value == "0" || value == "1" ? std::optional<std::string>(std::string(value)) : std::nullopt;
    case K::Pixels:
        return NormalizedPixels(value);
    case K::Colour:
        return NormalizedColour(value);
    }
    return std::nullopt;
}

std::string TExtendedValues::ValueOrDefault(std::string_view knownName) const
{
    const TExtendedName* known = FindExtendedName(knownName);
    if (!known)
        return std::string();
    const auto stored = EntryNamed(entries_, knownName);
    const std::optional<std::string> valid =
        stored != entries_.end() ? NormalizedExtendedValue(*known, stored->value) : std::nullopt;
    return valid ? *valid : std::string(known->defaultValue);
}

bool TExtendedValues::IsSet(std::string_view knownName) const
{
    const TExtendedName* known = FindExtendedName(knownName);
    return known && ValueOrDefault(knownName) != known->defaultValue;
}

TExtendedValues::TSetResult TExtendedValues::Set(std::string_view knownName, std::string_view value)
{
    const TExtendedName* known = FindExtendedName(knownName);
    const std::optional<std::string> normalized = known ? NormalizedExtendedValue(*known, value) : std::nullopt;
    if (!normalized)
        return TSetResult::Refused;
    const auto it = EntryNamed(entries_, knownName);
    if (*normalized == known->defaultValue) {
        if (it == entries_.end())
            return TSetResult::Unchanged;
        entries_.erase(it);
        return TSetResult::Changed;
    }
    if (it == entries_.end()) {
        entries_.push_back({known->name, *normalized});
        return TSetResult::Changed;
    }
    if (it->value == *normalized)
        return TSetResult::Unchanged;
    it->value = *normalized;
    return TSetResult::Changed;
}

void TExtendedValues::AddAsRead(std::string name, std::string value)
{
    const auto it = EntryNamed(entries_, name);
    if (it != entries_.end())
        it->value = std::move(value);
    else
        entries_.push_back({std::move(name), std::move(value)});
}

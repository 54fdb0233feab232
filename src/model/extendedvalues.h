#pragma once
// Menu-wide values that the classic parameter line has no slot for: an
// ordered list of name and value pairs, kept as the project file gave them,
// so names this program does not know survive a save in their place. A known
// name set back to its default leaves the list, so a menu that uses none of
// them saves exactly as before.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the editor shows a known value, and what it accepts.
enum class TExtendedKind {
    Choice,  // one of `choices`, exactly
    Flag,    // "0" or "1"
    Pixels,  // a whole number of CSS pixels, 0 to 9999
    Colour,  // six hex digits, stored in upper case; "" for none
};

struct TExtendedName {
    const char* name;
    const char* defaultValue;
    TExtendedKind kind;
    std::vector<std::string> choices;  // Choice only, in the order the editor offers them
};

namespace extended {
inline constexpr const char kLayout[] = "Layout";
inline constexpr const char kPhoneBelow[] = "PhoneBelow";
inline constexpr const char kBarWidth[] = "BarWidth";
inline constexpr const char kBarAlign[] = "BarAlign";
inline constexpr const char kSticky[] = "Sticky";
inline constexpr const char kDarkItemBGColor[] = "DarkItemBGColor";
inline constexpr const char kDarkItemFontColor[] = "DarkItemFontColor";
inline constexpr const char kDarkItemBGColorOver[] = "DarkItemBGColorOver";
inline constexpr const char kDarkItemFontColorOver[] = "DarkItemFontColorOver";
inline constexpr const char kDarkBorderColor[] = "DarkBorderColor";
inline constexpr const char kDarkBarBGColor[] = "DarkBarBGColor";
}  // namespace extended

// The names this program knows, in their fixed order: the order the
// generator hands them to the run-time scripts.
const std::vector<TExtendedName>& KnownExtendedNames();
// Null for a name this program does not know.
const TExtendedName* FindExtendedName(std::string_view name);
// The stored form of a value for a known name (colours in upper case, numbers
// without leading zeros), or nothing when the value is not one of its kind.
std::optional<std::string> NormalizedExtendedValue(const TExtendedName& known, std::string_view value);

struct TExtendedValue {
    std::string name;
    std::string value;
    bool operator==(const TExtendedValue& o) const { return name == o.name && value == o.value; }
};

class TExtendedValues {
public:
    enum class TSetResult { Changed, Unchanged, Refused };

    const std::vector<TExtendedValue>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    // The value of a known name as the editor and the generator use it: the
    // stored one when it is valid for its kind, else the default.
    std::string ValueOrDefault(std::string_view knownName) const;
    // True when a known name holds a valid value other than its default.
    bool IsSet(std::string_view knownName) const;

    // Changes a known name's value in place, or appends it; its default
    // removes it. Refused: a name this program does not know, or a value that
    // is not of the name's kind (no kind admits a line break or the field
    // separator).
    TSetResult Set(std::string_view knownName, std::string_view value);

    // One Name=Value line as the file gives it, known or not, kept as it is;
    // a name met again takes the later value in its first place.
    void AddAsRead(std::string name, std::string value);

    bool operator==(const TExtendedValues& o) const { return entries_ == o.entries_; }
    bool operator!=(const TExtendedValues& o) const { return !(*this == o); }

private:
    std::vector<TExtendedValue> entries_;
};

#include "model/itemlevels.h"

#include <charconv>
#include <climits>
#include <string_view>
#include <vector>

bool ParseLevel(std::string_view text, int& level)
{
    const bool hasSign = !text.empty() && (text[0] == '-' || text[0] == '+');
    const bool negative = hasSign && text[0] == '-';
    size_t i = hasSign ? 1 : 0;
    if (i == text.size())
        return false;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return false;
    level = static_cast<int>(value);
    return true;
}

int NormalizeItemLevels(TItemArray& items)
{
    std::vector<int> parsed(items.size());
    for (size_t k = 0; k < items.size(); ++k)
        if (!ParseLevel(items[k][pLevel], parsed[k]))
            return static_cast<int>(k);
    int previous = -1;
    for (size_t k = 0; k < items.size(); ++k) {
        previous = ClampLevel(parsed[k], previous);
        StoreLevelText(items[k][pLevel], previous);
    }
    return -1;
}

void StoreLevelText(std::string& stored, int level)
{
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, level).ptr;
    const std::string_view text(digits, static_cast<size_t>(written - digits));
    if (stored.size() != text.size() || stored.compare(0, text.size(), text) != 0)
        stored.assign(text.data(), text.size());
}

std::string InvalidIntegerMessage(const std::string& text)
{
    return "'" + text + "' is not a valid integer value";
}

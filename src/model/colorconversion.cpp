#include "colorconversion.h"

#include <cstdio>
#include <limits>

TConversionError::TConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value"), text_(text)
{
}

namespace {

int DigitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Piece of up to two characters starting at 1-based position `from`.
std::string Piece(const std::string& text, size_t from)
{
    if (text.size() < from)
        return std::string();
    return text.substr(from - 1, 2);
}

TColorValue ScaleChannels(TColorValue value, unsigned numerator, unsigned denominator)
{
    TColorValue result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned channel = (value >> shift) & 0xFFu;
        unsigned scaled = channel * numerator / denominator;
        if (scaled > 255)
            scaled = 255;
        result |= static_cast<TColorValue>(scaled) << shift;
    }
    return result;
}

}  // namespace

int StrToIntStrict(const std::string& text)
{
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && text[pos] == '-') {
        negative = true;
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    }
    if (pos >= text.size())
        throw TConversionError(text);
    // Hexadecimal texts may use all 32 bits ("$FFFFFFFF" is -1), as colour
    // values do; decimal ones must fit a signed 32-bit integer.
    const unsigned long long limit = base == 16 ? 0xFFFFFFFFull
                                                : static_cast<unsigned long long>(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    unsigned long long value = 0;
    for (; pos < text.size(); ++pos) {
        int digit = DigitValue(text[pos], base);
        if (digit < 0)
            throw TConversionError(text);
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > limit)
            throw TConversionError(text);
    }
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    if (negative)
        bits = 0u - bits;
    return static_cast<int>(bits);
}

std::string ColorToHex(TColorValue value)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06X", static_cast<unsigned>(value));
    const std::string text(digits);
    return Piece(text, 5) + Piece(text, 3) + Piece(text, 1);
}

TColorValue HexToColor(const std::string& text)
{
    const std::string built = "$00" + Piece(text, 5) + Piece(text, 3) + Piece(text, 1);
    return static_cast<TColorValue>(StrToIntStrict(built));
}

TColorValue LightenColor(TColorValue value)
{
    return ScaleChannels(value, 3, 2);
}

TColorValue DarkenColor(TColorValue value)
{
    return ScaleChannels(value, 7, 10);
}

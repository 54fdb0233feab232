#pragma once
// Colour values and their stored text. A colour value is the Windows-style
// TColor layout 0x00BBGGRR; the text is six upper-case hexadecimal digits in
// the order red, green, blue ("3879BA"). Pure functions, no state.

#include <cstdint>
#include <stdexcept>
#include <string>

using TColorValue = std::uint32_t;

// A text that a strict integer conversion refuses. what() is the message the
// user sees: "'<text>' is not a valid integer value".
class TConversionError : public std::runtime_error {
public:
    explicit TConversionError(const std::string& text);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// Strict integer conversion: an optional minus sign then decimal digits, or
// "$" (also "-$") then hexadecimal digits of either case. No blanks, nothing
// else, and the value must fit in 32 bits. Throws TConversionError.
int StrToIntStrict(const std::string& text);

// Six-digit red-green-blue text of a colour value. The swatches only ever hold
// plain colours, so a system colour (top bit set) is formatted as it stands.
std::string ColorToHex(TColorValue value);

// Colour value of a text: characters 5-6, 3-4 and 1-2 are read as blue, green
// and red. Short texts give shorter pieces (the empty text is black);
// characters after the sixth are ignored. Throws TConversionError naming the
// reordered text ("$00...") when a piece is not hexadecimal.
TColorValue HexToColor(const std::string& text);

// Each channel times 3/2 rounded down, capped at 255. The top byte is dropped.
TColorValue LightenColor(TColorValue value);
// Each channel times 7/10 rounded down. The top byte is dropped.
TColorValue DarkenColor(TColorValue value);

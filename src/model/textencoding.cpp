#include "model/textencoding.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// 0x80 .. 0x9F of Windows-1252; the undefined bytes map to the C1 control of
// the same number, as the other Windows converters do.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t FromWindows1252(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

// The byte for a code point, or -1.
int ToWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return 0x80 + i;
    }
    return -1;
}

// Length of the valid UTF-8 sequence at `at`, 0 when there is none.
size_t SequenceLength(std::string_view s, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the valid range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // no overlong forms
        if (lead == 0xED)
            high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (at + length > s.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

}  // namespace

const char* EncodingName(TTextEncoding encoding)
{
    return encoding == TTextEncoding::Utf8 ? "UTF-8" : "Windows-1252";
}

bool IsValidUtf8(std::string_view bytes)
{
    size_t at = 0;
    while (at < bytes.size()) {
        // Runs of ASCII are the common case; skip them eight bytes at a time.
        while (at + 8 <= bytes.size()) {
            std::uint64_t word;
            std::memcpy(&word, bytes.data() + at, 8);
            if (word & 0x8080808080808080ull)
                break;
            at += 8;
        }
        if (at >= bytes.size())
            break;
        const size_t length = SequenceLength(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

TTextEncoding DetectEncoding(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes)
{
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80)
            out += byte;
        else
            AppendUtf8(out, FromWindows1252(b));
    }
}

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    AppendWindows1252AsUtf8(out, bytes);
    return out;
}

char32_t NextCodePoint(std::string_view text, size_t& at)
{
    const size_t length = SequenceLength(text, at);
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
    char32_t c;
    switch (length) {
    case 1: c = byte(0); break;
    case 2: c = (char32_t(byte(0) & 0x1F) << 6) | (byte(1) & 0x3F); break;
    case 3: c = (char32_t(byte(0) & 0x0F) << 12) | (char32_t(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F); break;
    case 4:
        c = (char32_t(byte(0) & 0x07) << 18) | (char32_t(byte(1) & 0x3F) << 12) | (char32_t(byte(2) & 0x3F) << 6) |
            (byte(3) & 0x3F);
        break;
    default: c = byte(0); break;
    }
    at += length ? length : 1;
    return c;
}

bool Utf8ToWindows1252(std::string_view text, std::string& out)
{
    out.clear();
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            out += text[at++];
            continue;
        }
        if (SequenceLength(text, at) == 0)
            return false;
        const int byte = ToWindows1252(NextCodePoint(text, at));
        if (byte < 0)
            return false;
        out += static_cast<char>(byte);
    }
    return true;
}

bool FitsEncoding(std::string_view text, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Utf8)
        return IsValidUtf8(text);
    size_t at = 0;
    while (at < text.size()) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        if (SequenceLength(text, at) == 0 || ToWindows1252(NextCodePoint(text, at)) < 0)
            return false;
    }
    return true;
}

char32_t FoldCase(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    struct TFoldRun {
        char32_t first, last;
        int step, offset;
    };
    static constexpr TFoldRun kRuns[] = {
#include "model/casefoldingtable.inc"
    };
    const auto* run = std::upper_bound(std::begin(kRuns), std::end(kRuns), c,
                                       [](char32_t code, const TFoldRun& r) { return code < r.first; });
    if (run == std::begin(kRuns))
        return c;
    --run;
    if (c > run->last || (c - run->first) % static_cast<char32_t>(run->step) != 0)
        return c;
    return static_cast<char32_t>(static_cast<int>(c) + run->offset);
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    std::u32string a, b;
    for (size_t at = 0; at < text.size();)
        a += FoldCase(NextCodePoint(text, at));
    for (size_t at = 0; at < suffix.size();)
        b += FoldCase(NextCodePoint(suffix, at));
    return a.size() >= b.size() && a.compare(a.size() - b.size(), b.size(), b) == 0;
}

std::string EncodeText(std::string_view text, TTextEncoding encoding)
{
    std::string bytes;
    if (encoding == TTextEncoding::Windows1252 && Utf8ToWindows1252(text, bytes))
        return bytes;
    return std::string(text);
}

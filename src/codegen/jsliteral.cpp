#include "codegen/jsliteral.h"

#include "model/textencoding.h"

bool IsIntegerText(const std::string& text) {
    size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

namespace {

void AppendUnitEscape(std::string& out, unsigned unit) {
    static const char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

void AppendEscaped(std::string& out, const std::string& text, char quote) {
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const char32_t code = NextCodePoint(text, i);
            if (code >= 0x10000) {
                AppendUnitEscape(out, 0xD800 + ((code - 0x10000) >> 10));
                AppendUnitEscape(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
            } else {
                AppendUnitEscape(out, code);
            }
            continue;
        }
        ++i;
        if (c == '\\') {
            out += "\\\\";
        } else if (c == quote) {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
}

}  // namespace

std::string EscapeForJavaScript(const std::string& text, TQuote quote) {
    std::string out;
    out.reserve(text.size());
    AppendEscaped(out, text, static_cast<char>(quote));
    return out;
}

void AppendQuotedLiteral(std::string& out, const std::string& text, TQuote quote) {
    const char q = static_cast<char>(quote);
    out += q;
    AppendEscaped(out, text, q);
    out += q;
}

void AppendBareLiteral(std::string& out, const std::string& text, TQuote quote) {
    if (IsIntegerText(text)) {
        out += text;
    } else {
        AppendQuotedLiteral(out, text, quote);
    }
}

std::string QuotedLiteral(const std::string& text, TQuote quote) {
    std::string out;
    AppendQuotedLiteral(out, text, quote);
    return out;
}

std::string BareLiteral(const std::string& text, TQuote quote) {
    std::string out;
    AppendBareLiteral(out, text, quote);
    return out;
}

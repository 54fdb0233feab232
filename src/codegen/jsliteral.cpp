#include "codegen/jsliteral.h"

bool IsIntegerText(const std::string& text) {
    size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

std::string EscapeForJavaScript(const std::string& text, TQuote quote) {
    const char q = static_cast<char>(quote);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == q) {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\xE2' && i + 2 < text.size() && text[i + 1] == '\x80' &&
                   (text[i + 2] == '\xA8' || text[i + 2] == '\xA9')) {
            // LINE SEPARATOR and PARAGRAPH SEPARATOR end a line in older engines.
            out += text[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::string QuotedLiteral(const std::string& text, TQuote quote) {
    const char q = static_cast<char>(quote);
    return q + EscapeForJavaScript(text, quote) + q;
}

std::string BareLiteral(const std::string& text, TQuote quote) {
    return IsIntegerText(text) ? text : QuotedLiteral(text, quote);
}

#include "codegen/jsliteral.h"

bool IsIntegerText(const std::string& text) {
    size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

namespace {

void AppendEscaped(std::string& out, const std::string& text, char quote) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == quote) {
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

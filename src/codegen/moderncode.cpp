#include "codegen/moderncode.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>

#include "model/product.h"
#include "model/textencoding.h"

namespace {

void AppendReference(std::string& out, char32_t code) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&#x%X;", static_cast<unsigned>(code));
    out += buffer;
}

// Copies the text, characters above U+007F as references and the listed
// ASCII characters through `escape`.
template <typename Escape>
std::string Referenced(const std::string& text, Escape escape) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) >= 0x80) {
            AppendReference(out, NextCodePoint(text, at));
            continue;
        }
        const char c = text[at++];
        if (const char* replacement = escape(c))
            out += replacement;
        else
            out += c;
    }
    return out;
}

// A colour the style sheet can use: six hexadecimal digits, else the fallback.
std::string CssColour(const std::string& text, const char* fallback) {
    bool hex = text.size() == 6;
    for (char c : text) hex = hex && std::isxdigit(static_cast<unsigned char>(c));
    return "#" + (hex ? text : std::string(fallback));
}

// A font list as a CSS value: characters that could end the declaration are
// dropped, characters above U+007F written as CSS escapes.
std::string CssFontFamily(const std::string& text) {
    std::string out;
    for (size_t at = 0; at < text.size();) {
        const char32_t c = NextCodePoint(text, at);
        if (c >= 0x80) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\%X ", static_cast<unsigned>(c));
            out += buffer;
        } else if (c >= 0x20 && c != '{' && c != '}' && c != ';' && c != '<' && c != '>' && c != '\\') {
            out += static_cast<char>(c);
        }
    }
    if (out.find_first_not_of(" ,") == std::string::npos) return "sans-serif";
    // A list that names no generic family falls back on one.
    std::string lower = out;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* generic : {"serif", "monospace", "cursive", "fantasy", "system-ui"}) {
        if (lower.find(generic) != std::string::npos) return out;
    }
    return out + ", sans-serif";
}

int NumberOr(const std::string& text, int fallback, int low, int high) {
    try {
        size_t used = 0;
        const int value = std::stoi(text, &used);
        return used == text.size() && value >= low && value <= high ? value : fallback;
    } catch (const std::exception&) {
        return fallback;
    }
}

bool IsOn(const std::string& value, const char* word) { return value == "1" || value == word; }

}  // namespace

std::string AttributeText(const std::string& text) {
    return Referenced(text, [](char c) -> const char* {
        switch (c) {
            case '&': return "&amp;";
            case '"': return "&quot;";
            case '<': return "&lt;";
            case '>': return "&gt;";
            default: return nullptr;
        }
    });
}

std::string AsciiHtml(const std::string& html) {
    return Referenced(html, [](char) -> const char* { return nullptr; });
}

std::string NavigationLabel(const TAppletData& applet) {
    std::string text;
    bool inTag = false, blank = false;
    for (char c : applet[pDragBar_Title]) {
        if (inTag) {
            inTag = c != '>';
        } else if (c == '<') {
            inTag = true;
        } else if (static_cast<unsigned char>(c) <= ' ') {
            blank = !text.empty();
        } else {
            if (blank) text += ' ';
            blank = false;
            text += c;
        }
    }
    if (text.empty()) return "Site menu";
    // Already HTML text: its references stay, a quote or bracket must not end the attribute.
    return Referenced(text, [](char c) -> const char* {
        return c == '"' ? "&quot;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : nullptr;
    });
}

std::vector<std::string> ModernCodeLines(const TMenuDocument& prepared, const TMenuShape& shape) {
    std::vector<std::string> lines = {
        std::string("<!-- ") + kProductName + " " + kProductVersion + " " + kMakerWebAddress + " -->",
        "<!-- PLEASE INSERT THE CODES BELOW AFTER <BODY> TAG IMMEDIATELY! -->",
        "<!-- CODES BEGIN -->",
        std::string("<!-- ") + kCopyrightNotice + " -->",
        "<nav class=\"trellimenu\" aria-label=\"" + NavigationLabel(prepared.applet) + "\" hidden>",
        "<ul>",
    };
    // Pre-order: an item's list opens after it and closes when the next item
    // is no deeper; an explicit depth, never recursion, for long chains.
    int depth = 1;
    for (int k = 0; k < shape.ItemCount(); ++k) {
        for (; depth > shape.Depth(k); --depth) lines.insert(lines.end(), {"</ul>", "</li>"});
        const TItemData& item = prepared.items[static_cast<size_t>(k)];
        const bool hasChildren = shape.HasChildren(k);
        std::string line;
        if (item[pSeparator] == "1" && !hasChildren) {
            line = "<li role=\"separator\"></li>";
        } else {
            line = "<li><a";
            if (!item[pURL].empty()) line += " href=\"" + AttributeText(item[pURL]) + "\"";
            if (!item[pURL].empty() && !item[pTarget].empty()) line += " target=\"" + AttributeText(item[pTarget]) + "\"";
            line += ">" + AsciiHtml(item[ICaption]) + "</a>";
            line += hasChildren ? "" : "</li>";
        }
        lines.push_back(line);
        if (hasChildren) {
            lines.push_back("<ul>");
            ++depth;
        }
    }
    for (; depth > 1; --depth) lines.insert(lines.end(), {"</ul>", "</li>"});
    lines.insert(lines.end(), {
                                  "</ul>",
                                  "</nav>",
                                  std::string("<noscript><link rel=\"stylesheet\" href=\"") + kMenuStylesheetName +
                                      "\"></noscript>",
                                  "<script defer src=\"tmzparams.js\"></script>",
                                  "<script defer src=\"tmzcfg.js\"></script>",
                                  "<script defer src=\"tmzmo.js\"></script>",
                              });
    return lines;
}

std::string MenuStylesheet(const TAppletData& applet) {
    const std::string text = CssColour(applet[pItemNoColor], "000000");
    const std::string background = CssColour(applet[pItemNoBgColor], "FFFFFF");
    const std::string overText = CssColour(applet[pItemOvColor], "000000");
    const std::string overBackground = CssColour(applet[pItemOvBgColor], "FFFFFF");
    const std::string separator = CssColour(applet[pSeparatorColor], "808080");
    const int size = NumberOr(applet[pItemFontSize], 12, 6, 72);
    std::string css;
    const auto rule = [&css](const std::string& selector, const std::string& body) {
        css += selector + " {\r\n" + body + "}\r\n";
    };
    css += "/* The menu's links for visitors without JavaScript. */\r\n";
    rule("nav.trellimenu, nav.trellimenu[hidden]",
         "  display: block;\r\n  max-width: 40em;\r\n  margin: 0 0 1em;\r\n  padding: 0.25em 0;\r\n"
         "  background: " + background + ";\r\n  color: " + text + ";\r\n"
         "  font-family: " + CssFontFamily(applet[pItemFontFamily]) + ";\r\n"
         "  font-size: " + std::to_string(size) + "px;\r\n"
         "  font-weight: " + (IsOn(applet[pItemFontWeight], "bold") ? "bold" : "normal") + ";\r\n"
         "  font-style: " + (IsOn(applet[pItemFontStyle], "italic") ? "italic" : "normal") + ";\r\n"
         "  line-height: 1.4;\r\n");
    rule("nav.trellimenu ul", "  list-style: none;\r\n  margin: 0;\r\n  padding: 0 0 0 1.5em;\r\n");
    rule("nav.trellimenu > ul", "  padding-left: 0;\r\n");
    rule("nav.trellimenu a",
         "  display: block;\r\n  min-height: 24px;\r\n  padding: 0.2em 0.75em;\r\n  color: " + text +
             ";\r\n  text-decoration: none;\r\n");
    rule("nav.trellimenu a[href]:hover, nav.trellimenu a[href]:focus",
         "  color: " + overText + ";\r\n  background: " + overBackground + ";\r\n  text-decoration: underline;\r\n");
    rule("nav.trellimenu li[role=\"separator\"]",
         "  height: 0;\r\n  margin: 0.3em 0.75em;\r\n  border-top: 1px solid " + separator + ";\r\n");
    return css;
}

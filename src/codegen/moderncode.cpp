#include "codegen/moderncode.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>

#include "model/bytehash.h"
#include "model/extendedvalues.h"
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

bool InFlow(const TMenuDocument& prepared) {
    return prepared.extended.ValueOrDefault(extended::kLayout) != "Floating";
}

// A number as the run-time engine reads it (its leading digits), else the fallback.
int LeadingNumber(const std::string& text, int fallback) {
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return fallback;
    }
}

std::string Px(int value) { return std::to_string(value) + "px"; }

// The bevelled edge of a box: top and left in one colour, bottom and right in another.
std::string Bevel(int width, const std::string& topLeft, const std::string& bottomRight) {
    return "inset " + Px(width) + " " + Px(width) + " " + topLeft + ",inset -" + Px(width) + " -" + Px(width) + " " +
           bottomRight;
}

std::string CssString(const std::string& text) {
    std::string out = "\"";
    for (size_t at = 0; at < text.size();) {
        const char32_t c = NextCodePoint(text, at);
        if (c >= 0x80 || c == '"' || c == '\\' || c < 0x20) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\%X ", static_cast<unsigned>(c < 0x20 ? U' ' : c));
            out += buffer;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// The drag bar's title as plain text, the name of the phone form's button.
std::string ButtonLabel(const TAppletData& applet) {
    std::string text;
    bool inTag = false;
    for (char c : applet[pDragBar_Title]) {
        const bool blank = static_cast<unsigned char>(c) <= ' ';
        if (inTag || c == '<') inTag = c != '>';
        else if (!blank || (!text.empty() && text.back() != ' ')) text += blank ? ' ' : c;
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text.empty() ? "Menu" : text;
}

/* A bar or a sidebar as the engine will draw it, from the static list: the
 * same font, paddings, item heights and frame, so the nav's box keeps its
 * height and place when the engine replaces the list (no layout shift).
 * Submenus open on hover and focus until then, and for visitors without
 * script. Every rule stops applying once the engine marks the nav its own. */
std::string FlowStylesheet(const TMenuDocument& prepared, const std::string& nav) {
    const TAppletData& a = prepared.applet;
    const bool bar = prepared.extended.ValueOrDefault(extended::kLayout) == "Bar";
    const std::string align = prepared.extended.ValueOrDefault(extended::kBarAlign);
    const bool fit = prepared.extended.ValueOrDefault(extended::kBarWidth) == "Fit";
    const std::string colour = CssColour(a[pItemNoColor], "FFFFFF"), background = CssColour(a[pItemNoBgColor], "3879BA");
    const std::string base = CssColour(a[pMainMenuOuterBGColor], "C0C0C0"), base2 = CssColour(a[pMainMenuBorderBaseColor2], "C0C0C0");
    const std::string base3 = CssColour(a[pMainMenuBorderBaseColor3], "C0C0C0");
    const std::string darkest2 = CssColour(a[pMainMenuBorderDarkestColor2], "939393");
    const std::string fixed = a[pMainMenuBorderFixedColor].size() == 6 ? CssColour(a[pMainMenuBorderFixedColor], "939393") : darkest2;
    const std::string size = Px(LeadingNumber(a[pItemFontSize], 12));
    const std::string font = std::string(IsOn(a[pItemFontStyle], "italic") ? "italic " : "") +
                             (IsOn(a[pItemFontWeight], "bold") ? "bold " : "normal ") + size + "/1.25 " +
                             CssFontFamily(a[pItemFontFamily]);
    const std::string zIndex = std::to_string(LeadingNumber(a[pMenuZIndex], 1000));
    const std::string width = Px(LeadingNumber(prepared.items.empty() ? "" : prepared.items[0][pMenuWidth], 120) + 8);
    const auto tall = [](int px) {
        const std::string pad = "max(3px,calc((" + Px(px) + " - 1.25em) / 2))";
        return "padding-top:" + pad + ";padding-bottom:" + pad + ";min-height:max(" + Px(px) + ",calc(1.25em + 6px))";
    };
    std::string css = "/* The menu drawn before its script runs, and for visitors without script. */\r\n";
    const auto rule = [&css](const std::string& selector, const std::string& body) {
        css += selector + "{" + body + "}\r\n";
    };
    // The nav takes nothing from the page; inside it, what a page's own rules
    // for lists and links most often change is set back, as the engine does
    // for its items (resetting every property of a thousand links would cost
    // the first frame more than the whole sheet otherwise does).
    rule(nav + " ul," + nav + " li," + nav + " a", "box-sizing:border-box;margin:0;padding:0;border:0;float:none;list-style:none");
    rule(nav, std::string("all:initial;box-sizing:border-box;display:block") +
                  (bar && prepared.extended.ValueOrDefault(extended::kSticky) == "1" ? ";position:sticky;top:0;z-index:" + zIndex : ""));
    // The engine's frame and main list in one box: its border, then the two
    // bevels, the base colour, the list's border and bevel, as shadows.
    rule(nav + ">ul",
         "display:" + std::string(bar ? "flex;flex-wrap:wrap;justify-content:" +
                                            std::string(align == "Center" ? "center" : align == "Right" ? "flex-end" : "flex-start")
                                      : "block") +
             ";position:relative;z-index:" + zIndex + ";border:1px solid;border-color:" + base2 + " " + fixed + " " + fixed +
             " " + base2 + ";padding:5px;background:" + background + ";box-shadow:" +
             Bevel(1, CssColour(a[pMainMenuBorderLightColor1], "FFFFFF"), CssColour(a[pMainMenuBorderDarkestColor1], "939393")) + "," +
             Bevel(2, base3, CssColour(a[pMainMenuBorderDarkColor1], "868686")) + "," + Bevel(3, base, base) + "," +
             Bevel(4, CssColour(a[pMainMenuBorderDarkColor2], "868686"), CssColour(a[pMainMenuBorderLightColor2], "FFFFFF")) + "," +
             Bevel(5, darkest2, base3) +
             (!bar ? ";width:" + width
                   : fit ? std::string(";width:fit-content;margin-inline:") +
                               (align == "Center" ? "auto" : align == "Right" ? "auto 0" : "0 auto")
                         : ""));
    rule(nav + " li", "display:block;position:relative");
    rule(nav + " a", "display:block;padding:3px 4px;padding-inline-start:" + Px(LeadingNumber(a[pItemPaddingLeft], 20)) + ";" +
                         tall(24) + ";color:" + colour + ";background:" + background + ";font:" + font +
                         ";text-transform:none;letter-spacing:normal;word-spacing:normal;text-decoration:none;text-align:start;"
                         "text-indent:0;text-shadow:none;white-space:normal;cursor:pointer");
    rule("@media (pointer:coarse){" + nav + " a", tall(44) + "}");
    if (bar) rule(nav + ">ul>li>a", "white-space:nowrap;padding-inline-end:30px");
    rule(nav + " a:hover," + nav + " a:focus," + nav + " li:hover>a",
         "color:" + CssColour(a[pItemOvColor], "004080") + ";background:" + CssColour(a[pItemOvBgColor], "FFFFFF"));
    rule(nav + " a:focus-visible", "outline:2px dotted currentColor;outline-offset:-3px");
    const std::string separator = CssColour(a[pSeparatorColor], "88B1DB"), shadow = CssColour(a[pSeparatorLightColor], "000027");
    rule(nav + " li[role=separator]", "height:2px;margin:3px 2px;border-top:1px solid " + separator +
                                          ";border-bottom:1px solid " + shadow);
    if (bar) {
        rule(nav + ">ul>li[role=separator]", "height:auto;width:0;margin:3px 4px;border:0;border-inline-start:1px solid " +
                                                  separator + ";border-inline-end:1px solid " + shadow);
    }
    // Submenus over the page, below a bar's item and beside any other.
    rule(nav + " ul ul", "display:none;position:absolute;z-index:1;top:0;inset-inline-start:100%;width:max-content;"
                         "max-width:20em;padding:1px;border:1px solid " + darkest2 + ";background:" + background);
    if (bar) rule(nav + ">ul>li>ul", "top:100%;inset-inline-start:0");
    rule(nav + " li:hover>ul," + nav + " li:focus-within>ul", "display:block");
    // The phone form: the engine's button where the list would be.
    const int phoneBelow = LeadingNumber(prepared.extended.ValueOrDefault(extended::kPhoneBelow), 640);
    const std::string waiting = nav + ":not(.tmz-plain)";
    rule("@media (scripting:enabled) and (max-width:" + std::to_string(phoneBelow - 1) + ".98px){" + waiting + ">ul",
         "display:none}" + waiting + "::before{content:" + CssString(ButtonLabel(a)) +
             ";display:block;width:fit-content;box-sizing:border-box;min-width:44px;min-height:44px;padding:4px 14px;"
             "border:2px solid " + base + ";color:" + colour + ";background:" + background + ";font:" + font + "}");
    return css;
}

// Two bars from two projects on one page must not draw each other before
// their engines run: each project's sheet selects only the nav whose class
// is named after the sheet's own text, so only the same look shares a name.
std::string FlowNavClass(const TMenuDocument& prepared) {
    char name[32];
    std::snprintf(name, sizeof name, "trellimenu-%08x",
                  static_cast<unsigned>(HashBytes(FlowStylesheet(prepared, "nav.trellimenu")) & 0xFFFFFFFFu));
    return name;
}

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
    const bool flow = InFlow(prepared);
    const std::string link = std::string("<link rel=\"stylesheet\" href=\"") + kMenuStylesheetName + "\">";
    std::vector<std::string> lines = {
        std::string("<!-- ") + kProductName + " " + kProductVersion + " " + kMakerWebAddress + " -->",
        "<!-- PLEASE INSERT THE CODES BELOW AFTER <BODY> TAG IMMEDIATELY! -->",
        "<!-- CODES BEGIN -->",
        std::string("<!-- ") + kCopyrightNotice + " -->",
        "<nav class=\"trellimenu" + (flow ? " " + FlowNavClass(prepared) : std::string()) + "\" aria-label=\"" +
            NavigationLabel(prepared.applet) + (flow ? "\">" : "\" hidden>"),
        "<ul>",
    };
    // A bar or a sidebar is drawn by its style sheet before any script runs,
    // so the sheet comes first and the nav is not hidden.
    if (flow) lines.insert(lines.end() - 2, link);
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
                              });
    if (!flow) lines.push_back("<noscript>" + link + "</noscript>");
    lines.insert(lines.end(), {
                                  "<script defer src=\"tmzparams.js\"></script>",
                                  "<script defer src=\"tmzcfg.js\"></script>",
                                  "<script defer src=\"tmzmo.js\"></script>",
                              });
    return lines;
}

std::string MenuStylesheet(const TMenuDocument& prepared) {
    return InFlow(prepared) ? FlowStylesheet(prepared, "nav." + FlowNavClass(prepared) + ":not(.tmz-nav)")
                            : MenuStylesheet(prepared.applet);
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

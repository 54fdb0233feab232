#include "codegen/menucode.h"

#include <algorithm>

#include "codegen/jsliteral.h"
#include "model/product.h"
#include "model/textencoding.h"

namespace {

const char* const kBrowserSelectorLine =
    "document.write('<SCR'+'IPT language=\"JavaScript\" src=\"'+'tmz'+((navigator.userAgent.indexOf(\"Opera\")!=-1 "
    "&& document.getElementById) ? \"op\": (document.all) ? \"ie\" : (!document.all && document.getElementById) ? "
    "\"mo\" : \"mo\")+'.js\"></SCR'+'IPT>');";

enum class TParamForm { Bare, Quoted, Colour };

struct TParamSlot {
    TAppletField field;
    TParamForm form;
};

// The argument list of createMenuGlobalParams, the contract with the run-time scripts.
constexpr TParamSlot kParamSlots[] = {
    {pMenuZIndex, TParamForm::Bare},
    {pSlideStep, TParamForm::Bare},
    {pSlideSpeed, TParamForm::Bare},
    {pAutoCloseSubMenus, TParamForm::Bare},
    {pSnapEnabled, TParamForm::Bare},
    {pMenuScrollType, TParamForm::Bare},
    {pSlideOpenSubMenuEnabled, TParamForm::Bare},
    {pParam7, TParamForm::Bare},
    {pSoundFile, TParamForm::Quoted},
    {pParam9, TParamForm::Bare},
    {pDelayOpenSubMenuInMSec, TParamForm::Bare},
    {pDelayCloseSubMenuInMSec, TParamForm::Bare},
    {paramDelayShowDescTextInMSec, TParamForm::Bare},
    {pSnapDistance, TParamForm::Bare},
    {pParam14, TParamForm::Quoted},
    {pOnResizeEventHandler, TParamForm::Quoted},
    {pOnRMouseMoveEventHandler, TParamForm::Quoted},
    {pOnMouseUpHandler, TParamForm::Quoted},
    {pOnClickEventHandler, TParamForm::Quoted},
    {pDragBarEnabled, TParamForm::Bare},
    {pDragBar_TitleAlign, TParamForm::Quoted},
    {pDragBar_BGColor, TParamForm::Colour},
    {pDragBar_TitleColor, TParamForm::Colour},
    {pDragBar_FontFamily, TParamForm::Quoted},
    {pDragBar_FontSize, TParamForm::Bare},
    {pDragBar_FontBold, TParamForm::Bare},
    {pDragBar_FontItalic, TParamForm::Bare},
    {pDragBar_Cursor, TParamForm::Quoted},
    {pDragBar_PopTip, TParamForm::Quoted},
    {pDragBar_Title, TParamForm::Quoted},
    {pParam30, TParamForm::Bare},
    {pParam31, TParamForm::Quoted},
    {pParam32, TParamForm::Bare},
    {pParam33, TParamForm::Bare},
    {pMainMenuOuterBGColor, TParamForm::Colour},
    {pMainMenuBorderBaseColor2, TParamForm::Colour},
    {pMainMenuBorderBaseColor3, TParamForm::Colour},
    {pMainMenuBorderDarkestColor1, TParamForm::Colour},
    {pMainMenuBorderDarkestColor2, TParamForm::Colour},
    {pMainMenuBorderFixedColor, TParamForm::Colour},
    {pMainMenuBorderLightColor1, TParamForm::Colour},
    {pMainMenuBorderLightColor2, TParamForm::Colour},
    {pMainMenuBorderDarkColor1, TParamForm::Colour},
    {pMainMenuBorderDarkColor2, TParamForm::Colour},
    {pSubMenuArrowFileNormal, TParamForm::Quoted},
    {pSubMenuArrowFileOver, TParamForm::Quoted},
    {pItemNoColor, TParamForm::Colour},
    {pItemNoBgColor, TParamForm::Colour},
    {pItemOvColor, TParamForm::Colour},
    {pItemOvBgColor, TParamForm::Colour},
    {pMenuCount, TParamForm::Bare},
    {pItemFontFamily, TParamForm::Quoted},
    {pItemFontSize, TParamForm::Bare},
    {pItemFontWeight, TParamForm::Bare},
    {pItemFontStyle, TParamForm::Bare},
    {pSeparatorColor, TParamForm::Colour},
    {pSeparatorLightColor, TParamForm::Colour},
    {pPopDescBgColor, TParamForm::Colour},
    {pPopDescColor, TParamForm::Colour},
    {pParam59, TParamForm::Quoted},
    {pPopDescWidth, TParamForm::Bare},
    {pItemPaddingLeft, TParamForm::Bare},
    {pParam62, TParamForm::Quoted},
    {pInitMenuX, TParamForm::Bare},
    {pInitMenuY, TParamForm::Bare},
    {pPopDescBorderWidth, TParamForm::Bare},
    {pPopDescBorderStyle, TParamForm::Quoted},
    {pPopDescBorderColor, TParamForm::Colour},
    {pParam71, TParamForm::Quoted},
};
static_assert(sizeof(kParamSlots) / sizeof(kParamSlots[0]) == 69, "createMenuGlobalParams takes 69 values");

enum class TItemSource { Text, Bare, Empty, Zero, GroupWidth };

struct TItemSlot {
    TItemSource source;
    TItemField field;  // for Text and Bare
};

constexpr TItemSlot kEmptySlot = {TItemSource::Empty, ICaption};

// The argument list of createItem, the contract with the run-time scripts.
constexpr TItemSlot kItemSlots[] = {
    {TItemSource::Text, ICaption},
    kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot,
    kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot,  // 2 to 14
    {TItemSource::Bare, pHasChildren},
    kEmptySlot,
    {TItemSource::Bare, pImageLeft},
    {TItemSource::Bare, pImageTop},
    {TItemSource::Zero, ICaption},
    {TItemSource::Zero, ICaption},
    {TItemSource::Bare, pSiblingPosition},
    {TItemSource::Bare, pIsFirstItem},
    {TItemSource::GroupWidth, pMenuWidth},
    {TItemSource::Bare, pSeparator},
    kEmptySlot, kEmptySlot,
    {TItemSource::Text, pURL},
    {TItemSource::Text, pTarget},
    {TItemSource::Text, pPopDescText},
    kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot,
    {TItemSource::Text, pStatusMsg},
};
static_assert(sizeof(kItemSlots) / sizeof(kItemSlots[0]) == 34, "createItem takes 34 values");

struct TFixedValue {
    TAppletField field;
    const char* value;
};

constexpr TFixedValue kFixedValues[] = {
    {pParam7, "0"}, {pParam9, "1"}, {pDragBar_Cursor, "move"}, {pParam30, "0"}, {pParam32, "0"}, {pParam33, "0"},
};

void AppendParamValue(std::string& line, const std::string& text, TParamForm form) {
    switch (form) {
        case TParamForm::Bare: AppendBareLiteral(line, text, TQuote::Double); break;
        case TParamForm::Quoted: AppendQuotedLiteral(line, text, TQuote::Double); break;
        case TParamForm::Colour: AppendQuotedLiteral(line, "#" + text, TQuote::Double); break;
    }
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool HasTextAfterTrim(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return !IsBlankOrControl(c); });
}

// A text as folded code points, with the byte offset where each begins (and
// one past the end), so matches found on folded text map back to the bytes.
struct TFoldedText {
    std::vector<char32_t> codes;
    std::vector<size_t> offsets;
    explicit TFoldedText(const std::string& text) {
        codes.reserve(text.size());
        offsets.reserve(text.size() + 1);
        for (size_t at = 0; at < text.size();) {
            offsets.push_back(at);
            codes.push_back(FoldCase(NextCodePoint(text, at)));
        }
        offsets.push_back(text.size());
    }
    size_t Size() const { return codes.size(); }
    bool MatchesAt(size_t i, const TFoldedText& pattern) const {
        return i + pattern.Size() <= Size() &&
               std::equal(pattern.codes.begin(), pattern.codes.end(), codes.begin() + static_cast<std::ptrdiff_t>(i));
    }
};

}  // namespace

const std::vector<std::string>& PageHeadLines() {
    static const std::vector<std::string> lines = {"<HTML>", "<BODY>", "", ""};
    return lines;
}

std::vector<std::string> PageCodeLines() {
    return {
        std::string("<!-- ") + kProductName + " " + kProductVersion + " " + kMakerWebAddress + " -->",
        "<!-- PLEASE INSERT THE CODES BELOW AFTER <BODY> TAG IMMEDIATELY! -->",
        "<!-- CODES BEGIN -->",
        std::string("<!-- ") + kCopyrightNotice + " -->",
        "<SCRIPT Language=\"JavaScript\">",
        "<!--",
        "document.write('<SCR'+'IPT language=JavaScript1.2 src=\"tmzparams.js\"></SCR'+'IPT>');",
        "document.write('<SCR'+'IPT language=JavaScript1.2 src=\"tmzcfg.js\"></SCR'+'IPT>');",
        kBrowserSelectorLine,
        "//-->",
        "</SCRIPT>",
    };
}

const std::vector<std::string>& PageTailLines() {
    static const std::vector<std::string> lines = [] {
        std::string breaks;
        for (int i = 0; i < 48; ++i) breaks += "<BR>";
        return std::vector<std::string>{"<!-- CODES END -->", "", "", breaks, "", "", "</BODY>", "</HTML>"};
    }();
    return lines;
}

std::string MenuParameterLine(const TAppletData& applet) {
    std::string line = "createMenuGlobalParams(";
    for (const TParamSlot& slot : kParamSlots) {
        if (&slot != kParamSlots) line += ',';
        AppendParamValue(line, applet[slot.field], slot.form);
    }
    return line + ");";
}

std::string ItemLine(const TItemData& item, const std::string& groupMenuWidth) {
    std::string line = "createItem(";
    line.reserve(128);
    for (const TItemSlot& slot : kItemSlots) {
        if (&slot != kItemSlots) line += ',';
        switch (slot.source) {
            case TItemSource::Text: AppendQuotedLiteral(line, item[slot.field], TQuote::Apostrophe); break;
            case TItemSource::Bare: AppendBareLiteral(line, item[slot.field], TQuote::Apostrophe); break;
            case TItemSource::Empty: line += "''"; break;
            case TItemSource::Zero: line += '0'; break;
            case TItemSource::GroupWidth: AppendBareLiteral(line, groupMenuWidth, TQuote::Apostrophe); break;
        }
    }
    return line + ");";
}

std::string ExtendedParameterLine(const TExtendedValues& values) {
    std::string arguments;
    for (const TExtendedName& known : KnownExtendedNames()) {
        if (!values.IsSet(known.name)) continue;
        const std::string value = values.ValueOrDefault(known.name);
        if (!arguments.empty()) arguments += ',';
        AppendQuotedLiteral(arguments, known.name, TQuote::Double);
        arguments += ',';
        AppendParamValue(arguments, value, known.kind == TExtendedKind::Colour ? TParamForm::Colour : TParamForm::Quoted);
    }
    return arguments.empty() ? std::string() : "createMenuExtendedParams(" + arguments + ");";
}

void StoreFixedValues(TAppletData& applet, int menuCount) {
    for (const TFixedValue& fixed : kFixedValues) applet[fixed.field] = fixed.value;
    applet[pMenuCount] = std::to_string(menuCount);
}

std::string ReplaceAllIgnoreCase(const std::string& text, const std::string& from, const std::string& to,
                                 const std::string& keep) {
    if (from.empty()) return text;
    const TFoldedText folded(text);
    const TFoldedText pattern(from);
    const TFoldedText kept(keep);
    const size_t m = pattern.Size();
    // Where an occurrence of `keep` starts; an occurrence of `from` wholly
    // inside one is part of text that was already replaced.
    std::vector<bool> keepStarts(folded.Size(), false);
    if (kept.Size() >= m && kept.Size() > 0) {
        for (size_t i = 0; i < folded.Size(); ++i) keepStarts[i] = folded.MatchesAt(i, kept);
    }
    const auto insideKept = [&](size_t i) {
        if (kept.Size() < m || kept.Size() == 0) return false;
        const size_t first = i + m >= kept.Size() ? i + m - kept.Size() : 0;
        for (size_t a = first; a <= i; ++a) {
            if (keepStarts[a]) return true;
        }
        return false;
    };
    std::string out;
    size_t copied = 0;  // bytes of text already in out
    for (size_t i = 0; i + m <= folded.Size();) {
        if (!folded.MatchesAt(i, pattern)) {
            ++i;
            continue;
        }
        if (!insideKept(i)) {
            out.append(text, copied, folded.offsets[i] - copied);
            out += to;
            copied = folded.offsets[i + m];
        }
        i += m;
    }
    out.append(text, copied, std::string::npos);
    return out;
}

void PrepareItem(TItemData& item, const TAppletData& applet) {
    if (item[UseURLAsStatusBarMsg] == "1") item[pStatusMsg] = item[pURL];
    if (item[UseStatusMsgAsPopDescMsg] == "1") item[pPopDescText] = item[pStatusMsg];

    const std::string& local = applet[pInternalUse_RootDir_Local];
    const std::string& remote = applet[pInternalUse_RootDir_Remote];
    if (!HasTextAfterTrim(local) || !HasTextAfterTrim(remote)) return;
    const bool towardsLocal = applet[pInternalUse_RootDir_Local_Checked] == "1";
    const std::string& from = towardsLocal ? remote : local;
    const std::string& to = towardsLocal ? local : remote;
    // Text that already holds the target root is not rewritten inside it, so
    // preparing a prepared item changes nothing.
    for (TItemField field : {pURL, pStatusMsg, pPopDescText}) {
        item[field] = ReplaceAllIgnoreCase(item[field], from, to, to);
    }
}

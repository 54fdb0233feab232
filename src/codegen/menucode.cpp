#include "codegen/menucode.h"

#include <algorithm>

#include "codegen/jsliteral.h"
#include "model/product.h"

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

// Letter case folds for ASCII only: bytes of multi-byte characters stay as they are.
std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

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

void StoreFixedValues(TAppletData& applet, int menuCount) {
    for (const TFixedValue& fixed : kFixedValues) applet[fixed.field] = fixed.value;
    applet[pMenuCount] = std::to_string(menuCount);
}

std::string ReplaceAllIgnoreCase(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    const std::string lowerText = LowerAscii(text);
    const std::string lowerFrom = LowerAscii(from);
    std::string out;
    size_t start = 0;
    for (size_t hit = lowerText.find(lowerFrom); hit != std::string::npos;
         hit = lowerText.find(lowerFrom, start)) {
        out.append(text, start, hit - start);
        out += to;
        start = hit + from.size();
    }
    out.append(text, start, std::string::npos);
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
    for (TItemField field : {pURL, pStatusMsg, pPopDescText}) item[field] = ReplaceAllIgnoreCase(item[field], from, to);
}

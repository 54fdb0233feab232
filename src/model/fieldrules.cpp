#include "model/fieldrules.h"

#include <algorithm>

#include "model/colorconversion.h"

namespace {

using K = TFieldKind;

const std::vector<TFieldRule> kMenuRules = {
    {pMenuZIndex, K::Spin, false, {}},
    {pSlideStep, K::Spin, false, {}},
    {pSlideSpeed, K::Spin, false, {}},
    {pAutoCloseSubMenus, K::Check, false, {}},
    {pSnapEnabled, K::Check, false, {}},
    {pMenuScrollType, K::PositionList, false,
     {"No Scroll", "Horizontal Scroll Only", "Vertical Scroll Only", "Both H and V Scroll"}},
    {pSlideOpenSubMenuEnabled, K::Check, false, {}},
    {pDelayOpenSubMenuInMSec, K::Spin, false, {}},
    {pDelayCloseSubMenuInMSec, K::Spin, false, {}},
    {paramDelayShowDescTextInMSec, K::Spin, false, {}},
    {pSnapDistance, K::Spin, false, {}},
    {pOnResizeEventHandler, K::Text, false, {}},
    {pOnRMouseMoveEventHandler, K::Text, false, {}},
    {pOnMouseUpHandler, K::Text, false, {}},
    {pOnClickEventHandler, K::Text, false, {}},
    {pDragBarEnabled, K::Check, false, {}},
    {pDragBar_TitleAlign, K::WordList, true, {"Left", "Center", "Right"}},
    {pDragBar_BGColor, K::Swatch, false, {}},
    {pDragBar_TitleColor, K::Swatch, false, {}},
    {pDragBar_FontFamily, K::Text, false, {}},
    {pDragBar_FontSize, K::Spin, false, {}},
    {pDragBar_FontBold, K::Toggle, false, {}},
    {pDragBar_FontItalic, K::Toggle, false, {}},
    {pDragBar_PopTip, K::Text, false, {}},
    {pDragBar_Title, K::Text, false, {}},
    {pMainMenuOuterBGColor, K::Swatch, false, {}},
    {pSubMenuArrowFileNormal, K::Text, true, {}},
    {pSubMenuArrowFileOver, K::Text, true, {}},
    {pItemNoColor, K::Swatch, false, {}},
    {pItemNoBgColor, K::Swatch, false, {}},
    {pItemOvColor, K::Swatch, false, {}},
    {pItemOvBgColor, K::Swatch, false, {}},
    {pItemFontFamily, K::Text, false, {}},
    {pItemFontSize, K::Spin, false, {}},
    {pItemFontWeight, K::Toggle, false, {}},
    {pItemFontStyle, K::Toggle, false, {}},
    {pSeparatorColor, K::Swatch, false, {}},
    {pSeparatorLightColor, K::Swatch, false, {}},
    {pPopDescBgColor, K::Swatch, false, {}},
    {pPopDescColor, K::Swatch, false, {}},
    {pPopDescWidth, K::Spin, false, {}},
    {pItemPaddingLeft, K::Spin, false, {}},
    {pInitMenuX, K::Spin, false, {}},
    {pInitMenuY, K::Spin, false, {}},
    {pPopDescBorderWidth, K::Spin, false, {}},
    {pPopDescBorderStyle, K::WordList, false,
     {"none", "solid", "double", "groove", "ridge", "inset", "outset", "dotted", "dashed"}},
    {pPopDescBorderColor, K::Swatch, false, {}},
    {pInternalUse_RootDir_Local, K::Text, false, {}},
    {pInternalUse_RootDir_Remote, K::Text, false, {}},
    {pInternalUse_RootDir_Local_Checked, K::RadioPair, false, {}},
};

const std::vector<TFieldRule> kItemRules = {
    {ICaption, K::Text, true, {}},
    {pImageLeft, K::Spin, false, {}},
    {pImageTop, K::Spin, false, {}},
    {pMenuWidth, K::Spin, false, {}},
    {pSeparator, K::Check, false, {}},
    {pURL, K::Text, true, {}},
    {pTarget, K::Text, true, {}},
    {pPopDescText, K::Text, true, {}},
    {pStatusMsg, K::Text, true, {}},
    {UseStatusMsgAsPopDescMsg, K::Check, false, {}},
    {UseURLAsStatusBarMsg, K::Check, false, {}},
};

// Numbers in the records are decimal; the "$" form that colours go through is
// no number here, as it is none for the generator either.
bool DecimalValue(const std::string& text, int& value)
{
    if (text.find('$') != std::string::npos)
        return false;
    try {
        value = StrToIntStrict(text);
        return true;
    } catch (const TConversionError&) {
        return false;
    }
}

std::string Shade(const std::string& hex, TColorValue (*shade)(TColorValue))
{
    return ColorToHex(shade(HexToColor(hex)));
}

}  // namespace

const std::vector<TFieldRule>& MenuFieldRules()
{
    return kMenuRules;
}

const std::vector<TFieldRule>& ItemFieldRules()
{
    return kItemRules;
}

const TFieldRule* FindRule(const std::vector<TFieldRule>& rules, int field)
{
    const auto it = std::find_if(rules.begin(), rules.end(), [field](const TFieldRule& r) { return r.field == field; });
    return it == rules.end() ? nullptr : &*it;
}

std::string TrimBlanks(const std::string& text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string NormalizedValue(const TFieldRule& rule, const std::string& value, const std::string& shownWord)
{
    int number = 0;
    switch (rule.kind) {
    case K::Spin:
        if (!DecimalValue(value, number))
            return value;
        return std::to_string(std::clamp(number, kSpinMinimum, kSpinMaximum));
    case K::PositionList:
        if (!DecimalValue(value, number))
            return value;
        return number >= 0 && number < static_cast<int>(rule.entries.size()) ? std::to_string(number) : "-1";
    case K::Check:
    case K::Toggle:
    case K::RadioPair:
        return value == "1" ? "1" : "0";
    case K::Swatch:
        try {
            return ColorToHex(HexToColor(value));
        } catch (const TConversionError&) {
            return value;
        }
    case K::Text:
        return rule.trim ? TrimBlanks(value) : value;
    case K::WordList: {
        const std::string shown = rule.trim ? TrimBlanks(value) : value;
        const bool listed = std::find(rule.entries.begin(), rule.entries.end(), value) != rule.entries.end();
        return listed ? shown : (rule.trim ? TrimBlanks(shownWord) : shownWord);
    }
    }
    return value;
}

void DeriveBorderColors(TAppletData& data)
{
    const std::string base = data[pMainMenuOuterBGColor];
    const std::string dark = Shade(base, DarkenColor);
    data[pMainMenuBorderBaseColor2] = base;
    data[pMainMenuBorderBaseColor3] = base;
    data[pMainMenuBorderLightColor1] = data[pMainMenuBorderLightColor2] = Shade(base, LightenColor);
    data[pMainMenuBorderDarkColor1] = data[pMainMenuBorderDarkColor2] = dark;
    data[pMainMenuBorderDarkestColor1] = data[pMainMenuBorderDarkestColor2] = Shade(dark, DarkenColor);
}

TAppletData GatheredApplet(const TAppletData& data, const TAppletData* shownWords)
{
    TAppletData gathered;  // every field "", unbound ones stay so
    for (const TFieldRule& rule : kMenuRules) {
        const std::string shown =
            shownWords ? (*shownWords)[rule.field] : (rule.entries.empty() ? std::string() : rule.entries.front());
        gathered[rule.field] = NormalizedValue(rule, data[rule.field], shown);
    }
    try {
        DeriveBorderColors(gathered);
    } catch (const TConversionError&) {
        // A base colour the pages cannot show: they never gather one.
    }
    return gathered;
}

TItemData GatheredItem(const TItemData& item)
{
    TItemData gathered;  // every field "", the derived ones too
    for (const TFieldRule& rule : kItemRules)
        gathered[rule.field] = NormalizedValue(rule, item[rule.field], std::string());
    gathered[pLevel] = item[pLevel];
    return gathered;
}

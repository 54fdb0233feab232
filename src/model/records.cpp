#include "records.h"

#include <stdexcept>

const std::array<TAppletFieldInfo, kAppletFieldCount> kAppletFields = {{
    {pMenuZIndex, "pMenuZIndex", "1000", true},
    {pSlideStep, "pSlideStep", "20", true},
    {pSlideSpeed, "pSlideSpeed", "10", true},
    {pAutoCloseSubMenus, "pAutoCloseSubMenus", "1", true},
    {pSnapEnabled, "pSnapEnabled", "1", true},
    {pMenuScrollType, "pMenuScrollType", "3", true},
    {pSlideOpenSubMenuEnabled, "pSlideOpenSubMenuEnabled", "1", true},
    {pParam7, "pParam7", "0", false},
    {pSoundFile, "pSoundFile", "E:\\Projects\\_working\\Varnwork\\working dir\\script\\test.wav", false},
    {pParam9, "pParam9", "1", false},
    {pDelayOpenSubMenuInMSec, "pDelayOpenSubMenuInMSec", "200", true},
    {pDelayCloseSubMenuInMSec, "pDelayCloseSubMenuInMSec", "2000", true},
    {paramDelayShowDescTextInMSec, "paramDelayShowDescTextInMSec", "10", true},
    {pSnapDistance, "pSnapDistance", "15", true},
    {pParam14, "pParam14", "", false},
    {pOnResizeEventHandler, "pOnResizeEventHandler", "", true},
    {pOnRMouseMoveEventHandler, "pOnRMouseMoveEventHandler", "", true},
    {pOnMouseUpHandler, "pOnMouseUpHandler", "", true},
    {pOnClickEventHandler, "pOnClickEventHandler", "", true},
    {pDragBarEnabled, "pDragBarEnabled", "1", true},
    {pDragBar_TitleAlign, "pDragBar_TitleAlign", "Center", true},
    {pDragBar_BGColor, "pDragBar_BGColor", "6B98E7", true},
    {pDragBar_TitleColor, "pDragBar_TitleColor", "FFFFFF", true},
    {pDragBar_FontFamily, "pDragBar_FontFamily", "Arial", true},
    {pDragBar_FontSize, "pDragBar_FontSize", "14", true},
    {pDragBar_FontBold, "pDragBar_FontBold", "1", true},
    {pDragBar_FontItalic, "pDragBar_FontItalic", "0", true},
    {pDragBar_Cursor, "pDragBar_Cursor", "move", false},
    {pDragBar_PopTip, "pDragBar_PopTip", "Hold your mouse to move!", true},
    {pDragBar_Title, "pDragBar_Title", "Welcome...", true},
    {pParam30, "pParam30", "0", true},
    {pParam31, "pParam31", "", true},
    {pParam32, "pParam32", "0", true},
    {pParam33, "pParam33", "0", true},
    {pMainMenuOuterBGColor, "pMainMenuOuterBGColor", "C0C0C0", true},
    {pMainMenuBorderBaseColor2, "pMainMenuBorderBaseColor2", "C0C0C0", true},
    {pMainMenuBorderBaseColor3, "pMainMenuBorderBaseColor3", "C0C0C0", true},
    {pMainMenuBorderDarkestColor1, "pMainMenuBorderDarkestColor1", "939393", true},
    {pMainMenuBorderDarkestColor2, "pMainMenuBorderDarkestColor2", "939393", true},
    {pMainMenuBorderFixedColor, "pMainMenuBorderFixedColor", "000000", true},
    {pMainMenuBorderLightColor1, "pMainMenuBorderLightColor1", "FFFFFF", true},
    {pMainMenuBorderLightColor2, "pMainMenuBorderLightColor2", "FFFFFF", true},
    {pMainMenuBorderDarkColor1, "pMainMenuBorderDarkColor1", "868686", true},
    {pMainMenuBorderDarkColor2, "pMainMenuBorderDarkColor2", "868686", true},
    {pSubMenuArrowFileNormal, "pSubMenuArrowFileNormal", "arrow_normal.gif", true},
    {pSubMenuArrowFileOver, "pSubMenuArrowFileOver", "arrow_over.gif", true},
    {pItemNoColor, "pItemNoColor", "FFFFFF", true},
    {pItemNoBgColor, "pItemNoBgColor", "3879BA", true},
    {pItemOvColor, "pItemOvColor", "004080", true},
    {pItemOvBgColor, "pItemOvBgColor", "FFFFFF", true},
    {pMenuCount, "pMenuCount", "4", false},
    {pItemFontFamily, "pItemFontFamily", "Arial", true},
    {pItemFontSize, "pItemFontSize", "12", true},
    {pItemFontWeight, "pItemFontWeight", "bold", true},
    {pItemFontStyle, "pItemFontStyle", "normal", true},
    {pSeparatorColor, "pSeparatorColor", "88B1DB", true},
    {pSeparatorLightColor, "pSeparatorLightColor", "000027", true},
    {pPopDescBgColor, "pPopDescBgColor", "EAEA00", true},
    {pPopDescColor, "pPopDescColor", "000000", true},
    {pParam59, "pParam59", "", false},
    {pPopDescWidth, "pPopDescWidth", "180", true},
    {pItemPaddingLeft, "pItemPaddingLeft", "20", true},
    {pParam62, "pParam62", "", false},
    {pInitMenuX, "pInitMenuX", "80", true},
    {pInitMenuY, "pInitMenuY", "80", true},
    {pPopDescBorderWidth, "pPopDescBorderWidth", "2", true},
    {pPopDescBorderStyle, "pPopDescBorderStyle", "ridge", true},
    {pPopDescBorderColor, "pPopDescBorderColor", "FFFF00", true},
    {pInternalUse_RootDir_Local, "pInternalUse_RootDir_Local", "", true},
    {pInternalUse_RootDir_Remote, "pInternalUse_RootDir_Remote", "", true},
    {pInternalUse_RootDir_Local_Checked, "pInternalUse_RootDir_Local_Checked", "1", true},
    {pParam71, "pParam71", "", true},
}};

const std::array<TItemFieldInfo, kItemFieldCount> kItemFields = {{
    {ICaption, "ICaption", "Item"},
    {pItemReserved1, "pItemReserved1", ""},
    {pItemReserved2, "pItemReserved2", ""},
    {pItemReserved3, "pItemReserved3", ""},
    {pItemReserved4, "pItemReserved4", ""},
    {pItemReserved5, "pItemReserved5", ""},
    {pItemReserved6, "pItemReserved6", ""},
    {pItemReserved7, "pItemReserved7", ""},
    {pItemReserved8, "pItemReserved8", ""},
    {pItemReserved9, "pItemReserved9", ""},
    {pItemReserved10, "pItemReserved10", ""},
    {pItemReserved11, "pItemReserved11", ""},
    {pItemReserved12, "pItemReserved12", ""},
    {pItemReserved13, "pItemReserved13", ""},
    {pHasChildren, "pHasChildren", ""},
    {pItemReserved15, "pItemReserved15", ""},
    {pImageLeft, "pImageLeft", "105"},
    {pImageTop, "pImageTop", "4"},
    {pItemReserved18, "pItemReserved18", ""},
    {pItemReserved19, "pItemReserved19", ""},
    {pSiblingPosition, "pSiblingPosition", ""},
    {pIsFirstItem, "pIsFirstItem", ""},
    {pMenuWidth, "pMenuWidth", "120"},
    {pSeparator, "pSeparator", "0"},
    {pItemReserved24, "pItemReserved24", ""},
    {pItemReserved25, "pItemReserved25", ""},
    {pURL, "pURL", ""},
    {pTarget, "pTarget", "_self"},
    {pPopDescText, "pPopDescText", ""},
    {pItemReserved29, "pItemReserved29", ""},
    {pItemReserved30, "pItemReserved30", ""},
    {pItemReserved31, "pItemReserved31", ""},
    {pItemReserved32, "pItemReserved32", ""},
    {pStatusMsg, "pStatusMsg", ""},
    {pLevel, "pLevel", ""},
    {pItemReserved35, "pItemReserved35", ""},
    {UseStatusMsgAsPopDescMsg, "UseStatusMsgAsPopDescMsg", "0"},
    {UseURLAsStatusBarMsg, "UseURLAsStatusBarMsg", "1"},
}};

TAppletData DefaultAppletData()
{
    TAppletData data;
    for (const auto& field : kAppletFields)
        data[field.index] = field.resetValue;
    return data;
}

TItemData NewDefaultItem()
{
    TItemData item;
    for (const auto& field : kItemFields)
        item[field.index] = field.newItemValue;
    return item;
}

bool IsCarriedByProjectFile(int appletIndex)
{
    return kAppletFields.at(static_cast<size_t>(appletIndex)).carriedByProjectFile;
}

TStringArray AppletToStrings(const TAppletData& data)
{
    TStringArray strings(kAppletFieldCount);
    for (int i = 0; i < kAppletFieldCount; ++i)
        if (IsCarriedByProjectFile(i))
            strings[static_cast<size_t>(i)] = data[i];
    return strings;
}

TAppletData StringsToApplet(const TStringArray& strings)
{
    if (strings.size() != kAppletFieldCount)
        throw std::invalid_argument("StringsToApplet needs 72 values");
    TAppletData data;
    for (int i = 0; i < kAppletFieldCount; ++i)
        if (IsCarriedByProjectFile(i))
            data[i] = strings[static_cast<size_t>(i)];
    return data;
}

TStringArray ItemToStrings(const TItemData& item)
{
    return TStringArray(item.values.begin(), item.values.end());
}

TItemData StringsToItem(const TStringArray& strings)
{
    if (strings.size() != kItemFieldCount)
        throw std::invalid_argument("StringsToItem needs 38 values");
    TItemData item;
    for (int i = 0; i < kItemFieldCount; ++i)
        item[i] = strings[static_cast<size_t>(i)];
    return item;
}

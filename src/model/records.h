#pragma once
// The two records of a menu document. Every field is text, whatever it means;
// indices are the storage order of the project file.

#include <array>
#include <string>
#include <vector>

enum TAppletField : int {
    pMenuZIndex = 0,
    pSlideStep = 1,
    pSlideSpeed = 2,
    pAutoCloseSubMenus = 3,
    pSnapEnabled = 4,
    pMenuScrollType = 5,
    pSlideOpenSubMenuEnabled = 6,
    pParam7 = 7,
    pSoundFile = 8,
    pParam9 = 9,
    pDelayOpenSubMenuInMSec = 10,
    pDelayCloseSubMenuInMSec = 11,
    paramDelayShowDescTextInMSec = 12,
    pSnapDistance = 13,
    pParam14 = 14,
    pOnResizeEventHandler = 15,
    pOnRMouseMoveEventHandler = 16,
    pOnMouseUpHandler = 17,
    pOnClickEventHandler = 18,
    pDragBarEnabled = 19,
    pDragBar_TitleAlign = 20,
    pDragBar_BGColor = 21,
    pDragBar_TitleColor = 22,
    pDragBar_FontFamily = 23,
    pDragBar_FontSize = 24,
    pDragBar_FontBold = 25,
    pDragBar_FontItalic = 26,
    pDragBar_Cursor = 27,
    pDragBar_PopTip = 28,
    pDragBar_Title = 29,
    pParam30 = 30,
    pParam31 = 31,
    pParam32 = 32,
    pParam33 = 33,
    pMainMenuOuterBGColor = 34,
    pMainMenuBorderBaseColor2 = 35,
    pMainMenuBorderBaseColor3 = 36,
    pMainMenuBorderDarkestColor1 = 37,
    pMainMenuBorderDarkestColor2 = 38,
    pMainMenuBorderFixedColor = 39,
    pMainMenuBorderLightColor1 = 40,
    pMainMenuBorderLightColor2 = 41,
    pMainMenuBorderDarkColor1 = 42,
    pMainMenuBorderDarkColor2 = 43,
    pSubMenuArrowFileNormal = 44,
    pSubMenuArrowFileOver = 45,
    pItemNoColor = 46,
    pItemNoBgColor = 47,
    pItemOvColor = 48,
    pItemOvBgColor = 49,
    pMenuCount = 50,
    pItemFontFamily = 51,
    pItemFontSize = 52,
    pItemFontWeight = 53,
    pItemFontStyle = 54,
    pSeparatorColor = 55,
    pSeparatorLightColor = 56,
    pPopDescBgColor = 57,
    pPopDescColor = 58,
    pParam59 = 59,
    pPopDescWidth = 60,
    pItemPaddingLeft = 61,
    pParam62 = 62,
    pInitMenuX = 63,
    pInitMenuY = 64,
    pPopDescBorderWidth = 65,
    pPopDescBorderStyle = 66,
    pPopDescBorderColor = 67,
    pInternalUse_RootDir_Local = 68,
    pInternalUse_RootDir_Remote = 69,
    pInternalUse_RootDir_Local_Checked = 70,
    pParam71 = 71,
};

enum TItemField : int {
    ICaption = 0,
    pItemReserved1 = 1,
    pItemReserved2 = 2,
    pItemReserved3 = 3,
    pItemReserved4 = 4,
    pItemReserved5 = 5,
    pItemReserved6 = 6,
    pItemReserved7 = 7,
    pItemReserved8 = 8,
    pItemReserved9 = 9,
    pItemReserved10 = 10,
    pItemReserved11 = 11,
    pItemReserved12 = 12,
    pItemReserved13 = 13,
    pHasChildren = 14,
    pItemReserved15 = 15,
    pImageLeft = 16,
    pImageTop = 17,
    pItemReserved18 = 18,
    pItemReserved19 = 19,
    pSiblingPosition = 20,
    pIsFirstItem = 21,
    pMenuWidth = 22,
    pSeparator = 23,
    pItemReserved24 = 24,
    pItemReserved25 = 25,
    pURL = 26,
    pTarget = 27,
    pPopDescText = 28,
    pItemReserved29 = 29,
    pItemReserved30 = 30,
    pItemReserved31 = 31,
    pItemReserved32 = 32,
    pStatusMsg = 33,
    pLevel = 34,
    pItemReserved35 = 35,
    UseStatusMsgAsPopDescMsg = 36,
    UseURLAsStatusBarMsg = 37,
};

constexpr int kAppletFieldCount = 72;
// Follows every value in both file formats; no value may contain it.
inline const std::string kFieldSeparator = "#$@";
constexpr int kItemFieldCount = 38;

struct TAppletFieldInfo {
    TAppletField index;
    const char* name;
    const char* resetValue;
    bool carriedByProjectFile;  // false: the project file writes and reads the slot empty
};

struct TItemFieldInfo {
    TItemField index;
    const char* name;
    const char* newItemValue;
};

extern const std::array<TAppletFieldInfo, kAppletFieldCount> kAppletFields;
extern const std::array<TItemFieldInfo, kItemFieldCount> kItemFields;

using TStringArray = std::vector<std::string>;

struct TAppletData {
    std::array<std::string, kAppletFieldCount> values;
    std::string& operator[](int i) { return values[static_cast<size_t>(i)]; }
    const std::string& operator[](int i) const { return values[static_cast<size_t>(i)]; }
    bool operator==(const TAppletData& o) const { return values == o.values; }
    bool operator!=(const TAppletData& o) const { return values != o.values; }
};

struct TItemData {
    std::array<std::string, kItemFieldCount> values;
    std::string& operator[](int i) { return values[static_cast<size_t>(i)]; }
    const std::string& operator[](int i) const { return values[static_cast<size_t>(i)]; }
    bool operator==(const TItemData& o) const { return values == o.values; }
    bool operator!=(const TItemData& o) const { return values != o.values; }
};

using TItemArray = std::vector<TItemData>;

// The menu-wide record with every field at its reset value.
TAppletData DefaultAppletData();
// A fresh item with the new-item values; pLevel is left for the caller.
TItemData NewDefaultItem();

// Flat forms used by both file formats. The eight slots that the project file
// does not carry (7, 8, 9, 14, 27, 50, 59, 62) are "" in both directions.
TStringArray AppletToStrings(const TAppletData& data);
TAppletData StringsToApplet(const TStringArray& strings);
TStringArray ItemToStrings(const TItemData& item);
TItemData StringsToItem(const TStringArray& strings);

bool IsCarriedByProjectFile(int appletIndex);

// The templates that ship with the program: each one opens in full, holds
// values the property pages can show, and is exactly what the editor would
// save for it, so opening a template and saving it changes nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "codegen/generation.h"
#include "files/projectfile.h"
#include "files/textfile.h"
#include "test_files_support.h"
#include "model/appletagent.h"
#include "model/colorconversion.h"
#include "model/menushape.h"

namespace {

namespace fs = std::filesystem;

fs::path TemplatesFolder()
{
    return fs::path(TRELLIMENU_TEST_DATA) / ".." / ".." / "data" / "templates";
}

std::vector<fs::path> Templates()
{
    std::vector<fs::path> list;
    for (const auto& entry : fs::directory_iterator(TemplatesFolder()))
        if (entry.is_regular_file() && entry.path().extension() == ".tmz")
            list.push_back(entry.path());
    std::sort(list.begin(), list.end());
    return list;
}

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Shade(const std::string& hex, int darkenings, bool lighten = false)
{
    TColorValue c = HexToColor(hex);
    if (lighten)
        c = LightenColor(c);
    for (int i = 0; i < darkenings; ++i)
        c = DarkenColor(c);
    return ColorToHex(c);
}

struct TOpened {
    TvarnAppletAgent agent;
    TReadResult result;
};

void Open(const fs::path& path, TOpened& opened)
{
    opened.result = testfiles::OpenProject(path.string(), opened.agent);
}

// WCAG 2 relative luminance of "RRGGBB", and the contrast ratio of two colours.
double RelativeLuminance(const std::string& hex)
{
    double channels[3];
    for (int i = 0; i < 3; ++i) {
        const double c = std::stoi(hex.substr(static_cast<size_t>(2 * i), 2), nullptr, 16) / 255.0;
        channels[i] = c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return 0.2126 * channels[0] + 0.7152 * channels[1] + 0.0722 * channels[2];
}

double ContrastRatio(const std::string& a, const std::string& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class TemplateTest : public ::testing::TestWithParam<fs::path> {};

TEST(Templates, EnoughStartingPointsOfEachKind)
{
    const auto list = Templates();
    ASSERT_GE(list.size(), 6u);
    bool withoutDragBar = false;
    int deepest = 0;
    for (const auto& path : list) {
        TOpened opened;
        Open(path, opened);
        withoutDragBar = withoutDragBar || opened.agent.GetAppletData()[pDragBarEnabled] == "0";
        for (const TItemData& item : opened.agent.Items())
            deepest = std::max(deepest, std::stoi(item[pLevel]));
    }
    EXPECT_TRUE(withoutDragBar);
    EXPECT_GE(deepest, 3) << "no template with submenus three levels below the main menu";
}

// Each layout has starting points: a light and a dark top bar, and a sidebar.
TEST(Templates, BarsAndASidebarAmongThem)
{
    int lightBars = 0, darkBars = 0, sidebars = 0;
    for (const auto& path : Templates()) {
        TOpened opened;
        Open(path, opened);
        const TMenuDocument& document = opened.agent.Document();
        const std::string layout = document.extended.ValueOrDefault("Layout");
        const bool darkItems = RelativeLuminance(document.applet[pItemNoBgColor]) < 0.1;
        lightBars += layout == "Bar" && !darkItems;
        darkBars += layout == "Bar" && darkItems;
        sidebars += layout == "Sidebar";
    }
    EXPECT_GE(lightBars, 1);
    EXPECT_GE(darkBars, 1);
    EXPECT_GE(sidebars, 1);
}

TEST_P(TemplateTest, OpensCompletelyWithLevelsInShape)
{
    TOpened opened;
    Open(GetParam(), opened);
    ASSERT_EQ(opened.result.status, TReadResult::Complete) << opened.result.message;
    ASSERT_GT(opened.agent.ItemCount(), 0);
    testfiles::ExpectLevelsInShape(opened.agent.Items());
}

TEST_P(TemplateTest, ValuesAreOnesThePagesCanShow)
{
    TOpened opened;
    Open(GetParam(), opened);
    const TAppletData data = opened.agent.GetAppletData();
    const int integers[] = {pMenuZIndex, pSlideStep, pSlideSpeed, pDelayOpenSubMenuInMSec, pDelayCloseSubMenuInMSec,
                            paramDelayShowDescTextInMSec, pSnapDistance, pDragBar_FontSize, pItemFontSize,
                            pPopDescWidth, pItemPaddingLeft, pInitMenuX, pInitMenuY, pPopDescBorderWidth};
    for (int field : integers)
        EXPECT_NO_THROW(StrToIntStrict(data[field])) << "field " << field;
    const int colours[] = {pDragBar_BGColor, pDragBar_TitleColor, pMainMenuOuterBGColor, pItemNoColor,
                           pItemNoBgColor, pItemOvColor, pItemOvBgColor, pSeparatorColor, pSeparatorLightColor,
                           pPopDescBgColor, pPopDescColor, pPopDescBorderColor};
    for (int field : colours)
        EXPECT_EQ(ColorToHex(HexToColor(data[field])), data[field]) << "field " << field;
    const std::set<std::string> aligns = {"Left", "Center", "Right"};
    const std::set<std::string> borders = {"none", "solid", "double", "groove", "ridge",
                                           "inset", "outset", "dotted", "dashed"};
    EXPECT_TRUE(aligns.count(data[pDragBar_TitleAlign]));
    EXPECT_TRUE(borders.count(data[pPopDescBorderStyle]));
    EXPECT_GE(StrToIntStrict(data[pMenuScrollType]), 0);
    EXPECT_LE(StrToIntStrict(data[pMenuScrollType]), 3);

    // The border shades follow the base colour as the pages derive them.
    const std::string base = data[pMainMenuOuterBGColor];
    EXPECT_EQ(data[pMainMenuBorderBaseColor2], base);
    EXPECT_EQ(data[pMainMenuBorderBaseColor3], base);
    EXPECT_EQ(data[pMainMenuBorderLightColor1], Shade(base, 0, true));
    EXPECT_EQ(data[pMainMenuBorderLightColor2], Shade(base, 0, true));
    EXPECT_EQ(data[pMainMenuBorderDarkColor1], Shade(base, 1));
    EXPECT_EQ(data[pMainMenuBorderDarkColor2], Shade(base, 1));
    EXPECT_EQ(data[pMainMenuBorderDarkestColor1], Shade(base, 2));
    EXPECT_EQ(data[pMainMenuBorderDarkestColor2], Shade(base, 2));

    for (const TItemData& item : opened.agent.Items())
        for (int field : {pImageLeft, pImageTop, pMenuWidth})
            EXPECT_NO_THROW(StrToIntStrict(item[field])) << item[ICaption];
}

TEST_P(TemplateTest, SeparatorsStandBetweenTwoItems)
{
    TOpened opened;
    Open(GetParam(), opened);
    const TMenuShape shape = TMenuShape::FromLevels(opened.agent.Items());
    for (int i = 0; i < shape.ItemCount(); ++i) {
        if (opened.agent.GetItem(i)[pSeparator] != "1")
            continue;
        EXPECT_LT(shape.IndexInGroup(i) + 1, static_cast<int>(shape.Children(shape.Parent(i)).size())) << "item " << i;
        EXPECT_FALSE(shape.HasChildren(i)) << "item " << i;
    }
}

// Under a dark colour scheme: light text on dark items, and both the text and
// the mouse-over text at 4.5:1 or more (WCAG 2 AA).
TEST_P(TemplateTest, DarkSetIsCompleteAndReadable)
{
    TOpened opened;
    Open(GetParam(), opened);
    std::map<std::string, std::string> dark;
    for (const TExtendedValue& entry : opened.agent.Document().extended.Entries())
        if (entry.name.rfind("Dark", 0) == 0)
            dark[entry.name] = entry.value;
    const char* names[] = {"DarkItemBGColor", "DarkItemFontColor", "DarkItemBGColorOver",
                           "DarkItemFontColorOver", "DarkBorderColor", "DarkBarBGColor"};
    ASSERT_EQ(dark.size(), 6u);
    for (const char* name : names) {
        ASSERT_EQ(dark[name].size(), 6u) << name;
        EXPECT_EQ(dark[name].find_first_not_of("0123456789ABCDEF"), std::string::npos) << name;
    }
    EXPECT_LT(RelativeLuminance(dark["DarkItemBGColor"]), RelativeLuminance(dark["DarkItemFontColor"]));
    EXPECT_GE(ContrastRatio(dark["DarkItemFontColor"], dark["DarkItemBGColor"]), 4.5);
    EXPECT_GE(ContrastRatio(dark["DarkItemFontColorOver"], dark["DarkItemBGColorOver"]), 4.5);
}

// Publishing runs the generator before the project is written; a template
// that is already in that state comes back byte for byte.
TEST_P(TemplateTest, SavesBackUnchangedAfterGeneration)
{
    const fs::path scratch = testfiles::ScratchPath("trellimenu-template-" + GetParam().stem().u8string());
    fs::create_directories(scratch);
    TOpened opened;
    Open(GetParam(), opened);
    TSilentStatus status;
    const TGeneratedMenu menu = GenerateMenu(opened.agent.Document(), status);
    SaveProjectFile(menu.document, (scratch / "again.tmz").string(), status);
    EXPECT_EQ(Bytes(scratch / "again.tmz"), Bytes(GetParam()));
    // The menu's call, one per item, and the one for the extended values.
    EXPECT_EQ(std::count(menu.script.begin(), menu.script.end(), '\n'), opened.agent.ItemCount() + 2);
    fs::remove_all(scratch);
}

std::string TestName(const ::testing::TestParamInfo<fs::path>& info)
{
    std::string name = info.param.stem().string();
    std::replace_if(name.begin(), name.end(), [](char c) { return !isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Shipped, TemplateTest, ::testing::ValuesIn(Templates()), TestName);

}  // namespace

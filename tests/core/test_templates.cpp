// The templates that ship with the program: each one opens in full, holds
// values the property pages can show, and is exactly what the editor would
// save for it, so opening a template and saving it changes nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "codegen/generation.h"
#include "files/projectfile.h"
#include "files/textfile.h"
#include "test_files_support.h"
#include "model/appletagent.h"
#include "model/colorconversion.h"
#include "model/memorymenutree.h"

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
    TMemoryMenuTree tree;
    TReadResult result;
};

void Open(const fs::path& path, TOpened& opened)
{
    opened.result = testfiles::OpenProject(path.string(), opened.agent, opened.tree);
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

TEST_P(TemplateTest, OpensCompletelyWithATreeForEveryItem)
{
    TOpened opened;
    Open(GetParam(), opened);
    ASSERT_EQ(opened.result.status, TReadResult::Complete) << opened.result.message;
    ASSERT_GT(opened.agent.ItemCount(), 0);
    EXPECT_EQ(opened.tree.Count(), opened.agent.ItemCount() + 1);
    for (int i = 0; i < opened.agent.ItemCount(); ++i)
        EXPECT_EQ(opened.tree.Level(opened.tree.NodeAt(i + 1)) - 1, std::stoi(opened.agent.GetItem(i)[pLevel]));
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
    for (int i = 0; i < opened.agent.ItemCount(); ++i) {
        if (opened.agent.GetItem(i)[pSeparator] != "1")
            continue;
        const auto node = opened.tree.NodeAt(i + 1);
        EXPECT_NE(opened.tree.NextSibling(node), nullptr) << "item " << i;
        EXPECT_EQ(opened.tree.ChildCount(node), 0) << "item " << i;
    }
}

// Publishing runs the generator before the project is written; a template
// that is already in that state comes back byte for byte.
TEST_P(TemplateTest, SavesBackUnchangedAfterGeneration)
{
    const fs::path scratch = fs::temp_directory_path() / ("trellimenu-template-" + GetParam().stem().string());
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    TOpened opened;
    Open(GetParam(), opened);
    TSilentStatus status;
    const TGeneratedMenu menu = GenerateMenu(opened.agent.Document(), status);
    SaveProjectFile(menu.document, (scratch / "again.tmz").string(), status);
    EXPECT_EQ(Bytes(scratch / "again.tmz"), Bytes(GetParam()));
    EXPECT_EQ(std::count(menu.script.begin(), menu.script.end(), '\n'), opened.agent.ItemCount() + 1);
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

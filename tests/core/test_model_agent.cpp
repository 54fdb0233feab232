#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "model/appletagent.h"

namespace {

TItemData Named(const std::string& caption)
{
    TItemData item = NewDefaultItem();
    item[ICaption] = caption;
    return item;
}

}  // namespace

TEST(AgentState, StartsWithANewEmptyDocument)
{
    TvarnAppletAgent agent;
    EXPECT_EQ(agent.ItemCount(), 0);
    EXPECT_EQ(agent.FieldSeparator(), "#$@");
    EXPECT_EQ(agent.GetAppletData(), DefaultAppletData());
    EXPECT_EQ(agent.Document().encoding, TTextEncoding::Utf8);
}

TEST(AgentState, ResetRestoresDefaultsAndEmptiesItems)
{
    TvarnAppletAgent agent;
    TAppletData changed = DefaultAppletData();
    changed[pItemNoBgColor] = "123456";
    agent.SetAppletData(changed);
    agent.Document().items.push_back(Named("x"));
    agent.ResetAppletToDefaults();
    const TAppletData data = agent.GetAppletData();
    EXPECT_EQ(data[pItemFontWeight], "bold");
    EXPECT_EQ(data[pItemFontStyle], "normal");
    EXPECT_EQ(data[pParam31], "");
    EXPECT_EQ(data[pItemNoBgColor], "3879BA");
    EXPECT_EQ(agent.ItemCount(), 0);
}

TEST(AgentState, ItemAccessCopiesAndRejectsBadPositions)
{
    TvarnAppletAgent agent;
    agent.Document().items.push_back(Named("a"));
    TItemData copy = agent.GetItem(0);
    copy[ICaption] = "changed";
    EXPECT_EQ(agent.GetItem(0)[ICaption], "a");
    agent.SetItem(0, copy);
    EXPECT_EQ(agent.GetItem(0)[ICaption], "changed");
    EXPECT_THROW(agent.GetItem(1), std::out_of_range);
    EXPECT_THROW(agent.SetItem(-1, copy), std::out_of_range);
}

TEST(Records, UncarriedSlotsAreEmptyBothWays)
{
    TAppletData data = DefaultAppletData();
    for (int i = 0; i < kAppletFieldCount; ++i)
        data[i] = "v" + std::to_string(i);
    const TStringArray strings = AppletToStrings(data);
    ASSERT_EQ(strings.size(), 72u);
    const std::vector<int> uncarried = {7, 8, 9, 14, 27, 50, 59, 62};
    for (int i = 0; i < kAppletFieldCount; ++i) {
        const bool empty = std::find(uncarried.begin(), uncarried.end(), i) != uncarried.end();
        EXPECT_EQ(strings[static_cast<size_t>(i)], empty ? "" : "v" + std::to_string(i)) << i;
    }
    TStringArray full(72);
    for (int i = 0; i < kAppletFieldCount; ++i)
        full[static_cast<size_t>(i)] = "w" + std::to_string(i);
    full[pDragBar_Cursor] = "move";
    const TAppletData back = StringsToApplet(full);
    for (int i = 0; i < kAppletFieldCount; ++i) {
        const bool empty = std::find(uncarried.begin(), uncarried.end(), i) != uncarried.end();
        EXPECT_EQ(back[i], empty ? "" : "w" + std::to_string(i)) << i;
    }
}

TEST(Records, ItemsConvertWholeBothWays)
{
    TItemData item;
    for (int i = 0; i < kItemFieldCount; ++i)
        item[i] = "f" + std::to_string(i);
    const TStringArray strings = ItemToStrings(item);
    ASSERT_EQ(strings.size(), 38u);
    EXPECT_EQ(strings[37], "f37");
    EXPECT_EQ(StringsToItem(strings), item);
}

TEST(Records, NewItemAndUncarriedResetValues)
{
    const TItemData item = NewDefaultItem();
    const std::map<int, std::string> set = {{ICaption, "Item"}, {pImageLeft, "105"},   {pImageTop, "4"},
                                            {pMenuWidth, "120"}, {pSeparator, "0"},    {pTarget, "_self"},
                                            {UseStatusMsgAsPopDescMsg, "0"}, {UseURLAsStatusBarMsg, "1"}};
    for (int i = 0; i < kItemFieldCount; ++i)
        EXPECT_EQ(item[i], set.count(i) ? set.at(i) : "") << i;

    const TAppletData data = DefaultAppletData();
    EXPECT_EQ(data[pParam7], "0");
    EXPECT_EQ(data[pSoundFile], "E:\\Projects\\_working\\Varnwork\\working dir\\script\\test.wav");
    EXPECT_EQ(data[pParam9], "1");
    EXPECT_EQ(data[pDragBar_Cursor], "move");
    EXPECT_EQ(data[pMenuCount], "4");
    EXPECT_EQ(data[pInternalUse_RootDir_Local_Checked], "1");
}

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "model/appletagent.h"
#include "model/itemtree.h"
#include "model/memorymenutree.h"

namespace {

TItemData Named(const std::string& caption, int level = 0)
{
    TItemData item = NewDefaultItem();
    item[ICaption] = caption;
    item[pLevel] = std::to_string(level);
    return item;
}

std::string Captions(const TvarnAppletAgent& agent)
{
    std::string out;
    for (const auto& item : agent.Items())
        out += item[ICaption];
    return out;
}

std::string Levels(const TvarnAppletAgent& agent)
{
    std::string out;
    for (const auto& item : agent.Items())
        out += item[pLevel];
    return out;
}

// Pre-order captions and depths of the tree below the root, the shape the item
// list must mirror.
std::string TreeCaptions(const TMenuTree& tree)
{
    std::string out;
    for (int i = 1; i < tree.Count(); ++i)
        out += tree.Text(tree.NodeAt(i));
    return out;
}

std::string TreeLevels(const TMenuTree& tree)
{
    std::string out;
    for (int i = 1; i < tree.Count(); ++i)
        out += std::to_string(tree.Level(tree.NodeAt(i)) - 1);
    return out;
}

// Agent and tree holding items A.. with the given levels.
struct Menu {
    TvarnAppletAgent agent;
    TMemoryMenuTree tree;

    explicit Menu(const std::vector<int>& levels)
    {
        agent.ResetAppletToDefaults();
        for (size_t k = 0; k < levels.size(); ++k)
            agent.InsertItem(static_cast<int>(k), Named(std::string(1, static_cast<char>('A' + k)), levels[k]));
        tree.AddRoot(kRootNodeText);
        agent.BuildTreeFromLevels(tree);
    }
    TMenuTree::Node NodeOf(char caption) const
    {
        for (int i = 1; i < tree.Count(); ++i)
            if (tree.Text(tree.NodeAt(i)) == std::string(1, caption))
                return tree.NodeAt(i);
        return nullptr;
    }
    void ExpectInStep() const
    {
        EXPECT_EQ(Captions(agent), TreeCaptions(tree));
        EXPECT_EQ(Levels(agent), TreeLevels(tree));
    }
};

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
    agent.InsertItem(0, Named("x"));
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
    agent.InsertItem(0, Named("a"));
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

TEST(ListEdits, InsertFollowsItsPositionRules)
{
    TvarnAppletAgent agent;
    agent.InsertItem(5, Named("a"));  // empty list: stored whatever the index
    EXPECT_EQ(Captions(agent), "a");
    agent.InsertItem(2, Named("x"));  // past the end: ignored
    EXPECT_EQ(Captions(agent), "a");
    agent.InsertItem(1, Named("c"));
    agent.InsertItem(1, Named("b"));
    agent.InsertItem(0, Named("0"));
    EXPECT_EQ(Captions(agent), "0abc");
}

TEST(TreeFromLevels, BuildsParentsFromDepths)
{
    Menu menu({0, 1, 2, 1, 0});
    const auto a = menu.NodeOf('A');
    EXPECT_EQ(menu.tree.ChildCount(a), 2);
    EXPECT_EQ(menu.tree.Parent(menu.NodeOf('B')), a);
    EXPECT_EQ(menu.tree.Parent(menu.NodeOf('D')), a);
    EXPECT_EQ(menu.tree.Parent(menu.NodeOf('C')), menu.NodeOf('B'));
    EXPECT_EQ(menu.tree.Parent(menu.NodeOf('E')), menu.tree.Root());
    menu.ExpectInStep();
}

TEST(TreeFromLevels, ClampsDamagedLevelsAndWritesThemBack)
{
    Menu menu({5, 3, 1, -2, 1});
    EXPECT_EQ(Levels(menu.agent), "01101");
    menu.ExpectInStep();
}

TEST(TreeFromLevels, WritesLevelsBackAsPlainDecimal)
{
    TvarnAppletAgent agent;
    for (const char* text : {"-0", "+1", "01"}) {
        TItemData item = Named("x");
        item[pLevel] = text;
        agent.InsertItem(agent.ItemCount(), item);
    }
    TMemoryMenuTree tree;
    tree.AddRoot(kRootNodeText);
    agent.BuildTreeFromLevels(tree);
    EXPECT_EQ(Levels(agent), "011");
    EXPECT_EQ(TreeLevels(tree), "011");
}

TEST(TreeFromLevels, RejectsNonIntegerLevelWithoutTouchingTheTree)
{
    TvarnAppletAgent agent;
    agent.InsertItem(0, Named("a"));
    TItemData bad = Named("b");
    bad[pLevel] = "1x";
    agent.InsertItem(1, bad);
    TMemoryMenuTree tree;
    tree.AddRoot(kRootNodeText);
    try {
        agent.BuildTreeFromLevels(tree);
        FAIL() << "no error";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "'1x' is not a valid integer value");
    }
    EXPECT_EQ(tree.Count(), 1);
    EXPECT_EQ(agent.GetItem(0)[pLevel], "0");
}

TEST(TreeFromLevels, DeepChainNeedsNoRecursion)
{
    std::vector<int> levels(200000);
    for (size_t k = 0; k < levels.size(); ++k)
        levels[k] = static_cast<int>(k);
    Menu menu(std::vector<int>{});
    for (int level : levels)
        menu.agent.InsertItem(menu.agent.ItemCount(), Named("x", level));
    menu.tree.AddRoot(kRootNodeText);
    menu.agent.BuildTreeFromLevels(menu.tree);
    EXPECT_EQ(menu.tree.Count(), 200001);
    EXPECT_EQ(menu.tree.Level(menu.tree.NodeAt(200000)), 200000);
    menu.agent.RefreshLevelsFromTree(menu.tree);
    EXPECT_EQ(menu.agent.GetItem(199999)[pLevel], "199999");
    EXPECT_EQ(SubtreeEnd(menu.agent.Items(), 0), 200000);
    EXPECT_EQ(ParentIndex(menu.agent.Items(), 199999), 199998);
}

TEST(TreeFromLevels, RefreshTakesLevelsFromTheTree)
{
    Menu menu({0, 1, 1, 0});
    for (int i = 0; i < menu.agent.ItemCount(); ++i) {
        TItemData item = menu.agent.GetItem(i);
        item[pLevel] = "";
        menu.agent.SetItem(i, item);
    }
    menu.agent.RefreshLevelsFromTree(menu.tree);
    EXPECT_EQ(Levels(menu.agent), "0110");
}

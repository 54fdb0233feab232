// The tree the levels describe, asked by position or built whole, the levels
// brought into shape, and items on the clipboard.
#include <gtest/gtest.h>

#include "files/itemclipboard.h"
#include "files/structurefile.h"
#include "model/itemlevels.h"
#include "model/itemtree.h"
#include "model/menushape.h"

namespace {

// A(0) B(1) C(2) D(1) E(0) F(1)
TItemArray Menu()
{
    TItemArray items;
    for (const auto& [caption, level] :
         {std::pair{"A", 0}, {"B", 1}, {"C", 2}, {"D", 1}, {"E", 0}, {"F", 1}}) {
        TItemData item = NewDefaultItem();
        item[ICaption] = caption;
        item[pLevel] = std::to_string(level);
        items.push_back(item);
    }
    return items;
}

TItemArray WithLevels(const std::vector<std::string>& levels)
{
    TItemArray items(levels.size(), NewDefaultItem());
    for (size_t k = 0; k < levels.size(); ++k)
        items[k][pLevel] = levels[k];
    return items;
}

std::vector<std::string> LevelsOf(const TItemArray& items)
{
    std::vector<std::string> levels;
    for (const TItemData& item : items)
        levels.push_back(item[pLevel]);
    return levels;
}

std::string Captions(const TItemArray& items)
{
    std::string out;
    for (const TItemData& item : items)
        out += item[ICaption] + item[pLevel];
    return out;
}

}  // namespace

TEST(ItemTree, NeighboursParentsAndSubtrees)
{
    const TItemArray items = Menu();
    EXPECT_EQ(SubtreeEnd(items, 0), 4);
    EXPECT_EQ(SubtreeEnd(items, 1), 3);
    EXPECT_EQ(SubtreeEnd(items, 5), 6);
    EXPECT_EQ(ParentIndex(items, 2), 1);
    EXPECT_EQ(ParentIndex(items, 3), 0);
    EXPECT_EQ(ParentIndex(items, 4), -1);
    EXPECT_EQ(PreviousSiblingIndex(items, 3), 1);
    EXPECT_EQ(PreviousSiblingIndex(items, 1), -1);
    EXPECT_EQ(PreviousSiblingIndex(items, 5), -1);  // E's child, not D's sibling
    EXPECT_EQ(NextSiblingIndex(items, 0), 4);
    EXPECT_EQ(NextSiblingIndex(items, 3), -1);
    EXPECT_EQ(ChildCount(items, -1), 2);
    EXPECT_EQ(ChildCount(items, 0), 2);
    EXPECT_EQ(ChildCount(items, 2), 0);
}

TEST(ItemTree, PlacesAmongChildren)
{
    const TItemArray items = Menu();
    EXPECT_EQ(PlaceAmongChildren(items, -1, 0).index, 0);
    EXPECT_EQ(PlaceAmongChildren(items, -1, 1).index, 4);
    EXPECT_EQ(PlaceAmongChildren(items, -1, 2).index, 6);
    const TItemPlace underA = PlaceAmongChildren(items, 0, 2);
    EXPECT_EQ(underA.index, 4);
    EXPECT_EQ(underA.level, 1);
    const TItemPlace underC = PlaceAmongChildren(items, 2, 0);
    EXPECT_EQ(underC.index, 3);
    EXPECT_EQ(underC.level, 3);
}

TEST(ItemTree, AnEmptyMenuAndSiblingsInsideASubmenu)
{
    EXPECT_EQ(PlaceAmongChildren({}, -1, 0).index, 0);
    EXPECT_EQ(PlaceAmongChildren({}, -1, 0).level, 0);
    EXPECT_EQ(ChildCount({}, -1), 0);
    // B's next sibling D lies past B's own child C; C has none.
    const TItemArray items = Menu();
    EXPECT_EQ(NextSiblingIndex(items, 1), 3);
    EXPECT_EQ(PreviousSiblingIndex(items, 3), 1);
    EXPECT_EQ(NextSiblingIndex(items, 2), -1);
    EXPECT_EQ(PreviousSiblingIndex(items, 2), -1);
    EXPECT_EQ(NextSiblingIndex(items, 4), -1);  // the last main menu item
}

TEST(ItemTree, BlocksMoveTheirLevelsTogether)
{
    TItemArray block = CopySubtree(Menu(), 1);
    EXPECT_EQ(Captions(block), "B0C1");
    SetBlockLevel(block, 3);
    EXPECT_EQ(Captions(block), "B3C4");
}

TEST(ItemTree, ADeepChainNeedsNoRecursion)
{
    std::vector<std::string> levels(200000);
    for (size_t k = 0; k < levels.size(); ++k)
        levels[k] = std::to_string(k);
    const TItemArray items = WithLevels(levels);
    EXPECT_EQ(SubtreeEnd(items, 0), 200000);
    EXPECT_EQ(ParentIndex(items, 199999), 199998);
    const TMenuShape shape = TMenuShape::FromLevels(items);
    EXPECT_EQ(shape.Depth(199999), 200000);
    EXPECT_EQ(shape.Parent(199999), 199998);
}

TEST(MenuShape, DamagedLevelsHangUnderTheDeepestPossibleParent)
{
    // 4 jumps below B: C goes under B. "x" is no number: E is a main menu item.
    const TMenuShape shape = TMenuShape::FromLevels(WithLevels({"0", "1", "4", "1", "x", "1"}));
    ASSERT_EQ(shape.ItemCount(), 6);
    std::vector<int> parents, depths;
    for (int k = 0; k < shape.ItemCount(); ++k) {
        parents.push_back(shape.Parent(k));
        depths.push_back(shape.Depth(k));
    }
    EXPECT_EQ(parents, (std::vector<int>{TMenuShape::kRoot, 0, 1, 0, TMenuShape::kRoot, 4}));
    EXPECT_EQ(depths, (std::vector<int>{1, 2, 3, 2, 1, 2}));
    EXPECT_EQ(shape.Children(TMenuShape::kRoot), (std::vector<int>{0, 4}));
    EXPECT_EQ(shape.Children(0), (std::vector<int>{1, 3}));
    EXPECT_EQ(shape.IndexInGroup(3), 1);
}

TEST(ItemLevels, NormalisingClampsInOrderAndWritesPlainDecimal)
{
    TItemArray items = WithLevels({"5", "+1", "3", "-2", "01", "-0"});
    EXPECT_EQ(NormalizeItemLevels(items), -1);
    EXPECT_EQ(LevelsOf(items), (std::vector<std::string>{"0", "1", "2", "0", "1", "0"}));

    // A level that is no number is named, and no level changes.
    TItemArray bad = WithLevels({"+0", "7", "1x"});
    EXPECT_EQ(NormalizeItemLevels(bad), 2);
    EXPECT_EQ(LevelsOf(bad), (std::vector<std::string>{"+0", "7", "1x"}));
}

TEST(ItemClipboard, EveryFieldSurvivesAndForeignTextIsRefused)
{
    TItemArray block = CopySubtree(Menu(), 0);
    for (TItemData& item : block) {
        for (int f = 0; f < kItemFieldCount; ++f) {
            if (f != pLevel)
                item[f] = "v" + std::to_string(f) + " \xC3\xA9";
        }
    }
    SetBlockLevel(block, 2);
    const std::optional<TItemArray> back = ItemsFromClipboardText(ItemsClipboardText(block));
    ASSERT_TRUE(back.has_value());
    TItemArray expected = block;
    SetBlockLevel(expected, 0);
    EXPECT_EQ(*back, expected);

    for (const std::string foreign : {std::string(), std::string("just text"), std::string("<Trellimenu_Items>\r\n"),
                                      std::string("<Trellimenu_Items>\r\nA#$@#$@\r\n</Trellimenu_Items>\r\n")}) {
        EXPECT_FALSE(ItemsFromClipboardText(foreign).has_value()) << foreign;
    }
}

TEST(ItemClipboard, StructureTextReadsBackAsTheStructure)
{
    TMenuDocument document;
    document.items = Menu();
    TMenuDocument read;
    ASSERT_EQ(ReadStructureText(StructureFileText(document), read).status, TReadResult::Complete);
    EXPECT_EQ(Captions(read.items), Captions(document.items));
}

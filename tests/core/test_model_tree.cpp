#include <gtest/gtest.h>

#include "model/memorymenutree.h"

namespace {

std::string PreOrder(const TMemoryMenuTree& tree)
{
    std::string out;
    for (int i = 0; i < tree.Count(); ++i)
        out += tree.Text(tree.NodeAt(i));
    return out;
}

}  // namespace

TEST(MemoryMenuTree, IndicesFollowEveryChangeOfShape)
{
    TMemoryMenuTree tree;
    const auto root = tree.AddRoot("R");
    const auto a = tree.AddChild(root, "a");
    const auto b = tree.AddChild(root, "b");
    const auto c = tree.AddChild(root, "c");
    tree.AddChild(a, "x");
    EXPECT_EQ(PreOrder(tree), "Raxbc");
    EXPECT_EQ(tree.AbsoluteIndex(b), 3);

    tree.MoveBefore(a, c);  // forwards: a's subtree lands between b and c
    EXPECT_EQ(PreOrder(tree), "Rbaxc");
    EXPECT_EQ(tree.PrevSibling(a), b);
    EXPECT_EQ(tree.NextSibling(a), c);
    tree.MoveBefore(c, b);  // backwards
    EXPECT_EQ(PreOrder(tree), "Rcbax");
    EXPECT_EQ(tree.Child(root, 0), c);

    tree.DeleteSubtree(a);
    EXPECT_EQ(PreOrder(tree), "Rcb");
    EXPECT_EQ(tree.Count(), 3);
    EXPECT_EQ(tree.NextSibling(b), nullptr);
    EXPECT_EQ(tree.NodeAt(3), nullptr);
    EXPECT_EQ(tree.NodeAt(-1), nullptr);
}

TEST(MemoryMenuTree, MovesBetweenParentsAreIgnored)
{
    TMemoryMenuTree tree;
    const auto root = tree.AddRoot("R");
    const auto a = tree.AddChild(root, "a");
    const auto x = tree.AddChild(a, "x");
    tree.AddChild(root, "b");
    tree.MoveBefore(x, a);
    tree.MoveBefore(root, a);
    EXPECT_EQ(PreOrder(tree), "Raxb");
    EXPECT_EQ(tree.Level(x), 2);
}

TEST(MemoryMenuTree, RootIsSingleAndDeletingItClears)
{
    TMemoryMenuTree tree;
    tree.AddChild(tree.AddRoot("old"), "a");
    tree.AddRoot("new");
    EXPECT_EQ(PreOrder(tree), "new");
    tree.DeleteSubtree(tree.Root());
    EXPECT_EQ(tree.Count(), 0);
    EXPECT_EQ(tree.Root(), nullptr);
}

TEST(MemoryMenuTree, SiblingsAfterADeleteAreTheNodesStillThere)
{
    TMemoryMenuTree tree;
    const auto root = tree.AddRoot("R");
    const auto a = tree.AddChild(root, "a");
    const auto b = tree.AddChild(root, "b");
    const auto c = tree.AddChild(root, "c");
    const auto d = tree.AddChild(root, "d");
    tree.AddChild(b, "x");
    tree.DeleteSubtree(b);
    EXPECT_EQ(tree.NextSibling(a), c);
    EXPECT_EQ(tree.PrevSibling(c), a);
    EXPECT_EQ(tree.NextSibling(c), d);
    EXPECT_EQ(tree.PrevSibling(d), c);
    EXPECT_EQ(tree.Child(root, 1), c);
    // A node added after the delete takes its own place, not the old one's.
    const auto e = tree.AddChild(root, "e");
    EXPECT_EQ(tree.NextSibling(d), e);
    EXPECT_EQ(tree.PrevSibling(e), d);
    EXPECT_EQ(PreOrder(tree), "Racde");
}

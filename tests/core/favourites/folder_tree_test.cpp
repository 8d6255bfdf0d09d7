// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/folder_tree.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace kasumori::favourites {
namespace {

QCollator English() {
  QCollator collator{QLocale(QLocale::English)};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator;
}

// The tree as indented lines: two spaces a level, the root first.
QStringList Outline(const FolderTree& tree, int node = 0, int depth = 0) {
  QStringList lines{QString(depth * 2, u' ') + tree.nodes[node].text};
  for (int child : tree.nodes[node].children) lines += Outline(tree, child, depth + 1);
  return lines;
}

int NodeWithPath(const FolderTree& tree, const QString& path) {
  for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
    if (tree.nodes[i].path == path) return int(i);
  }
  return -1;
}

TEST(FavouritesFolderTree, AnEmptyListIsTheRootAloneAndItIsCurrent) {
  const FolderTree tree = BuildFolderTree({}, "gone", English());
  EXPECT_EQ(Outline(tree), QStringList{"お気に入り"});
  EXPECT_EQ(tree.current, 0);
  EXPECT_EQ(tree.nodes[0].path, "");
}

TEST(FavouritesFolderTree, EveryLevelIsSortedWhateverTheFileOrder) {
  const FolderTree tree =
      BuildFolderTree({"旅行", "b", "A", "旅行\\夏", "旅行\\冬", "A\\z", "A\\Y"}, "", English());
  EXPECT_EQ(Outline(tree), (QStringList{"お気に入り", "  A", "    Y", "    z", "  b", "  旅行",
                                        "    冬", "    夏"}));
}

TEST(FavouritesFolderTree, ALineWhoseParentIsMissingGoesUnderItsDeepestExistingAncestor) {
  struct Case {
    const char* what;
    QStringList lines;
    QStringList outline;
  };
  const Case cases[] = {
      {"a missing top level", {"X\\Y"}, {"お気に入り", "  Y"}},
      {"a missing middle", {"A", "A\\B\\C"}, {"お気に入り", "  A", "    C"}},
      {"a child before its parent", {"A\\B", "A"}, {"お気に入り", "  A", "  B"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Outline(BuildFolderTree(c.lines, "", English())), c.outline) << c.what;
  }
}

TEST(FavouritesFolderTree, PathsJoinTheNodesAboveAndTheCurrentFolderIsFoundByItsPath) {
  const FolderTree tree = BuildFolderTree({"A", "A\\B", "A\\B\\C", "X\\Y"}, "A\\B", English());
  EXPECT_EQ(tree.nodes[tree.current].path, "A\\B");
  EXPECT_EQ(NodeWithPath(tree, "A\\B\\C"), 3);
  // "Y" sits at the top, so its path is "Y" and the line "X\Y" names no node.
  EXPECT_EQ(NodeWithPath(tree, "X\\Y"), -1);
  EXPECT_EQ(BuildFolderTree({"X\\Y"}, "X\\Y", English()).current, 0);
  EXPECT_EQ(BuildFolderTree({"A"}, "B", English()).current, 0);
}

TEST(FavouritesFolderTree, PreviousFolderGoesToTheEarlierSiblingOrElseTheParent) {
  const FolderTree tree = BuildFolderTree({"A", "A\\a1", "B"}, "", English());
  const int a = NodeWithPath(tree, "A");
  const int b = NodeWithPath(tree, "B");
  EXPECT_FALSE(PreviousFolder(tree, 0).has_value());
  const auto fromB = PreviousFolder(tree, b);
  ASSERT_TRUE(fromB.has_value());
  EXPECT_EQ(fromB->node, a) << "the sibling itself, not its last descendant";
  EXPECT_EQ(fromB->collapse, std::vector<int>{b});
  const auto fromA1 = PreviousFolder(tree, NodeWithPath(tree, "A\\a1"));
  ASSERT_TRUE(fromA1.has_value());
  EXPECT_EQ(fromA1->node, a);
  EXPECT_TRUE(fromA1->collapse.empty());
  EXPECT_EQ(PreviousFolder(tree, a)->node, 0);
}

TEST(FavouritesFolderTree, NextFolderGoesDownThenAcrossThenUpFoldingWhatItLeaves) {
  const FolderTree tree = BuildFolderTree({"A", "A\\B", "A\\B\\C", "A\\D", "E"}, "", English());
  const auto at = [&](const char* path) { return NodeWithPath(tree, path); };
  EXPECT_EQ(NextFolder(tree, 0).node, at("A"));
  EXPECT_EQ(NextFolder(tree, at("A")).node, at("A\\B"));
  const FolderStep fromC = NextFolder(tree, at("A\\B\\C"));
  EXPECT_EQ(fromC.node, at("A\\D"));
  EXPECT_EQ(fromC.collapse, std::vector<int>{at("A\\B")});
  const FolderStep fromD = NextFolder(tree, at("A\\D"));
  EXPECT_EQ(fromD.node, at("E"));
  EXPECT_EQ(fromD.collapse, std::vector<int>{at("A")});
  const FolderStep fromE = NextFolder(tree, at("E"));
  EXPECT_EQ(fromE.node, 0) << "the last folder wraps to the root";
  EXPECT_TRUE(fromE.collapse.empty());
}

}  // namespace
}  // namespace kasumori::favourites

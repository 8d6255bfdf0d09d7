// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/folder_tree.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>

namespace kasumori::library {
namespace {

struct TreeFixture {
  TreeFixture() {
    QCollator collator{QLocale(QLocale::English)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    tree.SetCollator(collator);
    tree.SetHooks({.setBusy = [this](bool busy) { busyCalls << busy; },
                   .showMessage = [this](const QStringList& lines) { messages += lines; }});
    root = disk.Folder("root");
  }

  FolderNode* Child(FolderNode* node, const QString& text) {
    for (const auto& child : node->children) {
      if (child->text == text) return child.get();
    }
    return nullptr;
  }

  testkit::TempTree disk;
  FolderTree tree;
  QString root;
  QList<bool> busyCalls;
  QStringList messages;
};

TEST(FolderTree, BuildsSortedLevelsDownToTheCurrentFolderIgnoringCase) {
  TreeFixture f;
  for (const char* folder : {"root/c", "root/A/a1", "root/b/B2/deep/deeper", "root/b/b1/x"}) {
    f.disk.Folder(folder);
  }
  f.disk.File("root/photo.jpg");
  f.disk.File("root/trip.zip");
  f.tree.BuildTree(f.root, f.root + "/B/b2");

  FolderNode* top = f.tree.Root();
  EXPECT_EQ(top->text, "root");
  EXPECT_EQ(top->ChildTexts(), (QStringList{"A", "b", "c"}));  // files are never nodes
  // The level below the root's children is loaded so that they show expand buttons.
  EXPECT_EQ(f.Child(top, "A")->ChildTexts(), QStringList{"a1"});
  EXPECT_TRUE(f.Child(f.Child(top, "A"), "a1")->children.empty());
  FolderNode* b = f.Child(top, "b");
  EXPECT_EQ(b->ChildTexts(), (QStringList{"b1", "B2"}));
  FolderNode* b2 = f.Child(b, "B2");
  EXPECT_EQ(b2->ChildTexts(), QStringList{"deep"});
  EXPECT_EQ(f.Child(b2, "deep")->ChildTexts(), QStringList{"deeper"});

  EXPECT_EQ(f.tree.Selected(), b2);
  EXPECT_EQ(f.tree.FolderOf(*b2), f.root + "/b/B2");  // the names as they are on disk
  EXPECT_TRUE(b2->expanded && b->expanded && top->expanded);
  EXPECT_FALSE(f.Child(top, "A")->expanded);
  EXPECT_EQ(f.busyCalls, (QList<bool>{true, false}));
}

TEST(FolderTree, AMissingCurrentFolderLeavesTheDeepestFolderThatExists) {
  TreeFixture f;
  f.disk.Folder("root/b/gone");
  f.disk.Folder("root/gone");
  f.tree.BuildTree(f.root, f.root + "/b/gone/x");
  EXPECT_EQ(f.tree.FolderOf(*f.tree.Selected()), f.root + "/b/gone");
  f.tree.BuildTree(f.root, f.root + "/nothing/gone");
  // The walk stops at the first missing name instead of looking for the next one higher up.
  EXPECT_EQ(f.tree.Selected(), f.tree.Root());
  f.tree.BuildTree(f.root, "/elsewhere/b");
  EXPECT_EQ(f.tree.Selected(), f.tree.Root());
}

TEST(FolderTree, ReloadNodeShowsFoldersMadeSinceAndTheRootStandsForItself) {
  TreeFixture f;
  f.disk.Folder("root/a");
  f.tree.BuildTree(f.root, f.root);
  FolderNode* a = f.Child(f.tree.Root(), "a");
  EXPECT_TRUE(a->children.empty());
  f.disk.Folder("root/a/new/inner");
  f.tree.TreeClickConsumed = true;
  f.tree.ReloadNode(f.root + "/a", *a, f.root + "/a");
  EXPECT_EQ(a->ChildTexts(), QStringList{"new"});
  EXPECT_EQ(f.Child(a, "new")->ChildTexts(), QStringList{"inner"});
  EXPECT_TRUE(a->expanded);
  EXPECT_FALSE(f.tree.TreeClickConsumed);
  EXPECT_EQ(f.tree.FolderOf(*f.tree.Root()), f.root);
  EXPECT_EQ(LastComponent("/"), "/");
}

class FakeArchives final : public ArchiveLister {
 public:
  std::optional<QStringList> EntryNames(const QString&) override { return entries; }
  std::optional<QStringList> entries;
};

TEST(FolderTree, AFolderInsideAZipGetsAnArchiveNodeAndItsInnerFolders) {
  TreeFixture f;
  FakeArchives archives;
  archives.entries =
      QStringList{"top.jpg", "day2/a.jpg", "day1/", "day1/b.jpg", "day1/am/c.jpg", "day2/b.jpg"};
  f.tree.SetArchiveLister(&archives);
  f.disk.Folder("root/z");
  f.disk.File("root/trip.zip");
  f.tree.BuildTree(f.root, f.root + "/trip.zip/day1");

  FolderNode* zip = f.Child(f.tree.Root(), "trip.zip");
  ASSERT_NE(zip, nullptr);
  EXPECT_EQ(f.tree.Root()->ChildTexts(), (QStringList{"trip.zip", "z"}));
  EXPECT_EQ(zip->kind, NodeKind::Archive);
  EXPECT_EQ(zip->ChildTexts(), (QStringList{"day1", "day2"}));
  FolderNode* day1 = f.Child(zip, "day1");
  // Files of the inner folder are not folders: only "am" is a child.
  EXPECT_EQ(day1->ChildTexts(), QStringList{"am"});
  EXPECT_EQ(day1->kind, NodeKind::Folder);
  EXPECT_EQ(f.tree.Selected(), day1);
  EXPECT_EQ(f.tree.FolderOf(*day1), f.root + "/trip.zip/day1");
  EXPECT_TRUE(f.messages.isEmpty());
}

TEST(FolderTree, AnArchiveThatDoesNotOpenIsReportedInOneLine) {
  TreeFixture f;
  FakeArchives archives;  // opens nothing
  f.tree.SetArchiveLister(&archives);
  f.disk.File("root/broken.zip");
  f.tree.BuildTree(f.root, f.root + "/broken.zip");
  EXPECT_EQ(f.messages, (QStringList{"ファイル「broken.zip」は、ZIP圧縮ファイルではないようです。",
                                     "もしくは、ファイルが壊れている可能性があります。"}));
  EXPECT_TRUE(f.Child(f.tree.Root(), "broken.zip")->children.empty());
}

}  // namespace
}  // namespace kasumori::library

namespace kasumori::library {
namespace {

TEST(FolderTree, OnlyVisibleFoldersAndLinksToFoldersBecomeNodes) {
  TreeFixture f;
  f.disk.Folder("root/Visible");
  f.disk.Folder("root/.thumbnails");
  f.disk.File("root/photo.jpg");
  f.disk.Folder("elsewhere/Linked");
  ASSERT_TRUE(QFile::link(f.disk.Path("elsewhere/Linked"), f.disk.Path("root/Shortcut")));
  ASSERT_TRUE(QFile::link(f.disk.Path("root/photo.jpg"), f.disk.Path("root/to-a-file")));
  ASSERT_TRUE(QFile::link(f.disk.Path("gone"), f.disk.Path("root/dangling")));
  f.tree.BuildTree(f.root, f.root);
  QStringList texts;
  for (const auto& child : f.tree.Root()->children) texts << child->text;
  EXPECT_EQ(texts, (QStringList{"Shortcut", "Visible"}));
}

}  // namespace
}  // namespace kasumori::library

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/list_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace kasumori::library {
namespace {

struct SlotFixture : ListFixture {
  SlotFixture() {
    settings.PhotoFolder1 = tree.Folder("root");
    folders.CurrentSlot = 1;
    folders.CurrentFolder = tree.Folder("root/day");
    folders.SlotCurrentFolder[0] = folders.CurrentFolder;
    for (const char* name : {"root/day/a.jpg", "root/day/b.jpg", "root/day/c.jpg"}) {
      tree.File(name);
    }
    controller.ScanFolder();
  }
};

TEST(RefreshFolder, AnUnchangedFolderIsNotRescanned) {
  SlotFixture f;
  f.tree.File("root/day/a_jpg.ksm");  // a record hides its photo: still the same list after
  f.tree.File("root/day/notes.txt");
  f.controller.ScanFolder();
  f.list->CurrentIndex = 2;
  const int resets = f.resets;
  f.controller.RefreshFolder();
  EXPECT_EQ(f.resets, resets);
  EXPECT_EQ(f.stripRedraws, 0);
  EXPECT_EQ(f.list->CurrentIndex, 2);
  EXPECT_EQ(f.treeFolder, f.folders.CurrentFolder);
}

TEST(RefreshFolder, ANewPhotoRescansAndKeepsTheCurrentPhoto) {
  SlotFixture f;
  f.list->CurrentIndex = 2;  // b.jpg
  f.tree.File("root/day/0.jpg");
  f.controller.RefreshFolder();
  EXPECT_EQ(f.Names(), (QStringList{"0.jpg", "a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(f.list->CurrentIndex, 3);
  EXPECT_EQ(f.folders.SlotPosition[0], 3);
  EXPECT_EQ(f.stripRedraws, 1);
}

TEST(RefreshFolder, AVanishedCurrentPhotoLeavesTheLastOne) {
  SlotFixture f;
  f.list->CurrentIndex = 1;
  QFile::remove(f.tree.Path("root/day/a.jpg"));
  f.controller.RefreshFolder();
  EXPECT_EQ(f.Names(), (QStringList{"b.jpg", "c.jpg"}));
  EXPECT_EQ(f.list->CurrentIndex, 2);
}

TEST(RefreshFolder, AVanishedFolderFallsBackToTheSlotRootOrToNothing) {
  SlotFixture f;
  f.tree.File("root/top.jpg");
  QDir(f.tree.Path("root/day")).removeRecursively();
  f.controller.RefreshFolder();
  EXPECT_EQ(f.folders.CurrentFolder, f.settings.PhotoFolder1);
  EXPECT_EQ(f.folders.SlotCurrentFolder[0], f.settings.PhotoFolder1);
  EXPECT_EQ(f.treeFolder, f.settings.PhotoFolder1);
  EXPECT_EQ(f.Names(), (QStringList{"top.jpg"}));
  EXPECT_EQ(f.list->CurrentIndex, 1);

  f.folders.CurrentSlot = 0;
  f.folders.CurrentFolder = f.tree.Path("elsewhere");
  f.controller.RefreshFolder();
  EXPECT_EQ(f.folders.CurrentFolder, "");
  EXPECT_EQ(f.list->PhotoCount, 0);
  EXPECT_EQ(f.list->CurrentIndex, 0);
}

TEST(RefreshFolder, AFolderInsideAnArchiveOnlyRebuildsTheTree) {
  SlotFixture f;
  f.folders.CurrentFolder = f.tree.File("root/trip.zip") + "/day1";
  f.list->CurrentIndex = 2;
  f.controller.RefreshFolder();
  EXPECT_EQ(f.treeFolder, f.folders.CurrentFolder);
  EXPECT_EQ(f.list->PhotoCount, 3);
  EXPECT_EQ(f.stripRedraws, 0);
}

TEST(OrderCommands, SaveRescanAndRememberThePosition) {
  SlotFixture f;
  f.controller.SetListDirection(ListDirection::RightToLeft);
  EXPECT_EQ(f.settings.ListDirection, ListDirection::RightToLeft);
  EXPECT_EQ(f.Names(), (QStringList{"c.jpg", "b.jpg", "a.jpg"}));
  EXPECT_EQ(f.list->CurrentIndex, 3);
  EXPECT_EQ(f.folders.SlotPosition[0], 3);
  EXPECT_EQ(f.saves, 1);
  EXPECT_EQ(f.stripRedraws, 1);
  EXPECT_EQ(f.watched, f.settings.PhotoFolder1);  // a slot's whole tree is watched

  f.controller.SetSortOrder(SortOrder::FileDate);
  EXPECT_EQ(f.settings.SortOrder, SortOrder::FileDate);
  EXPECT_EQ(f.saves, 2);
}

TEST(OrderCommands, DoNothingWhenNotReady) {
  SlotFixture f;
  f.uiReady = false;
  f.controller.SetSortOrder(SortOrder::FileDate);
  f.controller.SetListDirection(ListDirection::RightToLeft);
  EXPECT_EQ(f.settings.SortOrder, SortOrder::FileName);
  EXPECT_EQ(f.settings.ListDirection, ListDirection::LeftToRight);
  EXPECT_EQ(f.saves, 0);
}

}  // namespace
}  // namespace kasumori::library

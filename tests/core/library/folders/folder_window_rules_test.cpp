// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/folder_window_rules.h"

#include "core/library/folders/folder_fixture.h"

#include <gtest/gtest.h>

namespace kasumori::library {
namespace {

struct WindowFixture : PanelFixture {
  WindowFixture() {
    disk.File("root/trip/a.jpg");
    disk.Folder("root/other");
    rootPath = UseSlotOne();
    trip = rootPath + "/trip";
    folders.CurrentFolder = folders.SlotCurrentFolder[0] = trip;
    panel.BuildSlotTree(1);
  }
  QString rootPath;
  QString trip;
};

TEST(RenameFolder, ForbiddenCharactersAreRefusedWithOneLine) {
  WindowFixture f;
  for (const char* name : {"a\\b", "a/b", "a:", "*", "?x", "\"q\"", "<", ">", "a|b"}) {
    f.dialogs.Clear();
    EXPECT_EQ(RenameFolder(f.panel, f.trip, name), FolderRenameOutcome::BadName) << name;
    EXPECT_EQ(f.dialogs.LastText(), "フォルダ名に「\\/:*?\"<>|」の文字は使用できません。");
  }
  EXPECT_TRUE(f.disk.Exists("root/trip/a.jpg"));
  EXPECT_FALSE(f.folders.IgnoreNextChange);
}

TEST(RenameFolder, TheSameNameClosesWithoutTouchingAnything) {
  WindowFixture f;
  EXPECT_EQ(RenameFolder(f.panel, f.trip, "trip"), FolderRenameOutcome::Unchanged);
  EXPECT_TRUE(f.dialogs.Records().empty());
  EXPECT_FALSE(f.folders.IgnoreNextChange);
}

TEST(RenameFolder, ASiblingsNameInAnyCaseIsTakenAndNothingIsReplaced) {
  WindowFixture f;
  EXPECT_EQ(RenameFolder(f.panel, f.trip, "OTHER"), FolderRenameOutcome::NameTaken);
  EXPECT_EQ(f.dialogs.LastText(),
            "フォルダ名「OTHER」は\nすでに存在していますので、フォルダ名を変更できません。");
  EXPECT_TRUE(f.disk.Exists("root/trip/a.jpg"));
  EXPECT_TRUE(f.disk.Exists("root/other"));
}

TEST(RenameFolder, RenamedInPlaceWithItsContentsAndEverythingFollows) {
  WindowFixture f;
  f.disk.Folder("root/trip/day");
  f.folders.SlotCurrentFolder[1] = f.trip + "/day";
  QStringList moved;
  FolderRenameHooks hooks{
      .renameThumbnailCache = [&](const QString& a, const QString& b) { moved << a << b; },
      .renameFavouritePaths = [&](const QString& a, const QString& b) { moved << a << b; },
      .followShownPhoto = [&](const QString& a, const QString& b) { moved << a << b; }};
  EXPECT_EQ(RenameFolder(f.panel, f.trip, "旅行", hooks), FolderRenameOutcome::Renamed);
  const QString renamed = f.rootPath + "/旅行";
  EXPECT_TRUE(f.disk.Exists("root/旅行/a.jpg"));
  EXPECT_FALSE(f.disk.Exists("root/trip"));
  EXPECT_EQ(f.folders.CurrentFolder, renamed);
  EXPECT_EQ(f.folders.SlotCurrentFolder[0], renamed);
  EXPECT_EQ(f.folders.SlotCurrentFolder[1], renamed + "/day");
  EXPECT_EQ(f.Selected(), renamed);
  EXPECT_EQ(moved, (QStringList{f.trip, renamed, f.trip, renamed, f.trip, renamed}));
  EXPECT_TRUE(f.folders.IgnoreNextChange);
  EXPECT_EQ(f.saves, 0);  // no root moved

  // A change of letter case only is a rename, not a clash with itself.
  EXPECT_EQ(RenameFolder(f.panel, f.rootPath + "/other", "Other"), FolderRenameOutcome::Renamed);
  EXPECT_TRUE(f.disk.Exists("root/Other"));
}

TEST(RenameFolder, RenamingTheRootMovesTheSlotAndSavesTheSettings) {
  WindowFixture f;
  EXPECT_EQ(RenameFolder(f.panel, f.rootPath, "photos"), FolderRenameOutcome::Renamed);
  EXPECT_EQ(f.settings.PhotoFolder1, f.disk.Path("photos"));
  EXPECT_EQ(f.folders.CurrentFolder, f.disk.Path("photos/trip"));
  EXPECT_EQ(f.saves, 1);
  EXPECT_EQ(f.tree.Root()->text, "photos");
}

TEST(RenameFolder, AFailedRenameIsReportedAndChangesNothing) {
  WindowFixture f;
  EXPECT_EQ(RenameFolder(f.panel, f.rootPath + "/vanished", "new"), FolderRenameOutcome::Failed);
  EXPECT_EQ(f.dialogs.LastText(), "ハード的なエラーが原因で\nフォルダ名を変更できませんでした。");
  EXPECT_EQ(f.folders.CurrentFolder, f.trip);
  EXPECT_FALSE(f.folders.IgnoreNextChange);
}

TEST(RenameInPlace, NeverReplacesAnEmptyFolderOrAFile) {
  WindowFixture f;
  f.disk.Folder("root/empty");
  f.disk.File("root/file.txt");
  EXPECT_FALSE(RenameInPlace(f.trip, f.rootPath + "/empty"));
  EXPECT_FALSE(RenameInPlace(f.trip, f.rootPath + "/file.txt"));
  EXPECT_TRUE(f.disk.Exists("root/trip/a.jpg"));
  EXPECT_TRUE(f.disk.Exists("root/empty"));
}

TEST(DeleteEmptyFolder, OnlyAnEmptyFolderBelowTheRootGoes) {
  WindowFixture f;
  EXPECT_FALSE(DeleteEmptyFolder(f.panel, f.rootPath));
  EXPECT_EQ(f.dialogs.LastText(), "ルートフォルダは削除できません。");

  EXPECT_FALSE(DeleteEmptyFolder(f.panel, f.trip));
  EXPECT_EQ(
      f.dialogs.LastText(),
      "フォルダが空でないか\nもしくはハード的なエラーのため\nフォルダを削除できませんでした。");
  EXPECT_TRUE(f.disk.Exists("root/trip/a.jpg"));
  EXPECT_FALSE(f.folders.IgnoreNextChange);

  f.disk.File("root/other/.hidden");
  EXPECT_FALSE(DeleteEmptyFolder(f.panel, f.rootPath + "/other"));  // hidden files count
  QFile::remove(f.disk.Path("root/other/.hidden"));
  f.folders.CurrentFolder = f.rootPath + "/other";
  const int scans = f.scans;
  EXPECT_TRUE(DeleteEmptyFolder(f.panel, f.rootPath + "/other"));
  EXPECT_FALSE(f.disk.Exists("root/other"));
  EXPECT_EQ(f.folders.CurrentFolder, f.rootPath);
  EXPECT_EQ(f.folders.SlotCurrentFolder[0], f.rootPath);
  EXPECT_EQ(f.scans, scans + 1);
  EXPECT_EQ(f.tree.Root()->ChildTexts(), QStringList{"trip"});
  EXPECT_TRUE(f.folders.IgnoreNextChange);
}

TEST(FolderWindowPosition, BelowThePointerButInsideScreenAndMainWindow) {
  const QRect screen(0, 0, 1000, 800);
  const QRect main(100, 50, 600, 500);  // right edge 700, bottom edge 550
  const QSize window(237, 154);
  EXPECT_EQ(FolderWindowPosition({200, 100}, window, screen, main), QPoint(200, 106));
  EXPECT_EQ(FolderWindowPosition({600, 500}, window, screen, main), QPoint(463, 396));
  EXPECT_EQ(FolderWindowPosition({5, 790}, window, screen, QRect(0, 0, 1000, 800)), QPoint(5, 646));
}

TEST(MakeNewFolder, MakesItOnceAndThenReportsTheName) {
  WindowFixture f;
  const auto made = MakeNewFolder(f.panel, f.trip);
  ASSERT_TRUE(made);
  EXPECT_EQ(*made, f.trip + "/新しいフォルダ");
  EXPECT_TRUE(f.disk.Exists("root/trip/新しいフォルダ"));
  // Only the slot root is watched: a change below it brings no report to swallow.
  EXPECT_FALSE(f.folders.IgnoreNextChange);
  ASSERT_TRUE(MakeNewFolder(f.panel, f.rootPath));
  EXPECT_TRUE(f.folders.IgnoreNextChange);
  EXPECT_EQ(f.tree.Selected()->ChildTexts(), QStringList{"新しいフォルダ"});

  EXPECT_FALSE(MakeNewFolder(f.panel, f.trip));
  EXPECT_EQ(
      f.dialogs.LastText(),
      "フォルダ名「新しいフォルダ」が\nすでに存在していますので\n新しいフォルダは作成できません。");

  EXPECT_FALSE(MakeNewFolder(f.panel, f.rootPath + "/vanished"));
  EXPECT_EQ(f.dialogs.LastText(),
            "ハード的なエラーが原因で\n新しいフォルダを作成できませんでした。");
}

}  // namespace
}  // namespace kasumori::library

namespace kasumori::library {
namespace {

TEST(RebasedPath, OnlyTheRenamedFolderAndWhatLiesInsideItMove) {
  EXPECT_EQ(RebasedPath("/p/Trip", "/p/Trip", "/p/Tour"), "/p/Tour");
  EXPECT_EQ(RebasedPath("/p/Trip/day1", "/p/Trip", "/p/Tour"), "/p/Tour/day1");
  EXPECT_EQ(RebasedPath("/p/Trip2", "/p/Trip", "/p/Tour"), std::nullopt);
  EXPECT_EQ(RebasedPath("/p/trip", "/p/Trip", "/p/Tour"), std::nullopt) << "another folder";
}

}  // namespace
}  // namespace kasumori::library

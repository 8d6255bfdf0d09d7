// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/folders/folder_fixture.h"

#include <gtest/gtest.h>

#include <QDir>

namespace kasumori::library {
namespace {

// root ─ a ─ a1, a2 ; b ; c ─ c1 ─ x
struct WalkFixture : PanelFixture {
  WalkFixture() {
    for (const char* folder : {"root/a/a1", "root/a/a2", "root/b", "root/c/c1/x"}) {
      disk.Folder(folder);
    }
    rootPath = UseSlotOne();
  }
  QString Relative(const QString& folder) const {
    return folder == rootPath ? "." : folder.mid(rootPath.size() + 1);
  }
  QStringList Walk(void (FolderPanel::*step)(), int steps) {
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
      (panel.*step)();
      visited << Relative(folders.CurrentFolder);
    }
    return visited;
  }
  QString rootPath;
};

TEST(FolderWalk, NextFolderGoesDepthFirstAndClimbsBackToTheRoot) {
  WalkFixture f;
  EXPECT_EQ(f.Walk(&FolderPanel::NextFolder, 9),
            (QStringList{"a", "a/a1", "a/a2", "b", "c", "c/c1", "c/c1/x", ".", "a"}));
  EXPECT_EQ(f.scans, 1 + 9);  // every step lists its folder
}

TEST(FolderWalk, PreviousFolderTakesThePreviousSiblingOrTheParentAndStopsAtTheRoot) {
  WalkFixture f;
  f.folders.CurrentFolder = f.rootPath + "/c/c1/x";
  f.panel.BuildSlotTree(1);
  ASSERT_EQ(f.Selected(), f.folders.CurrentFolder);
  EXPECT_EQ(f.Walk(&FolderPanel::PreviousFolder, 6),
            (QStringList{"c/c1", "c", "b", "a", ".", "."}));

  f.folders.CurrentFolder = f.rootPath + "/a/a2";
  f.panel.BuildSlotTree(1);
  FolderNode* a2 = f.tree.Selected();
  f.panel.PreviousFolder();
  EXPECT_EQ(f.Relative(f.folders.CurrentFolder), "a/a1");
  EXPECT_FALSE(a2->expanded);
}

TEST(FolderWalk, TheClimbFoldsTheLevelsItLeaves) {
  WalkFixture f;
  f.folders.CurrentFolder = f.rootPath + "/a/a2";
  f.panel.BuildSlotTree(1);
  FolderNode* a = f.tree.Selected()->parent;
  ASSERT_TRUE(a->expanded);
  f.panel.NextFolder();
  EXPECT_EQ(f.Relative(f.folders.CurrentFolder), "b");
  EXPECT_FALSE(a->expanded);
}

TEST(FolderWalk, NothingMovesWithoutASlotRoot) {
  WalkFixture f;
  f.folders.CurrentSlot = 0;
  const QString before = f.folders.CurrentFolder;
  f.panel.NextFolder();
  f.panel.PreviousFolder();
  EXPECT_EQ(f.folders.CurrentFolder, before);
}

TEST(SelectNode, ListsANewFolderOnceAndResetsTheSlotPosition) {
  WalkFixture f;
  f.folders.SlotPosition[0] = 4;
  const int scans = f.scans;
  f.panel.SelectNode(*f.tree.Root());  // already current
  EXPECT_EQ(f.scans, scans);
  EXPECT_EQ(f.stripClears, 0);

  FolderNode* b = f.tree.Root()->children[1].get();
  f.panel.SelectNode(*b);
  EXPECT_EQ(f.scans, scans + 1);
  EXPECT_EQ(f.folders.CurrentFolder, f.rootPath + "/b");
  EXPECT_EQ(f.folders.SlotCurrentFolder[0], f.rootPath + "/b");
  EXPECT_EQ(f.folders.SlotPosition[0], 1);
  EXPECT_EQ(f.stripClears, 1);
}

TEST(SelectNode, TheExpandButtonListsWithoutReloadingAndSwallowsItsMouseDown) {
  WalkFixture f;
  FolderNode* b = f.tree.Root()->children[1].get();
  f.disk.Folder("root/b/new");
  f.panel.OnTreeButton(*b);
  EXPECT_EQ(f.folders.CurrentFolder, f.rootPath + "/b");
  EXPECT_TRUE(b->children.empty());
  EXPECT_TRUE(f.tree.TreeClickConsumed);

  const int scans = f.scans;
  FolderNode* a = f.tree.Root()->children[0].get();
  EXPECT_FALSE(f.panel.OnTreeMouseDown(a, false));  // the button's own mouse-down
  EXPECT_EQ(f.scans, scans);
  EXPECT_FALSE(f.tree.TreeClickConsumed);

  f.panel.OnTreeMouseDown(a, false);
  f.panel.OnTreeMouseDown(b, false);
  EXPECT_EQ(b->ChildTexts(), QStringList{"new"});
  EXPECT_EQ(f.scans, scans + 2);
}

TEST(SelectNode, ARightClickOnAFolderAsksForTheFolderWindow) {
  WalkFixture f;
  FolderNode* b = f.tree.Root()->children[1].get();
  EXPECT_TRUE(f.panel.OnTreeMouseDown(b, true));
  EXPECT_FALSE(f.panel.OnTreeMouseDown(nullptr, true));
}

TEST(BuildSlotTree, AVanishedRootIsReportedAndCleared) {
  PanelFixture f;
  f.settings.PhotoFolder2 = f.disk.Path("gone");
  f.folders.SlotCurrentFolder[1] = f.disk.Path("gone/sub");
  f.folders.CurrentSlot = 2;
  f.folders.CurrentFolder = f.disk.Path("gone/sub");
  f.panel.BuildSlotTree(2);
  EXPECT_EQ(f.dialogs.LastText(),
            "設定されているフォルダが見つかりませんでした。\nこのフォルダの設定を解除しました。");
  EXPECT_EQ(f.settings.PhotoFolder2, "");
  EXPECT_EQ(f.folders.SlotCurrentFolder[1], "");
  EXPECT_EQ(f.folders.CurrentFolder, "");
  EXPECT_EQ(f.labelUpdates, 1);
  EXPECT_EQ(f.saves, 0);  // written with the next save
  EXPECT_TRUE(f.tree.Empty());
}

TEST(SelectSlot, RestoresThePositionLoweredToThePhotoCount) {
  PanelFixture f;
  f.photosPerScan = 3;
  f.folders.SlotPosition[0] = 7;
  f.UseSlotOne();
  EXPECT_EQ(f.radio, 1);
  EXPECT_EQ(f.list.CurrentIndex, 3);
  EXPECT_EQ(f.folders.SlotPosition[0], 3);
  EXPECT_EQ(f.stripRedraws, 1);
  EXPECT_EQ(f.tree.Root()->text, "root");
}

TEST(SelectSlot, ASlotFolderDeletedBehindTheProgramGivesWayToTheRoot) {
  PanelFixture f;
  const QString root = f.UseSlotOne();
  f.folders.SlotCurrentFolder[0] = f.disk.Folder("root/day");
  QDir(f.disk.Path("root/day")).removeRecursively();
  f.panel.SelectSlot(1);
  EXPECT_EQ(f.folders.CurrentFolder, root);
  EXPECT_EQ(f.folders.SlotCurrentFolder[0], root);
  EXPECT_EQ(f.Selected(), root);
}

TEST(SelectSlot, ARunningSlideshowIsOnlyStopped) {
  PanelFixture f;
  bool running = true;
  FolderPanelHooks hooks = f.Hooks();
  hooks.slideshowActive = [&] { return running; };
  hooks.stopSlideshow = [&] { running = false; };
  FolderPanel panel(f.settings, f.folders, f.list, f.tree, f.dialogs, f.picker, "", hooks);
  f.settings.PhotoFolder1 = f.disk.Folder("root");
  panel.SelectSlot(1);
  EXPECT_FALSE(running);
  EXPECT_EQ(f.scans, 0);
  EXPECT_EQ(f.folders.CurrentSlot, 0);
}

TEST(SetSlotFolder, APickedFolderBecomesTheRootAndIsSelected) {
  PanelFixture f;
  f.settings.PhotoFolder2 = f.disk.Folder("Desktop");
  f.folders.SlotPosition[1] = 5;
  f.picker.answers.push_back(f.disk.Folder("new") + "/");
  f.panel.SetSlotFolder(2);
  EXPECT_EQ(f.picker.titles, QStringList{"「写真のあるフォルダ(2)」を設定"});
  EXPECT_EQ(f.picker.starts, QStringList{""});  // the desktop folder gives no start
  EXPECT_EQ(f.settings.PhotoFolder2, f.disk.Path("new"));
  EXPECT_EQ(f.saves, 1);
  EXPECT_EQ(f.detached, 2);
  EXPECT_EQ(f.folders.CurrentSlot, 2);
  EXPECT_EQ(f.folders.CurrentFolder, f.disk.Path("new"));
  EXPECT_EQ(f.folders.SlotPosition[1], 0);  // lowered to the empty list
  EXPECT_EQ(f.scans, 1);
  EXPECT_EQ(PickerStart("/mnt/c:", ""), "/mnt/c:/");
}

TEST(SetSlotFolder, CancellingAsksToClearAndOnlyTheCheckedSlotIsReselected) {
  PanelFixture f;
  f.UseSlotOne();
  f.settings.PhotoFolder3 = f.disk.Folder("three");
  const int scans = f.scans;

  f.panel.SetSlotFolder(3);  // answered no
  EXPECT_EQ(f.dialogs.LastText(),
            "「写真のあるフォルダ(3)」の設定を解除しますか？\n"
            "（サムネイル画像のキャッシュもクリアされます）");
  EXPECT_EQ(f.settings.PhotoFolder3, f.disk.Path("three"));

  f.dialogs.Answer(1);
  f.panel.SetSlotFolder(3);  // not the checked slot: the list stays
  EXPECT_EQ(f.settings.PhotoFolder3, "");
  EXPECT_EQ(f.saves, 1);
  EXPECT_EQ(f.scans, scans);
  EXPECT_FALSE(f.tree.Empty());

  f.dialogs.Answer(1);
  f.panel.SetSlotFolder(1);
  EXPECT_EQ(f.settings.PhotoFolder1, "");
  EXPECT_EQ(f.scans, scans + 1);
  EXPECT_EQ(f.folders.CurrentFolder, "");
  EXPECT_TRUE(f.tree.Empty());

  f.dialogs.Clear();
  f.panel.SetSlotFolder(1);  // nothing to clear: no question
  EXPECT_TRUE(f.dialogs.Records().empty());
}

TEST(ChooseOtherFolder, APickLeavesTheSlotsAndEmptiesTheTree) {
  PanelFixture f;
  f.UseSlotOne();
  f.folders.OtherFolder = f.disk.Folder("other");
  f.panel.ChooseOtherFolder();  // cancelled
  EXPECT_EQ(f.folders.CurrentSlot, 1);
  EXPECT_EQ(f.picker.titles, QStringList{"「写真を開くフォルダ」を設定"});
  EXPECT_EQ(f.picker.starts, QStringList{f.disk.Path("other")});

  f.picker.answers.push_back(f.disk.Folder("else") + "/");
  f.panel.ChooseOtherFolder();
  EXPECT_EQ(f.folders.CurrentFolder, f.disk.Path("else"));
  EXPECT_EQ(f.folders.OtherFolder, f.disk.Path("else"));
  EXPECT_EQ(f.folders.CurrentSlot, 0);
  EXPECT_EQ(f.radio, 0);
  EXPECT_TRUE(f.tree.Empty());
  EXPECT_EQ(f.scanned.back(), f.disk.Path("else"));
}

TEST(ShowFolderOf, APhotosFolderPicksItsSlotOrBecomesTheOtherFolder) {
  PanelFixture f;
  f.settings.PhotoFolder2 = f.disk.Folder("root");
  f.disk.Folder("root/day");
  f.panel.ShowFolderOf(f.disk.Path("root/day"));
  EXPECT_EQ(f.folders.CurrentSlot, 2);
  EXPECT_EQ(f.radio, 2);
  EXPECT_EQ(f.Selected(), f.disk.Path("root/day"));
  f.panel.ShowFolderOf(f.disk.Folder("rootless"));
  EXPECT_EQ(f.folders.CurrentSlot, 0);
  EXPECT_EQ(f.folders.OtherFolder, f.disk.Path("rootless"));
  EXPECT_TRUE(f.tree.Empty());
}

}  // namespace
}  // namespace kasumori::library

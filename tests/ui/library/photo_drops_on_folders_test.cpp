// SPDX-License-Identifier: GPL-3.0-or-later
// Strip photos and the shown photo dropped on folder-tree nodes, over real folders. Each test
// looks for a way to lose a photo or one of its companions, or to leave the list, the strip or
// the display describing files that are no longer where they say.
#include "support/read_only_folder.h"
#include "ui/library/photo_moves_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTreeWidget>

namespace kasumori::ui {
namespace {

using DropPhotoOnNodeTest = PhotoMovesWindowTest;

TEST_F(DropPhotoOnNodeTest, OntoItsOwnFolderNothingMovesFromTheStripOrTheView) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-001.ksm", Record("first"));
  Photo("P2.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  const QStringList before = Listed(*form);
  DropFromStrip(*form, "P1.jpg", "Pictures");
  DropFromView(*form, "Pictures");
  ASSERT_EQ(dialogs.Records().size(), 2u);
  EXPECT_EQ(dialogs.Text(0), "移動元と移動先のフォルダが同じです。");
  EXPECT_EQ(dialogs.Text(1), "移動元と移動先のフォルダが同じです。");
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_EQ(Bytes("P1_jpg-001.ksm"), Record("first"));
  EXPECT_EQ(Listed(*form), before);
  EXPECT_EQ(ShownName(*form), "P1.jpg");
  EXPECT_FALSE(form->Folders().IgnoreNextChange);
}

TEST_F(DropPhotoOnNodeTest, ADestinationHoldingTheNameKeepsBothPhotos) {
  const QByteArray mine = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-001.ksm", Record("my record"));
  const QByteArray theirs = Photo("Keep/P1.jpg", 2);
  tree.File("home/Pictures/Keep/P1_jpg-001.ksm", Record("their record"));
  Photo("P2.jpg", 3);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  DropFromStrip(*form, "P1.jpg", "Keep");
  DropFromView(*form, "Keep");
  ASSERT_EQ(dialogs.Records().size(), 2u);
  for (std::size_t i : {0u, 1u}) {
    EXPECT_EQ(dialogs.Text(i),
              "移動先に、すでに同名のファイルが存在\nしていますので、移動できませんでした。");
  }
  EXPECT_EQ(Bytes("P1.jpg"), mine);
  EXPECT_EQ(Bytes("P1_jpg-001.ksm"), Record("my record"));
  EXPECT_EQ(Bytes("Keep/P1.jpg"), theirs);
  EXPECT_EQ(Bytes("Keep/P1_jpg-001.ksm"), Record("their record"));
  EXPECT_EQ(ShownName(*form), "P1.jpg");
}

TEST_F(DropPhotoOnNodeTest, ADestinationHoldingTheNameInOtherCaseKeepsItsPhotoListed) {
  const QByteArray mine = Photo("IMG.jpg", 1);
  tree.File("home/Pictures/IMG_jpg.ksm", Record("my record"));  // listed in place of IMG.jpg
  const QByteArray theirs = Photo("Keep/img.JPG", 2);
  auto form = Open();
  ASSERT_EQ(Listed(*form), QStringList{"IMG_jpg.ksm"});
  dialogs.Answer(1);  // the record goes with its photo
  DropFromStrip(*form, "IMG_jpg.ksm", "Keep");
  EXPECT_EQ(Bytes("Keep/img.JPG"), theirs);
  ClickNode(*form, "Keep");
  // Moved or refused, the photo already there must not end up behind the other one's record.
  EXPECT_TRUE(Listed(*form).contains("img.JPG")) << Listed(*form).join(',').toStdString();
  EXPECT_EQ(Bytes(Has("IMG.jpg") ? "IMG.jpg" : "Keep/IMG.jpg"), mine);
}

TEST_F(DropPhotoOnNodeTest, AReadOnlyDestinationKeepsThePhotoWithEverythingItHas) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-001.ksm", Record("first"));
  Photo("P2.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTest::keyClick(form.get(), Qt::Key_2);
  ASSERT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  testkit::ReadOnlyFolder keep(Pictures("Keep"));
  if (!keep.Held()) GTEST_SKIP() << keep.Why().toStdString();
  DropFromView(*form, "Keep");
  dialogs.Answer(1);  // the record is to go with its photo
  DropFromStrip(*form, "P1_jpg-001.ksm", "Keep");
  keep.Release();
  ASSERT_EQ(dialogs.Records().size(), 3u);
  for (std::size_t i : {0u, 2u}) {
    EXPECT_TRUE(dialogs.Text(i).startsWith("ファイルを移動できませんでした。"))
        << dialogs.Text(i).toStdString();
  }
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_EQ(Bytes("P1_jpg-001.ksm"), Record("first"));
  EXPECT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  EXPECT_TRUE(Files(Pictures("Keep")).isEmpty()) << Files(Pictures("Keep")).join(',').toStdString();
  EXPECT_EQ(ShownName(*form), "P1.jpg");
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P1_jpg-001.ksm", "P2.jpg"}));
  EXPECT_FALSE(form->Folders().IgnoreNextChange);
}

TEST_F(DropPhotoOnNodeTest, ANodeWhoseFolderHasGoneKeepsThePhoto) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTreeWidgetItem* keep = Node(*form, "Keep");
  ASSERT_NE(keep, nullptr);
  // Removed outside the program, before the watcher had its turn to rebuild the tree.
  ASSERT_TRUE(QDir().rmdir(Pictures("Keep")));
  form->FolderView().DropPhoto(Pictures("P1.jpg"), keep, library::DragSource::PhotoView);
  EXPECT_EQ(dialogs.LastText(), "書庫ファイル内へは移動することができません。");
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_FALSE(Has("Keep"));
  EXPECT_EQ(ShownName(*form), "P1.jpg");
}

TEST_F(DropPhotoOnNodeTest, ARecordFromTheStripTakesItsPhotoAllRecordsAndThumbnails) {
  const QByteArray photo = Photo("IMG.jpg", 1);
  tree.File("home/Pictures/IMG_jpg.ksm", Record("first"));
  tree.File("home/Pictures/IMG_jpg-002.ksm", Record("second"));
  const QByteArray z = Photo("Z.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_EQ(Listed(*form), (QStringList{"IMG_jpg-002.ksm", "IMG_jpg.ksm", "Z.jpg"}));
  ASSERT_TRUE(WaitForFile(Cache() + "/IMG_jpg-002_ksm.bmp"));
  ASSERT_TRUE(WaitForFile(Cache() + "/IMG_jpg_ksm.bmp"));

  DropFromStrip(*form, "IMG_jpg-002.ksm", "Keep");  // the confirmation answered "no"
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines[3], "元の写真ファイル「IMG.jpg」");
  EXPECT_EQ(Files(Pictures()).size(), 4);
  EXPECT_TRUE(Files(Pictures("Keep")).isEmpty());

  dialogs.Answer(1);
  DropFromStrip(*form, "IMG_jpg-002.ksm", "Keep");
  EXPECT_EQ(Files(Pictures()), QStringList{"Z.jpg"});
  EXPECT_EQ(Bytes("Keep/IMG.jpg"), photo);
  EXPECT_EQ(Bytes("Keep/IMG_jpg.ksm"), Record("first"));
  EXPECT_EQ(Bytes("Keep/IMG_jpg-002.ksm"), Record("second"));
  EXPECT_EQ(Bytes("Z.jpg"), z);
  EXPECT_EQ(Listed(*form), QStringList{"Z.jpg"});
  EXPECT_EQ(form->PhotoList().CurrentIndex, 1);
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/IMG_jpg_ksm.bmp"));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/IMG_jpg-002_ksm.bmp"));
  EXPECT_TRUE(QFileInfo::exists(Cache("Keep") + "/IMG_jpg_ksm.bmp"));
  EXPECT_TRUE(QFileInfo::exists(Cache("Keep") + "/IMG_jpg-002_ksm.bmp"));
  ClickNode(*form, "Keep");
  EXPECT_EQ(Listed(*form), (QStringList{"IMG_jpg-002.ksm", "IMG_jpg.ksm"}));
}

TEST_F(DropPhotoOnNodeTest, ARecordOfACameraPhotoFromTheStripTakesThePhotoAsSpelled) {
  // Cameras name their files in capitals; the record's name has the extension in lower case.
  const QByteArray photo = Photo("DSC_0001.JPG", 1);
  tree.File("home/Pictures/DSC_0001_jpg.ksm", Record("first"));
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_EQ(Listed(*form), QStringList{"DSC_0001_jpg.ksm"});
  dialogs.Answer(1);
  DropFromStrip(*form, "DSC_0001_jpg.ksm", "Keep");
  EXPECT_EQ(Files(Pictures("Keep")), (QStringList{"DSC_0001.JPG", "DSC_0001_jpg.ksm"}));
  EXPECT_EQ(Bytes("Keep/DSC_0001.JPG"), photo);
  EXPECT_TRUE(Files(Pictures()).isEmpty());
  EXPECT_EQ(form->PhotoList().PhotoCount, 0);
}

TEST_F(DropPhotoOnNodeTest, ARecordOfACameraPhotoCanBeShownAndMovedFromTheView) {
  const QByteArray photo = Photo("DSC_0001.JPG", 1);
  tree.File("home/Pictures/DSC_0001_jpg.ksm", Record("first"));
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_EQ(ShownName(*form), "DSC_0001_jpg.ksm");
  dialogs.Answer(1);
  DropFromView(*form, "Keep");
  EXPECT_EQ(Bytes("Keep/DSC_0001.JPG"), photo);
  EXPECT_EQ(Bytes("Keep/DSC_0001_jpg.ksm"), Record("first"));
}

TEST_F(DropPhotoOnNodeTest, TheShownPhotoMovedFromTheStripLeavesNothingShown) {
  Photo("P1.jpg", 1);
  const QByteArray p2 = Photo("P2.jpg", 2);
  Photo("P3.jpg", 3);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P2.jpg"));
  DropFromStrip(*form, "P2.jpg", "Keep");
  EXPECT_EQ(Bytes("Keep/P2.jpg"), p2);
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P3.jpg"}));
  EXPECT_FALSE(Showing(*form));
  // With nothing shown, Delete only explains itself: neither the moved photo nor the one now
  // at the cursor goes.
  dialogs.Clear();
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_TRUE(dialogs.LastText().startsWith("『DEL』キーは")) << dialogs.LastText().toStdString();
  EXPECT_FALSE(QDir(tree.Path("trash")).exists());
  EXPECT_EQ(Files(Pictures()), (QStringList{"P1.jpg", "P3.jpg"}));
}

TEST_F(DropPhotoOnNodeTest, AShownRecordGoesDarkWhenAnotherRecordTakesItsPhotoAway) {
  Photo("IMG.jpg", 1);
  tree.File("home/Pictures/IMG_jpg.ksm", Record("first"));
  tree.File("home/Pictures/IMG_jpg-002.ksm", Record("second"));
  Photo("Z.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "IMG_jpg.ksm"));
  dialogs.Answer(1);
  DropFromStrip(*form, "IMG_jpg-002.ksm", "Keep");
  EXPECT_TRUE(Has("Keep/IMG_jpg.ksm"));
  EXPECT_FALSE(Showing(*form)) << ShownName(*form).toStdString();
}

TEST_F(DropPhotoOnNodeTest, AnotherPhotoMovedFromTheStripLeavesTheShownOneRight) {
  for (int i = 1; i <= 4; ++i) Photo(QStringLiteral("P%1.jpg").arg(i), i);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P3.jpg"));
  DropFromStrip(*form, "P1.jpg", "Keep");
  ASSERT_EQ(Listed(*form), (QStringList{"P2.jpg", "P3.jpg", "P4.jpg"}));
  ASSERT_EQ(ShownName(*form), "P3.jpg");
  // Turning the shown photo turns it, and no other.
  QTest::keyClick(form.get(), Qt::Key_2);
  EXPECT_TRUE(QFileInfo::exists(Cache() + "/P3_jpg.dat"));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/P4_jpg.dat"));
  ASSERT_TRUE(ShowByKeys(*form, "P4.jpg"));
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 0) << "P4 was never turned";
  QTest::keyClick(form.get(), Qt::Key_Z);
  ASSERT_EQ(ShownName(*form), "P3.jpg");
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
}

TEST_F(DropPhotoOnNodeTest, TheLastPhotoMovedFromTheViewTakesItsThumbnailAlong) {
  const QByteArray solo = Photo("solo.jpg", 1);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "solo.jpg"));
  ASSERT_TRUE(WaitForFile(Cache() + "/solo_jpg.bmp"));
  DropFromView(*form, "Keep");
  EXPECT_EQ(Bytes("Keep/solo.jpg"), solo);
  EXPECT_EQ(form->PhotoList().PhotoCount, 0);
  EXPECT_FALSE(Showing(*form));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/solo_jpg.bmp"));
  EXPECT_TRUE(QFileInfo::exists(Cache("Keep") + "/solo_jpg.bmp"));
}

TEST_F(DropPhotoOnNodeTest, TheViewMovesTheShownPhotoEvenFromAnotherFolder) {
  const QByteArray top = Photo("top.jpg", 1);
  const QByteArray a = Photo("2025/a.jpg", 2);
  Photo("2025/b.jpg", 3);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "top.jpg"));
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, Pictures("2025"));
  DropFromView(*form, "Keep");
  EXPECT_EQ(Bytes("Keep/top.jpg"), top);
  EXPECT_FALSE(Has("top.jpg"));
  EXPECT_EQ(Bytes("2025/a.jpg"), a);
  EXPECT_EQ(Listed(*form), (QStringList{"a.jpg", "b.jpg"}));
  EXPECT_EQ(ShownName(*form), "a.jpg") << "the photo at the cursor of the current folder";
}

TEST_F(DropPhotoOnNodeTest, AMovedPhotoKeepsItsTurn) {
  Photo("P1.jpg", 1);
  Photo("P2.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTest::keyClick(form.get(), Qt::Key_2);
  ASSERT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  DropFromView(*form, "Keep");
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  EXPECT_TRUE(QFileInfo::exists(Cache("Keep") + "/P1_jpg.dat"));
  ClickNode(*form, "Keep");
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
}

}  // namespace
}  // namespace kasumori::ui

// SPDX-License-Identifier: GPL-3.0-or-later
// The window's Delete key and F2 with the rename window on the shown photo, over real folders.
// Each test looks for a way to lose a photo or one of its companions, or to leave the list, the
// strip or the display describing files that are no longer where they say.
#include "ui/library/photo_moves_fixture.h"

#include <QFileInfo>

namespace kasumori::ui {
namespace {

// ---- Delete ----

using DeleteShownPhotoTest = PhotoMovesWindowTest;

TEST_F(DeleteShownPhotoTest, TheOnlyPhotoGoesWholeToTheTrashAndLeavesNothingShown) {
  const QByteArray solo = Photo("solo.jpg", 1);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "solo.jpg"));
  ASSERT_TRUE(WaitForFile(Cache() + "/solo_jpg.bmp"));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(tree.Read("trash/solo.jpg"), solo);
  EXPECT_FALSE(Has("solo.jpg"));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/solo_jpg.bmp"));
  EXPECT_EQ(form->PhotoList().PhotoCount, 0);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 0);
  EXPECT_FALSE(Showing(*form));

  // A second press finds nothing to delete and only explains the key.
  dialogs.Clear();
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_TRUE(dialogs.Text(0).startsWith("『DEL』キーは")) << dialogs.Text(0).toStdString();
  EXPECT_EQ(Files(tree.Path("trash")), QStringList{"solo.jpg"});
}

TEST_F(DeleteShownPhotoTest, TheLastListedPhotoGoesAndTheNewLastOneIsShown) {
  Photo("P1.jpg", 1);
  const QByteArray p2 = Photo("P2.jpg", 2);
  const QByteArray p3 = Photo("P3.jpg", 3);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P3.jpg"));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(tree.Read("trash/P3.jpg"), p3);
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P2.jpg"}));
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  EXPECT_EQ(ShownName(*form), "P2.jpg");
  EXPECT_EQ(Bytes("P2.jpg"), p2);
}

TEST_F(DeleteShownPhotoTest, AShownRecordGoesAloneAndItsPhotoTakesItsPlace) {
  const QByteArray photo = Photo("IMG.jpg", 1);
  tree.File("home/Pictures/IMG_jpg.ksm", Record("first"));
  tree.File("home/Pictures/IMG_jpg-002.ksm", Record("second"));
  Photo("Z.jpg", 2);
  auto form = Open();
  ASSERT_EQ(Listed(*form), (QStringList{"IMG_jpg-002.ksm", "IMG_jpg.ksm", "Z.jpg"}));
  ASSERT_TRUE(ShowByKeys(*form, "IMG_jpg.ksm"));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  ASSERT_FALSE(dialogs.Records().empty());
  EXPECT_EQ(dialogs.Records()[0].lines.last(), "（元の写真ファイルは残ります）");
  EXPECT_EQ(tree.Read("trash/IMG_jpg.ksm"), Record("first"));
  EXPECT_EQ(Bytes("IMG.jpg"), photo);
  EXPECT_EQ(Bytes("IMG_jpg-002.ksm"), Record("second"));
  EXPECT_TRUE(Listed(*form).contains("IMG.jpg")) << Listed(*form).join(',').toStdString();
  EXPECT_TRUE(Showing(*form));
}

TEST_F(DeleteShownPhotoTest, ATrashThatCannotTakeThePhotoLeavesItShownAndListed) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  Photo("P2.jpg", 2);
  tree.File("trash/P1.jpg", "an older P1.jpg in the trash");  // the folder trash never replaces
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(dialogs.LastText(), "「P1.jpg」を\nごみ箱へ移動できませんでした。");
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_EQ(tree.Read("trash/P1.jpg"), QByteArray("an older P1.jpg in the trash"));
  EXPECT_EQ(ShownName(*form), "P1.jpg");
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P2.jpg"}));
  EXPECT_FALSE(form->Folders().IgnoreNextChange);
}

TEST_F(DeleteShownPhotoTest, AfterWalkingToAnotherFolderItIsStillTheShownPhotoThatGoes) {
  const QByteArray top = Photo("top.jpg", 1);
  const QByteArray a = Photo("2025/a.jpg", 2);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "top.jpg"));
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, Pictures("2025"));
  ASSERT_EQ(ShownName(*form), "top.jpg") << "walking the folders leaves the display";
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(tree.Read("trash/top.jpg"), top);
  EXPECT_EQ(Bytes("2025/a.jpg"), a) << "not the photo at the cursor of the current folder";
  EXPECT_EQ(Listed(*form), QStringList{"a.jpg"});
}

TEST_F(DeleteShownPhotoTest, ADeletionInASubFolderDoesNotSwallowTheNextChangeOfTheSlot) {
  Photo("top.jpg", 1);
  Photo("2025/a.jpg", 2);
  Photo("2025/b.jpg", 3);
  auto form = Open();
  ClickNode(*form, "2025");
  ASSERT_TRUE(ShowByKeys(*form, "a.jpg"));
  // From here the watcher passes on a folder made in the slot root…
  tree.Folder("home/Pictures/Early");
  ASSERT_TRUE(WaitFor([&] { return Node(*form, "Early") != nullptr; }, 4000));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  ASSERT_FALSE(Has("2025/a.jpg"));
  ASSERT_EQ(Listed(*form), QStringList{"b.jpg"});
  // …and still does: the deletion left nothing waiting to be swallowed.
  ASSERT_FALSE(form->Folders().IgnoreNextChange);
  tree.Folder("home/Pictures/Late");
  EXPECT_TRUE(WaitFor([&] { return Node(*form, "Late") != nullptr; }, 4000));
}

// ---- Rename ----

using RenameShownPhotoTest = PhotoMovesWindowTest;

TEST_F(RenameShownPhotoTest, ACaseOnlyRenameTakesRecordsThumbnailAndTurnAlong) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-002.ksm", Record("second"));
  Photo("P2.jpg", 2);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTest::keyClick(form.get(), Qt::Key_2);  // turned right: the sidecar holds it
  ASSERT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  ASSERT_TRUE(RenameByF2(*form, "p1"));
  EXPECT_TRUE(dialogs.Records().empty()) << dialogs.LastText().toStdString();
  EXPECT_EQ(Files(Pictures()), (QStringList{"P2.jpg", "p1.jpg", "p1_jpg-002.ksm"}));
  EXPECT_EQ(Bytes("p1.jpg"), p1);
  EXPECT_EQ(Bytes("p1_jpg-002.ksm"), Record("second"));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  EXPECT_TRUE(QFileInfo::exists(Cache() + "/p1_jpg.dat"));
  QStringList listed = Listed(*form);
  listed.sort();  // how the collator orders letter cases depends on the locale
  EXPECT_EQ(listed, (QStringList{"P2.jpg", "p1.jpg", "p1_jpg-002.ksm"}));
  // Back on the renamed photo, it is still turned.
  QTest::keyClick(form.get(), Qt::Key_Q);
  QTest::keyClick(form.get(), Qt::Key_X);
  QString name = ShownName(*form);
  for (int i = 0; i < 3 && name != "p1.jpg"; ++i, name = ShownName(*form)) {
    QTest::keyClick(form.get(), Qt::Key_X);
  }
  ASSERT_EQ(name, "p1.jpg");
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
}

TEST_F(RenameShownPhotoTest, AnotherPhotosNameIsRefusedAndBothStayWhole) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  const QByteArray p2 = Photo("P2.jpg", 2);
  tree.File("home/Pictures/P2_jpg-001.ksm", Record("P2's record"));
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  for (const char* typed : {"P2", "P2.jpg"}) {
    SCOPED_TRACE(typed);
    dialogs.Clear();
    ASSERT_TRUE(RenameByF2(*form, typed));
    EXPECT_EQ(dialogs.LastText(),
              "入力されたファイル名は、すでに存在して\nいますので、変更できませんでした。");
    EXPECT_EQ(Bytes("P1.jpg"), p1);
    EXPECT_EQ(Bytes("P2.jpg"), p2);
    EXPECT_EQ(Bytes("P2_jpg-001.ksm"), Record("P2's record"));
    EXPECT_EQ(ShownName(*form), "P1.jpg");
  }
}

TEST_F(RenameShownPhotoTest, AnotherPhotosNameInOtherLetterCaseLeavesBothPhotosListed) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  Photo("P2.jpg", 2);
  tree.File("home/Pictures/P2_jpg.ksm", Record("P2's record"));  // P2 is listed as its record
  auto form = Open();
  ASSERT_EQ(Listed(*form), (QStringList{"P1.jpg", "P2_jpg.ksm"}));
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  ASSERT_TRUE(RenameByF2(*form, "p2"));
  // Refused or done, the photo must not vanish behind the other photo's record.
  if (Has("P1.jpg")) {
    EXPECT_EQ(Bytes("P1.jpg"), p1);
    EXPECT_TRUE(Listed(*form).contains("P1.jpg"));
  } else {
    EXPECT_EQ(Bytes("p2.jpg"), p1);
    EXPECT_TRUE(Listed(*form).contains("p2.jpg")) << Listed(*form).join(',').toStdString();
  }
  EXPECT_EQ(Bytes("P2_jpg.ksm"), Record("P2's record"));
}

TEST_F(RenameShownPhotoTest, APhotoShownFromAnotherFolderIsRenamedWhereItLies) {
  const QByteArray top = Photo("top.jpg", 1);
  const QByteArray a = Photo("2025/a.jpg", 2);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "top.jpg"));
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, Pictures("2025"));
  ASSERT_TRUE(RenameByF2(*form, "Beach"));
  EXPECT_EQ(Bytes("Beach.jpg"), top);
  EXPECT_FALSE(Has("top.jpg"));
  EXPECT_FALSE(Has("2025/Beach.jpg"));
  EXPECT_EQ(Bytes("2025/a.jpg"), a);
  EXPECT_EQ(Listed(*form), QStringList{"a.jpg"});
  EXPECT_EQ(ShownName(*form), "Beach.jpg");
  // The display knows the new name: the next command on it finds the file.
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(tree.Read("trash/Beach.jpg"), top);
  EXPECT_EQ(Bytes("2025/a.jpg"), a);
}

TEST_F(RenameShownPhotoTest, ANameTheSystemRefusesLeavesThePhotoAndItsCompanions) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-001.ksm", Record("first"));
  Photo("P2.jpg", 2);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTest::keyClick(form.get(), Qt::Key_2);
  ASSERT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  ASSERT_TRUE(RenameByF2(*form, QString(300, QChar('n'))));  // longer than a name may be
  EXPECT_TRUE(dialogs.LastText().startsWith("ファイル名の変更ができませんでした。"))
      << dialogs.LastText().toStdString();
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_EQ(Bytes("P1_jpg-001.ksm"), Record("first"));
  EXPECT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  EXPECT_EQ(ShownName(*form), "P1.jpg");
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P1_jpg-001.ksm", "P2.jpg"}));
  EXPECT_FALSE(form->Folders().IgnoreNextChange);
}

}  // namespace
}  // namespace kasumori::ui

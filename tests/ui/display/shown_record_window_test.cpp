// SPDX-License-Identifier: GPL-3.0-or-later
// Edit records in the main window: a record's edits on its photo, and a damaged record that
// must not leave the previous photo in place behind its labels.
#include "ui/display/main_display.h"

#include "support/edit_record_file.h"
#include "ui/display/show_photo_fixture.h"

namespace kasumori::ui {
namespace {

// Walks the list with X until the photo named `name` is shown; false when it never is.
bool WalkTo(TMainForm& form, const QString& name) {
  for (int i = 0; i < form.PhotoList().PhotoCount + 1; ++i) {
    QTest::keyClick(&form, Qt::Key_X);
    if (form.Display().Driver().Shown().Name == name) return true;
  }
  return false;
}

TEST_F(ShowPhotoTest, ARecordShowsItsPhotoTurnedAsTheRecordSays) {
  testkit::RecordLines l;
  l.Comment = "記録";
  l.Rotation = "-1";
  tree.File("home/Pictures/P2_jpg-001.ksm", testkit::EditRecordFile(l));
  auto form = Start();
  dialogs.Clear();
  ASSERT_TRUE(WalkTo(*form, "P2_jpg-001.ksm"));
  EXPECT_TRUE(form->Display().Driver().SourceIsShown());
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, -1);
  EXPECT_EQ(Label(*form, "SizeLbl"), "48x64");
  EXPECT_GT(ViewPixel(*form, 400, 300).green(), 150);
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(ShowPhotoTest, ADamagedRecordIsALoadErrorThatForgetsThePreviousPhoto) {
  testkit::RecordLines l;
  l.Contrast = "high";
  tree.File("home/Pictures/P2_jpg-001.ksm", testkit::EditRecordFile(l));
  auto form = Start();
  ASSERT_TRUE(WalkTo(*form, "P1.jpg"));
  ASSERT_GT(ViewPixel(*form, 400, 300).red(), 150);
  dialogs.Clear();
  ASSERT_TRUE(WalkTo(*form, "P2_jpg-001.ksm"));
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Text(0),
            "画像ファイル P2_jpg-001.ksm\nは壊れているか、「Kasumori２」で"
            "読み込めない形式です。");
  EXPECT_EQ(Label(*form, "SizeLbl"), "読み込みエラー");
  EXPECT_EQ(Label(*form, "FileNameLbl"), "P2");
  EXPECT_EQ(Label(*form, "ExtNameLbl"), "jpg-001.ksm");
  EXPECT_EQ(ViewPixel(*form, 400, 300), QColor(0, 0, 0));
  // Commands on the shown photo now reach the record, never the photo shown before.
  const display::ShownPhoto& shown = form->Display().Driver().Shown();
  EXPECT_EQ(shown.Name, "P2_jpg-001.ksm");
  EXPECT_EQ(shown.Index, form->PhotoList().CurrentIndex);
  EXPECT_FALSE(form->Display().Driver().SourceIsShown());
}

TEST_F(ShowPhotoTest, ARecordWhosePhotoMovedIsShownFromThePhotoChosen) {
  testkit::RecordLines l;
  l.Comment = "remembered";
  tree.File("home/Pictures/lost_jpg-002.ksm", testkit::EditRecordFile(l));
  tree.File("home/Pictures/Later/P9.jpg", tree.Read("home/Pictures/P2.jpg"));
  auto form = Start();
  dialogs.Clear();
  dialogs.Answer(1);  // yes, say where the photo is
  picker.answers << tree.Path("home/Pictures/Later/P9.jpg");
  ASSERT_TRUE(WalkTo(*form, "P9_jpg-002.ksm"));
  EXPECT_EQ(dialogs.Text(0),
            "元の画像ファイル\nlost.jpg\nが存在しません。\n"
            "元の画像ファイルのある場所を指定しますか？");
  EXPECT_TRUE(tree.Exists("home/Pictures/Later/P9_jpg-002.ksm"));
  EXPECT_FALSE(tree.Exists("home/Pictures/lost_jpg-002.ksm"));
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/Later"));
  EXPECT_EQ(form->Display().Driver().Shown().Comment, "remembered");
  EXPECT_TRUE(form->Display().Driver().SourceIsShown());
}

}  // namespace
}  // namespace kasumori::ui

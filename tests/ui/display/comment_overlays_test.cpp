// SPDX-License-Identifier: GPL-3.0-or-later
// The comment strips over the display pictures: one per pane, over the main window or the
// full-screen window, and into a saved picture.
#include "ui/display/comment_overlays.h"

#include "support/edit_record_file.h"
#include "support/modal_dialog.h"
#include "ui/display/main_display.h"
#include "ui/display/show_photo_fixture.h"

#include <QPushButton>

namespace kasumori::ui {
namespace {

CommentOverlay* Strip(QWidget& window, int pane) {
  return window.findChild<CommentOverlay*>(QStringLiteral("CommentImg%1").arg(pane));
}

display::ShownPhoto Record(const QString& comment, int style) {
  display::ShownPhoto record;
  record.Name = QStringLiteral("P1_jpg.ksm");
  record.Comment = comment;
  record.CommentStyle = style;
  return record;
}

// A window with a display picture 5, 7 pixels in, and a full-screen window with its own.
class CommentBoardTest : public ::testing::Test {
 protected:
  CommentBoardTest() {
    view->setGeometry(5, 7, 1280, 600);
    fullView->setGeometry(0, 60, 1280, 600);
  }

  QWidget window;
  QWidget* view = new QWidget(&window);
  QWidget fullWindow;
  QWidget* fullView = new QWidget(&fullWindow);
  config::Settings settings;
  display::DisplayModes modes;
  int stops = 0;
  CommentBoard board{settings, modes, *view, [this] { ++stops; }};
};

TEST_F(CommentBoardTest, FourHiddenStripsBesideThePicture) {
  for (int pane = 1; pane <= 4; ++pane) {
    CommentOverlay* strip = Strip(window, pane);
    ASSERT_NE(strip, nullptr) << pane;
    EXPECT_TRUE(strip->isHidden()) << pane;
  }
}

TEST_F(CommentBoardTest, AVerticalCommentInTheRightPaneRunsDownTheViewsRightEdge) {
  modes.PanoramaMode = display::PanoramaMode::Two;
  board.DrawComment(2, Record(QStringLiteral("「夕焼け」"), 4), {1280, 600});
  CommentOverlay* strip = Strip(window, 2);
  ASSERT_FALSE(strip->isHidden());
  EXPECT_EQ(strip->geometry().right() + 1, 5 + 1280 - 3);
  EXPECT_EQ(strip->y(), 7 + 2);
  EXPECT_GT(strip->height(), 5 * strip->width());
  EXPECT_EQ(strip->toolTip(), "「夕焼け」");
  EXPECT_TRUE(Strip(window, 1)->isHidden());
}

TEST_F(CommentBoardTest, AHiddenCommentHidesItsPaneInPanoramaAndEveryStripOutside) {
  struct Case {
    display::PanoramaMode mode;
    bool otherStays;
  };
  for (const Case c :
       {Case{display::PanoramaMode::Four, true}, Case{display::PanoramaMode::Single, false}}) {
    modes.PanoramaMode = display::PanoramaMode::Four;
    board.DrawComment(1, Record(QStringLiteral("一"), 1), {1280, 600});
    board.DrawComment(3, Record(QStringLiteral("三"), 1), {1280, 600});
    modes.PanoramaMode = c.mode;
    board.DrawComment(1, Record(QString(), 1), {1280, 600});
    EXPECT_TRUE(Strip(window, 1)->isHidden());
    EXPECT_EQ(!Strip(window, 3)->isHidden(), c.otherStays) << int(c.mode);
  }
}

TEST_F(CommentBoardTest, SwitchedOffTheStripsStayAsTheyAre) {
  window.show();
  board.DrawComment(1, Record(QStringLiteral("前の写真"), 1), {1280, 600});
  const QRect before = Strip(window, 1)->geometry();
  settings.CommentsShown = 0;
  for (const display::ShownPhoto& record :
       {Record(QStringLiteral("次の写真のコメント"), 2), Record(QString(), 1)}) {
    board.DrawAllComments(record, {}, {1280, 600});
    EXPECT_TRUE(Strip(window, 1)->isVisible());
    EXPECT_EQ(Strip(window, 1)->geometry(), before);
    EXPECT_EQ(Strip(window, 1)->toolTip(), "前の写真");
  }
}

TEST_F(CommentBoardTest, InFullScreenTheFullScreenWindowsStripsAreDrawnAndHidden) {
  board.DrawComment(1, Record(QStringLiteral("主"), 1), {1280, 600});
  board.SetFullScreenPicture(fullView);
  modes.FullScreenActive = true;
  board.DrawComment(1, Record(QStringLiteral("全画面"), 3), {1280, 600});
  EXPECT_EQ(Strip(fullWindow, 1)->pos(), QPoint(3, 60 + 2));
  EXPECT_EQ(Strip(window, 1)->toolTip(), "主");
  EXPECT_EQ(board.Visible().size(), 1u);
  EXPECT_EQ(board.Visible()[0].position, QPoint(3, 2));
  board.HideComments();
  EXPECT_TRUE(Strip(fullWindow, 1)->isHidden());
  EXPECT_TRUE(Strip(window, 1)->isHidden());
}

TEST_F(CommentBoardTest, APressOnAStripOnlyStopsTheSlideshow) {
  window.show();
  board.DrawComment(1, Record(QStringLiteral("押す"), 1), {1280, 600});
  QTest::mouseClick(Strip(window, 1), Qt::LeftButton);
  QTest::mouseClick(Strip(window, 1), Qt::RightButton);
  EXPECT_EQ(stops, 2);
  EXPECT_TRUE(Strip(window, 1)->isVisible());
}

bool WalkTo(TMainForm& form, const QString& name) {
  for (int i = 0; i <= form.PhotoList().PhotoCount; ++i) {
    QTest::keyClick(&form, Qt::Key_X);
    if (form.Display().Driver().Shown().Name == name) return true;
  }
  return false;
}

TEST_F(ShowPhotoTest, ARecordsCommentLiesOverThePhotoUntilTheNextPhoto) {
  testkit::RecordLines l;
  l.Comment = "海辺にて";
  tree.File("home/Pictures/P2_jpg.ksm", testkit::EditRecordFile(l));
  auto form = Start();
  ASSERT_TRUE(WalkTo(*form, "P2_jpg.ksm"));
  CommentOverlay* strip = Strip(*form, 1);
  ASSERT_NE(strip, nullptr);
  ASSERT_TRUE(strip->isVisible());
  const QRect view = form->View()->geometry();
  const QSize display = form->Display().Driver().DisplaySize();
  EXPECT_EQ(strip->x(), view.x() + 3);
  EXPECT_EQ(strip->geometry().bottom() + 1, view.y() + display.height() - 2);
  EXPECT_EQ(strip->toolTip(), "海辺にて");
  ASSERT_TRUE(WalkTo(*form, "P3.jpg"));
  EXPECT_TRUE(strip->isHidden());
}

TEST_F(ShowPhotoTest, ASavedPictureCarriesTheCommentWhereItWasOnScreen) {
  testkit::RecordLines l;
  l.Comment = "保存";
  l.CommentStyle = "3";
  tree.File("home/Pictures/P2_jpg.ksm", testkit::EditRecordFile(l));
  auto form = Start();
  ASSERT_TRUE(WalkTo(*form, "P2_jpg.ksm"));
  const CommentOverlay* strip = Strip(*form, 1);
  ASSERT_TRUE(strip->isVisible());
  const QImage shown = strip->Picture();
  const QPoint at = strip->pos() - form->View()->pos();
  tree.Folder("home/Desktop");
  picker.answers << tree.Path("home/Desktop/P2_s.bmp");
  const testkit::WhenModalShown options([](QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QWidget*>("BmpBtn"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("KetteiBtn"), Qt::LeftButton);
  });
  dialogs.Answer(2);  // the black bars stay: the whole area is saved
  QTest::keyClick(form.get(), Qt::Key_F6);
  const QImage saved(tree.Path("home/Desktop/P2_s.bmp"));
  ASSERT_FALSE(saved.isNull());
  ASSERT_EQ(saved.size(), form->Display().Driver().DisplaySize());
  EXPECT_EQ(saved.copy(QRect(at, shown.size())).convertToFormat(QImage::Format_RGB32),
            shown.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace kasumori::ui

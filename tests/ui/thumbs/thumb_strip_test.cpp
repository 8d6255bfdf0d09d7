// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/thumbs/thumb_strip.h"

#include "ui/thumbs/strip_test_fixture.h"
#include "ui/display/main_display.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_panels.h"
#include "ui/common/view_image.h"
#include "ui/thumbs/wide_thumb_form.h"

#include <QPushButton>

#include <QLabel>

namespace kasumori::ui {
namespace {

TEST_F(StripTest, FivePhotosFillCellsFourToEight) {
  Photos(5);
  auto form = Start();
  ThumbStrip& strip = form->Strip();
  for (int cell = 1; cell <= 3; ++cell) EXPECT_TRUE(Grey(CellPixel(strip, cell))) << cell;
  for (int cell = 4; cell <= 8; ++cell) EXPECT_FALSE(Grey(CellPixel(strip, cell))) << cell;
  EXPECT_EQ(form->findChild<QWidget*>("SelImg")->x(), 278);
}

TEST_F(StripTest, ClickingACellShowsThatPhoto) {
  Photos(5);
  auto form = Start();
  QTest::mouseClick(form->Strip().Cell(6), Qt::LeftButton);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 3);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P03.jpg");
  EXPECT_EQ(form->Folders().SlotPosition[0], 3);
  // The strip now centres on photo 3: cell 2 shows photo 1, cell 1 lies before the list.
  QTest::mouseClick(form->Strip().Cell(1), Qt::LeftButton);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 3);
  QTest::mouseClick(form->Strip().Cell(2), Qt::LeftButton);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P01.jpg");
}

TEST_F(StripTest, KeysScrollWithinTheList) {
  Photos(12);
  auto form = Start();
  QTest::keyClick(form.get(), Qt::Key_S);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 9);
  QTest::keyClick(form.get(), Qt::Key_S);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 12);
  QTest::keyClick(form.get(), Qt::Key_F);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 11);
  QTest::keyClick(form.get(), Qt::Key_Q);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 1);
  QTest::keyClick(form.get(), Qt::Key_Right);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  QTest::keyClick(form.get(), Qt::Key_W);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 12);
  EXPECT_FALSE(form->Display().Driver().Shown().Shown()) << "scrolling shows no photo";
}

TEST_F(StripTest, HoverShowsTheNameTag) {
  Photos(5);
  auto form = Start();
  QTest::mouseMove(form->Strip().Cell(5), QPoint(40, 30));
  const QPointF onCell(40, 30);
  QMouseEvent move(QEvent::MouseMove, onCell, form->Strip().Cell(5)->mapToGlobal(onCell),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form->Strip().Cell(5), &move);
  EXPECT_EQ(form->Strip().NameTagCell(), 5);
  EXPECT_EQ(form->Strip().NameTagLabel()->text(), "P02");
  EXPECT_EQ(form->Strip().NameTagLabel()->width(), 76) << "a short name gives the narrow tag";
  EXPECT_TRUE(form->Strip().NameTagLabel()->isVisible())
      << "the move that reached the window through the cell keeps the tag";
  // Moving on over another panel takes the tag away.
  QWidget* folders = form->Panels().folderPnl;
  const QPoint inside(20, 20);
  QMouseEvent away(QEvent::MouseMove, QPointF(inside), QPointF(folders->mapToGlobal(inside)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(folders, &away);
  EXPECT_FALSE(form->Strip().NameTagLabel()->isVisible());
  EXPECT_EQ(form->Strip().NameTagCell(), 0);
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

using WideWindowTest = StripTest;

TEST_F(WideWindowTest, OpensBelowTheStripAndAnswersItsKeys) {
  Photos(60);
  auto form = Start();
  QTest::mouseClick(form->Strip().Cell(5), Qt::RightButton);
  TWideThumbForm& wide = form->WideThumbs();
  ASSERT_TRUE(wide.isVisible());
  EXPECT_FALSE(Grey(CellPixel(form->Strip(), 4)));
  const std::uint8_t* p = wide.Cell(9)->Buffer().ConstScanLine(30);
  EXPECT_NE(QColor(p[2], p[1], p[0]), QColor(128, 128, 128)) << "cell 9 shows photo 6";

  const QPointF onCell(40, 30);
  QMouseEvent move(QEvent::MouseMove, onCell, form->Strip().Cell(5)->mapToGlobal(onCell),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(wide.Cell(12), &move);
  EXPECT_EQ(wide.NameTagCell(), 12);
  EXPECT_EQ(wide.NameTagLabel()->text(), "P09");
  QTest::keyClick(&wide, Qt::Key_G);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  QTest::keyClick(&wide, Qt::Key_W);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 60 - 42) << "the window's end: its paging limit";
  QTest::keyClick(&wide, Qt::Key_Q);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 1);
  QTest::mouseClick(wide.Cell(10), Qt::LeftButton);
  EXPECT_FALSE(wide.isVisible());
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P07.jpg");

  form->findChild<QWidget*>("ClientArea")->setFocus();
  QTest::keyClick(form.get(), Qt::Key_C);
  ASSERT_TRUE(wide.isVisible());
  QTest::keyClick(&wide, Qt::Key_X);
  EXPECT_FALSE(wide.isVisible());
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P08.jpg");
}

TEST_F(WideWindowTest, EndButtonDoesNothingWithFortyPhotos) {
  Photos(40);
  auto form = Start();
  TWideThumbForm& wide = form->WideThumbs();
  wide.Open();
  wide.findChild<QPushButton*>("ThumbEndBtn")->click();
  EXPECT_EQ(form->PhotoList().CurrentIndex, 1);
  wide.Close();
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

using StripTagTest = StripTest;

// The pointer rests on cell 5 while the strip scrolls under it: the cell shows another photo,
// the tag names that photo (or goes when the cell is past the list's end), and taking the
// tag away afterwards leaves the new photo's band intact.
TEST_F(StripTagTest, AScrollUnderTheTagRedrawsTheCellAndTheTag) {
  struct Case {
    const char* name;
    Qt::Key key;         // pressed at the focus, or
    const char* button;  // pressed with the pointer moved onto it
    int index;           // CurrentIndex afterwards
    const char* tag;     // the tag's text afterwards, empty when no tag is shown
  };
  const Case cases[] = {
      {"forward one", Qt::Key_G, nullptr, 2, "P03"},
      {"forward eight", Qt::Key_S, nullptr, 9, "P10"},
      {"to the end: cell 5 lies past it", Qt::Key_W, nullptr, 12, ""},
      {"forward button: the pointer left the cell", Qt::Key_unknown, "ThumbRightBtn", 9, ""},
  };
  Photos(12);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto form = Start();
    ThumbStrip& strip = form->Strip();
    MoveOver(strip.Cell(5), QPoint(40, 30));
    ASSERT_EQ(strip.NameTagLabel()->text(), "P02");
    if (c.button) {
      auto* button = form->findChild<QPushButton*>(c.button);
      MoveOver(button);
      QTest::mousePress(button, Qt::LeftButton);
      QTest::mouseRelease(button, Qt::LeftButton);
    } else {
      QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr);
      QTest::keyClick(focus, c.key);
    }
    EXPECT_EQ(form->PhotoList().CurrentIndex, c.index);
    const bool tagged = *c.tag != '\0';
    EXPECT_EQ(strip.NameTagLabel()->isVisible(), tagged);
    EXPECT_EQ(strip.NameTagCell(), tagged ? 5 : 0);
    if (tagged) {
      EXPECT_EQ(strip.NameTagLabel()->text(), c.tag);
    }
    MoveOver(form->Panels().folderPnl);
    EXPECT_FALSE(strip.NameTagLabel()->isVisible());
    EXPECT_TRUE(BandShowsItsOwnPhoto(strip.Cell(5)))
        << "the band saved from the old photo must not come back";
  }
}

TEST_F(StripTagTest, MovingOntoTheButtonsOrTheBackgroundHidesTheTag) {
  struct Case {
    const char* name;  // objectName of the widget under the pointer
    QPoint at;
  };
  const Case cases[] = {
      {"ThumbPnl", {107, 30}},  // between cells 1 and 2
      {"ThumbPnl", {300, 67}},  // below the cells
      {"SelImg", {1, 1}},       // the frame around the current cell
      {"ThumbLeftBtn", {5, 5}}, {"ThumbRightBtn", {5, 5}},
      {"ThumbTopBtn", {5, 5}},  {"ThumbEndBtn", {5, 5}},
  };
  Photos(12);
  auto form = Start();
  ThumbStrip& strip = form->Strip();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MoveOver(strip.Cell(6), QPoint(40, 30));
    ASSERT_TRUE(strip.NameTagLabel()->isVisible());
    ASSERT_FALSE(BandShowsItsOwnPhoto(strip.Cell(6))) << "the type label covers the band";
    auto* target = form->findChild<QWidget*>(c.name);
    ASSERT_NE(target, nullptr);
    MoveOver(target, c.at);
    EXPECT_FALSE(strip.NameTagLabel()->isVisible());
    EXPECT_EQ(strip.NameTagCell(), 0);
    EXPECT_TRUE(BandShowsItsOwnPhoto(strip.Cell(6)));
  }
  MoveOver(strip.Cell(6), QPoint(40, 30));
  EXPECT_TRUE(strip.NameTagLabel()->isVisible());
}

}  // namespace
}  // namespace kasumori::ui

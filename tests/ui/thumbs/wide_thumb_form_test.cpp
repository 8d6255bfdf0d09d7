// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/thumbs/wide_thumb_form.h"

#include "support/wheel_turn.h"
#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"
#include "ui/thumbs/strip_test_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace kasumori::ui {
namespace {

class WideFormTest : public StripTest {
 protected:
  // Opens the wide window as the user does, with a right click on a strip cell.
  static TWideThumbForm& OpenWide(TMainForm& form) {
    QTest::mouseClick(form.Strip().Cell(5), Qt::RightButton);
    TWideThumbForm& wide = form.WideThumbs();
    EXPECT_TRUE(wide.isVisible());
    return wide;
  }
  // Where the keys really arrive: the application's focus, which must be the window's own
  // focus holder once the window is active.
  static QWidget* Focus(TWideThumbForm& wide) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(&wide));
    QWidget* holder = QApplication::focusWidget();
    EXPECT_NE(holder, nullptr);
    EXPECT_EQ(holder ? holder->objectName() : QString(), "DummyBtn");
    EXPECT_TRUE(holder && wide.isAncestorOf(holder));
    return holder;
  }
};

TEST_F(WideFormTest, ScrollKeysMoveTheListAndKeepTheWindowOpen) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int index;  // from 20, with 100 photos
  };
  const Case cases[] = {
      {Qt::Key_Left, Qt::NoModifier, 19},
      {Qt::Key_F, Qt::NoModifier, 19},
      {Qt::Key_Right, Qt::NoModifier, 21},
      {Qt::Key_G, Qt::NoModifier, 21},
      {Qt::Key_Left, Qt::ShiftModifier, 12},
      {Qt::Key_A, Qt::NoModifier, 12},
      {Qt::Key_Right, Qt::ShiftModifier, 28},
      {Qt::Key_S, Qt::NoModifier, 28},
      {Qt::Key_Left, Qt::ControlModifier, 1},
      {Qt::Key_Q, Qt::NoModifier, 1},
      // The window's end: its last cell shows the last photo, 100 − 42.
      {Qt::Key_Right, Qt::ControlModifier, 58},
      {Qt::Key_W, Qt::NoModifier, 58},
  };
  Photos(100);
  auto form = Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(QTest::toString(QKeySequence(c.key | c.modifiers).toString()));
    form->Strip().SelectPosition(20);
    TWideThumbForm& wide = OpenWide(*form);
    QTest::keyClick(Focus(wide), c.key, c.modifiers);
    EXPECT_TRUE(wide.isVisible());
    EXPECT_EQ(form->PhotoList().CurrentIndex, c.index);
    EXPECT_EQ(form->Folders().SlotPosition[0], c.index) << "the slot remembers the position";
    QCoreApplication::processEvents();  // lets the next key through
  }
}

TEST_F(WideFormTest, ClosingKeysHandOverToTheMainWindow) {
  struct Case {
    Qt::Key key;
    const char* shown;  // the photo shown afterwards
  };
  const Case cases[] = {
      {Qt::Key_Up, "P21.jpg"},  // the next photo, for a list from left to right
      {Qt::Key_X, "P21.jpg"},  {Qt::Key_Z, "P19.jpg"},      {Qt::Key_Down, "P20.jpg"},
      {Qt::Key_C, "P20.jpg"},  {Qt::Key_Escape, "P20.jpg"},
  };
  Photos(30);
  auto form = Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    form->Strip().SelectPosition(20);
    TWideThumbForm& wide = OpenWide(*form);
    QTest::keyClick(Focus(wide), c.key);
    EXPECT_FALSE(wide.isVisible());
    EXPECT_EQ(form->Display().Driver().Shown().Name, c.shown);
    QCoreApplication::processEvents();
  }
}

TEST_F(WideFormTest, FolderKeysCloseTheWindowAndStepThroughTheTree) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool fromSub;      // start in the sub-folder rather than at the root
    const char* ends;  // folder afterwards, below home
  };
  const Case cases[] = {
      {Qt::Key_D, Qt::NoModifier, false, "Pictures/Sub"},
      {Qt::Key_Down, Qt::ShiftModifier, false, "Pictures/Sub"},
      {Qt::Key_Down, Qt::ControlModifier, false, "Pictures/Sub"},
      {Qt::Key_E, Qt::NoModifier, true, "Pictures"},
      {Qt::Key_Up, Qt::ShiftModifier, true, "Pictures"},
      {Qt::Key_Up, Qt::ControlModifier, true, "Pictures"},
  };
  Photos(3);
  Photos(3, "home/Pictures/Sub");
  for (const Case& c : cases) {
    SCOPED_TRACE(QTest::toString(QKeySequence(c.key | c.modifiers).toString()));
    auto form = Start();
    if (c.fromSub) form->FolderView().Panel().NextFolder();
    TWideThumbForm& wide = OpenWide(*form);
    QTest::keyClick(Focus(wide), c.key, c.modifiers);
    EXPECT_FALSE(wide.isVisible());
    EXPECT_EQ(form->Folders().CurrentFolder, tree.Path(QStringLiteral("home/") + c.ends));
  }
}

TEST_F(WideFormTest, AClickOnTheNameTagShowsItsPhoto) {
  Photos(60);
  auto form = Start();
  TWideThumbForm& wide = OpenWide(*form);
  MoveOver(wide.Cell(12), QPoint(40, 30));
  ASSERT_TRUE(wide.NameTagLabel()->isVisible());
  ASSERT_EQ(wide.NameTagLabel()->text(), "P09");
  QTest::mouseClick(wide.NameTagLabel(), Qt::LeftButton, {}, QPoint(5, 7));
  EXPECT_FALSE(wide.isVisible());
  EXPECT_EQ(form->PhotoList().CurrentIndex, 9);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P09.jpg");
}

// A held page button steps at once, after 400 ms, then every 100 ms, and stops when it is
// let go or the list can go no further. The timer is fired by hand instead of waited for.
TEST_F(WideFormTest, PageButtonsRepeatWhileHeld) {
  struct Case {
    bool wide;
    const char* button;
    int from;
    std::vector<int> steps;  // CurrentIndex after the press and after each tick
  };
  const Case cases[] = {
      {false, "ThumbRightBtn", 1, {9, 17, 25}},
      {false, "ThumbLeftBtn", 100, {92, 84, 76}},
      {true, "ThumbRightBtn", 1, {40, 58, 58}},  // the window's end stops it
      {true, "ThumbLeftBtn", 58, {19, 1, 1}},
  };
  Photos(100);
  auto form = Start();
  auto* timer = form->Strip().findChild<QTimer*>("RepeatTimer");
  ASSERT_NE(timer, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.wide ? "wide " : "strip ") + c.button);
    form->Strip().SelectPosition(c.from);
    QWidget* window = form.get();
    if (c.wide) window = &OpenWide(*form);
    auto* button = window->findChild<QPushButton*>(c.button);
    ASSERT_NE(button, nullptr);
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(form->PhotoList().CurrentIndex, c.steps[0]);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 400);
    for (std::size_t tick = 1; tick < c.steps.size(); ++tick) {
      QMetaObject::invokeMethod(timer, "timeout");
      EXPECT_EQ(form->PhotoList().CurrentIndex, c.steps[tick]) << tick;
      if (timer->isActive()) {
        EXPECT_EQ(timer->interval(), 100);
      }
    }
    QTest::mouseRelease(button, Qt::LeftButton);
    const int held = form->PhotoList().CurrentIndex;
    if (timer->isActive()) QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(form->PhotoList().CurrentIndex, held) << "no step once let go";
    EXPECT_FALSE(timer->isActive());
    if (c.wide) form->WideThumbs().Close();
  }
}

TEST_F(WideFormTest, EndButtonRemembersThePosition) {
  Photos(50);
  auto form = Start();
  TWideThumbForm& wide = OpenWide(*form);
  QTest::mouseClick(wide.findChild<QPushButton*>("ThumbEndBtn"), Qt::LeftButton);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 8);
  EXPECT_EQ(form->Folders().SlotPosition[0], 8);
}

// Key repeats and wheel turns that arrive while a step is handled are dropped, as in the main
// window; once the event loop has caught up the next one counts again.
TEST_F(WideFormTest, PiledUpRepeatsAndWheelTurnsAreDropped) {
  Photos(100);
  auto form = Start();
  TWideThumbForm& wide = OpenWide(*form);
  QWidget* holder = Focus(wide);
  auto press = [&](bool repeat) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), repeat);
    QCoreApplication::sendEvent(holder, &key);
  };
  press(false);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  press(true);
  press(true);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  QCoreApplication::processEvents();
  press(true);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 3);

  QCoreApplication::processEvents();
  auto turn = [&] { testkit::TurnWheel(&wide, wide.Cell(20), -120); };
  turn();
  turn();
  EXPECT_EQ(form->PhotoList().CurrentIndex, 11);
  QCoreApplication::processEvents();
  turn();
  EXPECT_EQ(form->PhotoList().CurrentIndex, 19);
}

TEST_F(WideFormTest, AnEmptiedListGreysTheCells) {
  Photos(20);
  tree.Folder("home/Pictures/Empty");
  auto form = Start();
  TWideThumbForm& wide = OpenWide(*form);
  ASSERT_FALSE(Grey(PixelAt(wide.Cell(9), 40, 30)));
  form->FolderView().Panel().NextFolder();
  ASSERT_EQ(form->PhotoList().PhotoCount, 0);
  ASSERT_TRUE(wide.isVisible());
  for (int cell = 9; cell <= 47; ++cell)
    EXPECT_TRUE(Grey(PixelAt(wide.Cell(cell), 40, 30))) << cell;
}

}  // namespace
}  // namespace kasumori::ui

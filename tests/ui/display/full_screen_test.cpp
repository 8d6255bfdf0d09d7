// SPDX-License-Identifier: GPL-3.0-or-later
// The full-screen window driven by its keys and buttons: the photo keys act on the photo over
// the whole screen, held keys do not pile up, and every closing key brings the main window
// back with its own display area.
#include "ui/display/full_gamen_form.h"

#include "ui/common/view_image.h"
#include "ui/display/main_display.h"
#include "ui/display/show_photo_fixture.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

namespace kasumori::ui {
namespace {

class FullScreenTest : public ShowPhotoTest {
 protected:
  TFullGamenForm* OpenFullScreen(TMainForm& form) {
    QTest::keyClick(Focus(form), Qt::Key_F11);
    auto* full = qobject_cast<TFullGamenForm*>(QApplication::activeModalWidget());
    QCoreApplication::processEvents();  // the window's first drawing
    return full;
  }
  static QWidget* Focus(QWidget& fallback) {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : &fallback;
  }
  static void Press(QWidget& window, Qt::Key key, bool repeat = false) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeat);
    QCoreApplication::sendEvent(Focus(window), &event);
  }
  static QColor FullPixel(TFullGamenForm& full) {
    const QSize size = full.ScreenSize();
    const std::uint8_t* p =
        full.FullImg().Buffer().ConstScanLine(size.height() / 2) + 3 * (size.width() / 2);
    return QColor(p[2], p[1], p[0]);
  }
  static bool Closed() { return QApplication::activeModalWidget() == nullptr; }
};

TEST_F(FullScreenTest, PhotoKeysActOnTheWholeScreenAndHeldRepeatsAreDropped) {
  auto form = Start();
  Key(*form, Qt::Key_X);
  TFullGamenForm* full = OpenFullScreen(*form);
  ASSERT_NE(full, nullptr);
  MainDisplay& display = form->Display();
  EXPECT_EQ(display.Driver().DisplaySize(), full->ScreenSize());
  EXPECT_GT(FullPixel(*full).red(), 150) << "P1 drawn for the screen";

  Press(*full, Qt::Key_X);
  EXPECT_EQ(display.Driver().Shown().Name, "P2.jpg");
  EXPECT_GT(FullPixel(*full).green(), 150);
  Press(*full, Qt::Key_X, true);  // queued while the step ran
  EXPECT_EQ(display.Driver().Shown().Name, "P2.jpg");
  QCoreApplication::processEvents();
  Press(*full, Qt::Key_Z);
  EXPECT_EQ(display.Driver().Shown().Name, "P1.jpg");

  QCoreApplication::processEvents();
  Press(*full, Qt::Key_M);
  EXPECT_TRUE(display.Driver().Modes().WideMode);
  QCoreApplication::processEvents();
  Press(*full, Qt::Key_1);
  EXPECT_EQ(display.Driver().Shown().Rotation, -1);
  QCoreApplication::processEvents();
  Press(*full, Qt::Key_2);
  EXPECT_EQ(display.Driver().Shown().Rotation, 0);
  QCoreApplication::processEvents();
  Press(*full, Qt::Key_F12);
  EXPECT_EQ(form->Model().settings().QualityMode, config::QualityMode::Fast)
      << "F12 switches the quality mode here, not the effect";
  EXPECT_TRUE(form->findChild<QAction*>("KousokuMenu")->isChecked());

  Press(*full, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Closed());
  EXPECT_FALSE(display.Driver().Modes().FullScreenActive);
  EXPECT_EQ(display.Driver().DisplaySize(), QSize(800, 600));
  EXPECT_GT(ViewPixel(*form, 400, 300).red(), 150) << "the main window shows P1 again";
}

TEST_F(FullScreenTest, ClosingKeysAndTheRightButtonCloseTheLeftButtonDoesNot) {
  auto form = Start();
  dialogs.Clear();
  // With nothing shown, the middle button explains itself as a button.
  QTest::mouseClick(form->View(), Qt::MiddleButton);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_TRUE(dialogs.Text(0).startsWith("このボタンは、現在表示されている写真を"));
  Key(*form, Qt::Key_X);
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_F11, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    TFullGamenForm* full = OpenFullScreen(*form);
    ASSERT_NE(full, nullptr) << key;
    Press(*full, key);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Closed()) << key;
  }
  TFullGamenForm* full = OpenFullScreen(*form);
  ASSERT_NE(full, nullptr);
  QTest::mouseClick(&full->FullImg(), Qt::LeftButton);
  EXPECT_FALSE(Closed()) << "the left button drags a zoomed photo only";
  QTest::mouseClick(&full->FullImg(), Qt::RightButton);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Closed());
}

}  // namespace
}  // namespace kasumori::ui

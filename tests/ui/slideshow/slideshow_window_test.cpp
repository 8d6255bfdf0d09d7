// SPDX-License-Identifier: GPL-3.0-or-later
// The slideshow as the user drives it: the settings dialog, a show in the main window moved on
// by its next-photo key and stopped by another key, and a show started in full screen.
#include "ui/slideshow/slide_form.h"

#include "support/modal_dialog.h"
#include "ui/display/full_gamen_form.h"
#include "ui/display/main_display.h"
#include "ui/display/show_photo_fixture.h"
#include "ui/slideshow/slideshow_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kasumori::ui {
namespace {

template <typename W>
W* Child(QWidget& parent, const char* name) {
  W* child = parent.findChild<W*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

class SlideshowWindowTest : public ShowPhotoTest {
 protected:
  static QWidget* Focus(QWidget& fallback) {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : &fallback;
  }
  // F9, and the show started without a transition by the dialog's `button`.
  void StartShow(TMainForm& form, const char* button) {
    const testkit::WhenModalShown start([&](QDialog& dialog) {
      QTest::mouseClick(Child<QRadioButton>(dialog, "KoukaNoBtn"), Qt::LeftButton);
      Child<QPushButton>(dialog, button)->click();
    });
    QTest::keyClick(Focus(form), Qt::Key_F9);
    QCoreApplication::processEvents();
  }
};

TEST_F(SlideshowWindowTest, TheDialogRefusesABadIntervalAndKeepsTheFocusOnStart) {
  auto form = Start();
  Key(*form, Qt::Key_X);
  dialogs.Clear();
  const testkit::WhenModalShown check([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "スライドショー（自動コマ送り観賞）");
    EXPECT_EQ(dialog.size(), QSize(411, 347));
    EXPECT_TRUE(Child<QRadioButton>(dialog, "StartCursorBtn")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(dialog, "PageBtn")->isChecked());
    QTest::mouseClick(Child<QRadioButton>(dialog, "KousokuBtn"), Qt::LeftButton);
    EXPECT_FALSE(Child<QComboBox>(dialog, "KoukaBox")->isEnabled());
    EXPECT_EQ(dialog.focusWidget(), Child<QWidget>(dialog, "StartBtn"));
    auto* seconds = Child<QLineEdit>(dialog, "TimeNiniEdit");
    seconds->setText("2.5");
    Child<QPushButton>(dialog, "StartBtn")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(seconds->selectedText(), "2.5");
    seconds->setText("99999");
    QTest::mouseClick(Child<QRadioButton>(dialog, "KoukaNoBtn"), Qt::LeftButton);
    Child<QPushButton>(dialog, "StartBtn")->click();
  });
  QTest::keyClick(Focus(*form), Qt::Key_F9);
  QCoreApplication::processEvents();
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Text(0), "表示間隔の秒数は\n１秒以上の整数が指定できます。");
  const config::Settings& settings = form->Model().settings();
  EXPECT_EQ(settings.SlideCustomInterval, 99999);
  EXPECT_EQ(settings.QualityMode, config::QualityMode::Fast);
  EXPECT_EQ(settings.SlideTransition, 0);
  EXPECT_EQ(form->windowTitle(), "Kasumori２（スライドショーMode）");
  QTest::keyClick(Focus(*form), Qt::Key_Down);
  EXPECT_EQ(form->windowTitle(), "Kasumori２");
}

TEST_F(SlideshowWindowTest, TheNextKeyBringsThePhotoAtOnceAndAnotherKeyStops) {
  auto form = Start();
  Key(*form, Qt::Key_X);
  StartShow(*form, "StartBtn");
  MainDisplay& display = form->Display();
  EXPECT_FALSE(form->Model().Session().UiReady);
  EXPECT_GT(ViewPixel(*form, 400, 300).red(), 150) << "P1 stays while P2 waits behind it";
  EXPECT_EQ(Label(*form, "JoutaiLbl"), "【スライドショー】");

  QTest::keyClick(Focus(*form), Qt::Key_Right);
  EXPECT_GT(ViewPixel(*form, 400, 300).green(), 150) << "P2 on screen at once";
  EXPECT_EQ(Label(*form, "FileNameLbl"), "P2");
  EXPECT_EQ(Label(*form, "SizeLbl"), "64x48");
  EXPECT_EQ(form->PhotoList().CurrentIndex, 3) << "P3 composed behind it";

  QTest::keyClick(Focus(*form), Qt::Key_Down);
  EXPECT_TRUE(form->Model().Session().UiReady);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2) << "the photo on screen is current again";
  EXPECT_EQ(display.Driver().Shown().Name, "P2.jpg");
  EXPECT_EQ(Label(*form, "JoutaiLbl"), "【通常モード】");
  EXPECT_EQ(form->windowTitle(), "Kasumori２");
}

TEST_F(SlideshowWindowTest, APhotoThatFailsToLoadIsShownBlackNotAsThePreviousOne) {
  tree.File("home/Pictures/P1b.jpg", "not a jpeg");  // listed between P1 and P2
  auto form = Start();
  Key(*form, Qt::Key_X);
  StartShow(*form, "StartBtn");
  QTest::keyClick(Focus(*form), Qt::Key_Right);
  EXPECT_EQ(ViewPixel(*form, 400, 300), QColor(0, 0, 0));
  EXPECT_EQ(Label(*form, "SizeLbl"), "読み込みエラー");
  QTest::keyClick(Focus(*form), Qt::Key_Right);
  EXPECT_GT(ViewPixel(*form, 400, 300).green(), 150) << "the show goes on to P2";
  QTest::keyClick(Focus(*form), Qt::Key_Down);
}

TEST_F(SlideshowWindowTest, AFullScreenStartRunsInTheFullScreenWindow) {
  auto form = Start();
  Key(*form, Qt::Key_X);
  StartShow(*form, "FullStartBtn");
  auto* full = qobject_cast<TFullGamenForm*>(QApplication::activeModalWidget());
  ASSERT_NE(full, nullptr);
  QCoreApplication::processEvents();
  MainDisplay& display = form->Display();
  EXPECT_TRUE(display.Driver().Modes().FullScreenActive);
  EXPECT_FALSE(form->Model().Session().UiReady) << "the show runs";
  QTest::keyClick(Focus(*full), Qt::Key_X);
  EXPECT_EQ(display.Driver().Shown().Name, "P3.jpg") << "P2 on screen, P3 behind it";
  QTest::keyClick(Focus(*full), Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), full) << "Esc stops the show, not the window";
  EXPECT_EQ(display.Driver().Shown().Name, "P2.jpg");
  QTest::keyClick(Focus(*full), Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_GT(ViewPixel(*form, 400, 300).green(), 150);
}

}  // namespace
}  // namespace kasumori::ui

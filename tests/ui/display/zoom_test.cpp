// SPDX-License-Identifier: GPL-3.0-or-later
// A zoomed record in the main window: the zoom labels, a pan by a real drag, the release with
// N, and the zoom that comes back when the record is shown again.
#include "ui/display/main_display.h"

#include "support/edit_record_file.h"
#include "ui/display/show_photo_fixture.h"

#include <QPushButton>

namespace kasumori::ui {
namespace {

bool WalkTo(TMainForm& form, const QString& name) {
  for (int i = 0; i < form.PhotoList().PhotoCount + 1; ++i) {
    QTest::keyClick(&form, Qt::Key_X);
    if (form.Display().Driver().Shown().Name == name) return true;
  }
  return false;
}

void Drag(QWidget& view, QPoint from, QPoint to) {
  QTest::mousePress(&view, Qt::LeftButton, {}, from);
  for (int i = 1; i <= 4; ++i) {
    const QPoint at = from + (to - from) * i / 4;
    QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
  }
  QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
}

TEST_F(ShowPhotoTest, AZoomedRecordPansByDragAndNReleasesIt) {
  // The photo's left half red, its right half blue, enlarged so the view holds part of it.
  QImage halves(64, 48, QImage::Format_RGB888);
  halves.fill(QColor(220, 20, 20));
  for (int y = 0; y < 48; ++y)
    for (int x = 32; x < 64; ++x) halves.setPixelColor(x, y, QColor(20, 20, 220));
  tree.File("home/Pictures/P2.jpg", testkit::EncodeJpeg(halves, {}, {95}));
  testkit::RecordLines l;
  l.ZoomFlag = "1";
  l.Magnification = "2";  // twice the view's width across: 1600 %, kept at a quarter
  l.ZoomCentreX = "20";
  l.ZoomCentreY = "24";
  tree.File("home/Pictures/P2_jpg-001.ksm", testkit::EditRecordFile(l));
  auto form = Start();
  dialogs.Clear();
  ASSERT_TRUE(WalkTo(*form, "P2_jpg-001.ksm"));
  const display::PhotoDisplay& driver = form->Display().Driver();
  ASSERT_TRUE(driver.Modes().ZoomMode);
  EXPECT_EQ(Label(*form, "JoutaiLbl"), "【ズームモード】");
  EXPECT_TRUE(form->findChild<QPushButton*>("ZoomKaijoBtn")->isEnabled());
  const QSize view = driver.DisplaySize();
  const QPoint middle(view.width() / 2, view.height() / 2);
  EXPECT_GT(ViewPixel(*form, middle.x(), middle.y()).red(), 150);  // x = 20 is red
  const int before = driver.ZoomCentreX;
  // Dragging the picture to the left brings its right, blue half into the view.
  Drag(*form->View(), middle + QPoint(300, 0), middle - QPoint(300, 0));
  EXPECT_GT(driver.ZoomCentreX, before);
  EXPECT_GT(ViewPixel(*form, middle.x(), middle.y()).blue(), 150);
  EXPECT_TRUE(dialogs.Records().empty());

  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(),
                  Qt::Key_N);
  EXPECT_FALSE(driver.Modes().ZoomMode);
  EXPECT_EQ(Label(*form, "JoutaiLbl"), "【通常モード】");
  EXPECT_FALSE(form->findChild<QPushButton*>("ZoomKaijoBtn")->isEnabled());
  QTest::keyClick(form.get(), Qt::Key_Z);
  ASSERT_TRUE(WalkTo(*form, "P2_jpg-001.ksm"));
  EXPECT_TRUE(driver.Modes().ZoomMode);
}

}  // namespace
}  // namespace kasumori::ui

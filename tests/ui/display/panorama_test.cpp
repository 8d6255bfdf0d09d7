// SPDX-License-Identifier: GPL-3.0-or-later
// Panorama mode in the main window: the panes' photos and places, the commands it refuses,
// and the ways out (the release key, a double click on a pane, the status label).
#include "ui/display/main_display.h"

#include "ui/display/show_photo_fixture.h"

#include <QAction>
#include <QFile>

namespace kasumori::ui {
namespace {

using display::PanoramaMode;

class PanoramaTest : public ShowPhotoTest {
 protected:
  void Choose(TMainForm& form, const char* entry) {
    form.findChild<QAction*>(entry)->trigger();
    QCoreApplication::processEvents();
  }
  // Red, green, blue or black at a point, as one letter.
  char Colour(TMainForm& form, int x, int y) {
    const QColor c = ViewPixel(form, x, y);
    if (c.red() > 150) return 'r';
    if (c.green() > 150) return 'g';
    if (c.blue() > 150) return 'b';
    return c == QColor(0, 0, 0) ? 'k' : '?';
  }
};

TEST_F(PanoramaTest, FourPanesOfThreePhotosRefuseEditingAndNLeaves) {
  auto form = Start();
  Key(*form, Qt::Key_X);
  Choose(*form, "Panoramic4Menu");
  const std::string panes = {Colour(*form, 200, 150), Colour(*form, 600, 150),
                             Colour(*form, 200, 450), Colour(*form, 600, 450)};
  EXPECT_EQ(panes, "rgbk") << "the fourth pane has no photo and stays black";
  EXPECT_EQ(Label(*form, "FileNameLbl"), "【パノラマ】");
  EXPECT_EQ(Label(*form, "JoutaiLbl"), "【パノラマ】");
  EXPECT_EQ(Label(*form, "SizeLbl"), "");

  dialogs.Clear();
  Key(*form, Qt::Key_Delete);
  Key(*form, Qt::Key_1);
  ASSERT_EQ(dialogs.Records().size(), 2u);
  EXPECT_TRUE(dialogs.Text(0).startsWith("パノラマモード時には、写真ファイルの削除を"));
  EXPECT_TRUE(dialogs.Text(1).startsWith("現在パノラマモードになっていますので"));
  EXPECT_TRUE(QFile::exists(tree.Path("home/Pictures/P1.jpg")));
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 0);

  Key(*form, Qt::Key_N);
  EXPECT_EQ(form->Display().Driver().Modes().PanoramaMode, PanoramaMode::Single);
  EXPECT_TRUE(form->findChild<QAction*>("NoPanoramicMenu")->isChecked());
  EXPECT_EQ(Colour(*form, 400, 300), 'r');
  EXPECT_EQ(Label(*form, "JoutaiLbl"), "【通常モード】");
}

TEST_F(PanoramaTest, ReversedPanesAndADoubleClickOnTheLeftShowsTheNextPhotoAlone) {
  auto form = Start();
  Key(*form, Qt::Key_X);
  Choose(*form, "PanoramicRLMenu");
  EXPECT_EQ(Colour(*form, 600, 300), 'r') << "the shown photo on the right";
  EXPECT_EQ(Colour(*form, 200, 300), 'g');
  QTest::mouseDClick(form->View(), Qt::LeftButton, {}, QPoint(200, 300));
  QCoreApplication::processEvents();
  EXPECT_EQ(form->Display().Driver().Modes().PanoramaMode, PanoramaMode::Single);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P2.jpg");
  EXPECT_EQ(Colour(*form, 400, 300), 'g');

  // The status label turns two panes on again, from the photo now current.
  QTest::mouseClick(form->findChild<QLabel*>("JoutaiLbl"), Qt::LeftButton);
  EXPECT_EQ(form->Display().Driver().Modes().PanoramaMode, PanoramaMode::Two);
  const std::string panes = {Colour(*form, 200, 300), Colour(*form, 600, 300)};
  EXPECT_EQ(panes, "gb");
}

}  // namespace
}  // namespace kasumori::ui

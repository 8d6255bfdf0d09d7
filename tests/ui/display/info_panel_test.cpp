// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/info_panel.h"

#include "imaging/exif/exif_reader.h"
#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_panels.h"

#include <QLabel>

namespace kasumori::ui {
namespace {

using InfoPanelTest = testkit::MainFormFixture<TMainForm, MainFormServices>;

TEST_F(InfoPanelTest, ShowsTheCameraShotAndClearsAgain) {
  auto form = Start();
  MainPanels& p = form->Panels();
  const QString photo = tree.Path("shot.jpg");
  testkit::CameraShot shot;
  shot.flash = 1;
  ASSERT_TRUE(testkit::WriteCameraJpeg(photo, 320, 240, shot));
  imaging::ExifLayout layout;
  const imaging::PhotoInfo info = imaging::ReadPhotoInfo(photo, layout);
  ShowPhotoInfo(p, info);
  EXPECT_GT(layout.ExifLength, 0u);
  EXPECT_EQ(p.hidukeLbl->text(), "26/05/14");
  EXPECT_EQ(p.timeLbl->text(), "10:23:45");
  EXPECT_EQ(p.strobeLbl->text(), "★");
  EXPECT_TRUE(p.satsueiLbl->text().contains("F2.8")) << p.satsueiLbl->text().toStdString();
  EXPECT_EQ(p.fileSizeLbl->geometry().right() + 1, p.exifPnl->width() - 1);
  EXPECT_EQ(p.fileNameLbl->width(), 211 - 68);
  EXPECT_FALSE(p.cameraLbl->toolTip().isEmpty());

  ClearInfoLabels(p);
  EXPECT_TRUE(p.hidukeLbl->text().isEmpty());
  EXPECT_TRUE(p.fileSizeLbl->text().isEmpty());
  EXPECT_TRUE(p.cameraLbl->toolTip().isEmpty());
}

// The star comes right after the exposure text, whose label gives up a pixel for it; without a
// flash the label is as wide as its text and the star label is empty.
TEST_F(InfoPanelTest, FlashStarFollowsTheExposureText) {
  struct Case {
    const char* name;
    std::uint16_t flash;
    std::uint16_t iso;
    QString strobe;
    int narrowing;
  } cases[] = {
      {"flash fired", 1, 100, "★", 1},
      {"flash fired, no ISO", 0x19, 0, "★", 1},
      {"no flash", 0x10, 100, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testkit::CameraShot shot;
    shot.flash = c.flash;
    shot.iso = c.iso;
    const QString photo = tree.Path(QStringLiteral("home/Pictures/%1.jpg").arg(c.name));
    ASSERT_TRUE(testkit::WriteCameraJpeg(photo, 320, 240, shot));
    auto form = Start(photo);
    MainPanels& p = form->Panels();
    ASSERT_FALSE(p.satsueiLbl->text().isEmpty());
    const int textWidth = p.satsueiLbl->fontMetrics().horizontalAdvance(p.satsueiLbl->text());
    EXPECT_EQ(p.strobeLbl->text(), c.strobe);
    EXPECT_EQ(p.satsueiLbl->width(), textWidth - c.narrowing);
    EXPECT_EQ(p.strobeLbl->geometry().topLeft(),
              QPoint(p.satsueiLbl->x() + p.satsueiLbl->width(), p.satsueiLbl->y()));
    EXPECT_EQ(p.strobeLbl->width(),
              p.strobeLbl->fontMetrics().horizontalAdvance(p.strobeLbl->text()));
  }
}

}  // namespace
}  // namespace kasumori::ui

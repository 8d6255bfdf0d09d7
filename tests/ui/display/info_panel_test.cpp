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
  int failures = 0;
  const imaging::PhotoInfo info =
      imaging::ReadPhotoInfo(1, photo, layout, [&](int) { ++failures; });
  ShowPhotoInfo(p, info);
  EXPECT_EQ(failures, 0);
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

}  // namespace
}  // namespace kasumori::ui

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over three small photos, for the tests of showing a photo and of the commands
// on the shown one.
#pragma once

#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "ui/common/view_image.h"
#include "ui/shell/main_form.h"

#include <QColor>
#include <QImage>
#include <QLabel>

#include <cstdint>

namespace kasumori::ui {

class ShowPhotoTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  // Three small photos in the first slot's folder: red, green and blue halves.
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      QImage picture(64, 48, QImage::Format_RGB888);
      picture.fill(QColor(i == 0 ? 200 : 20, i == 1 ? 200 : 20, i == 2 ? 200 : 20));
      const QByteArray jpeg =
          testkit::EncodeJpeg(picture, testkit::BuildExifPayload(testkit::CameraExif({})), {95});
      tree.File(QStringLiteral("home/Pictures/P%1.jpg").arg(i + 1), jpeg);
    }
  }
  QColor ViewPixel(TMainForm& form, int x, int y) {
    const std::uint8_t* p = form.View()->Buffer().ConstScanLine(y) + 3 * x;
    return QColor(p[2], p[1], p[0]);
  }
  QString Label(TMainForm& form, const char* name) { return form.findChild<QLabel*>(name)->text(); }
  void Key(TMainForm& form, Qt::Key key) { QTest::keyClick(&form, key); }
};

}  // namespace kasumori::ui

// SPDX-License-Identifier: GPL-3.0-or-later
// A main window over a folder of flat-coloured photos, for the strip and wide window tests.
#pragma once

#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "ui/shell/main_form.h"
#include "ui/common/view_image.h"
#include "ui/thumbs/thumb_strip.h"

#include <QMouseEvent>

#include <cstdint>
#include <cstdlib>

namespace kasumori::ui {

inline QColor PixelAt(ViewImage* image, int x, int y) {
  const std::uint8_t* p = image->Buffer().ConstScanLine(y) + 3 * x;
  return QColor(p[2], p[1], p[0]);
}

inline QColor CellPixel(ThumbStrip& strip, int cell) { return PixelAt(strip.Cell(cell), 40, 30); }

inline bool Grey(const QColor& c) { return c == QColor(128, 128, 128); }

// Thumbnails are JPEG-decoded and averaged: a flat colour comes back within a few steps.
inline bool Near(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
         std::abs(a.blue() - b.blue()) <= 8;
}

// The band at the cell's bottom edge (rows 44..56) shows the cell's own photo: no type label
// on it (it ends at column 76) and no band saved from another photo.
inline bool BandShowsItsOwnPhoto(ViewImage* cell) {
  return Near(PixelAt(cell, 10, 50), PixelAt(cell, 10, 30)) &&
         Near(PixelAt(cell, 70, 50), PixelAt(cell, 70, 30));
}

class StripTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  // P01.jpg … with a red that steps by 40 from one photo to the next (repeating every 6).
  void Photos(int count, const QString& folder = QStringLiteral("home/Pictures")) {
    for (int i = 1; i <= count; ++i) {
      QImage picture(160, 120, QImage::Format_RGB888);
      picture.fill(QColor(40 * (i % 6), 200, 100));
      tree.File(QStringLiteral("%1/P%2.jpg").arg(folder).arg(i, 2, 10, QChar('0')),
                testkit::EncodeJpeg(picture, {}, {90}));
    }
  }
  // The pointer moves over `widget` with no button down, as the window system delivers it.
  static void MoveOver(QWidget* widget, QPoint at = QPoint(5, 5)) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
  }
};

}  // namespace kasumori::ui

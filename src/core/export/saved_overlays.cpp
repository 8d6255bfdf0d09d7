// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/saved_overlays.h"

#include "pixels/dib_views.h"

namespace kasumori::exporting {

namespace {

void DrawOverlay(const pixels::PixelView& target, const QRect& area, const SavedOverlay& overlay) {
  const QImage strip = overlay.picture.convertToFormat(QImage::Format_RGB32);
  const QRect placed = QRect(overlay.position - area.topLeft(), strip.size());
  const QRect visible = placed & QRect(0, 0, target.width, target.height);
  for (int y = visible.top(); y <= visible.bottom(); ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(strip.constScanLine(y - placed.y()));
    std::uint8_t* row = target.Row(y);
    for (int x = visible.left(); x <= visible.right(); ++x) {
      const QRgb colour = source[x - placed.x()];
      std::uint8_t* pixel = row + x * pixels::kBytesPerPixel;
      pixel[0] = std::uint8_t(qBlue(colour));
      pixel[1] = std::uint8_t(qGreen(colour));
      pixel[2] = std::uint8_t(qRed(colour));
    }
  }
}

}  // namespace

bool SavesOverlays(const config::Settings& settings, bool wholeZoom) {
  return !wholeZoom && settings.SaveComments == 1 && settings.CommentsShown == 1;
}

void DrawOverlays(imaging::TQxDIB& picture, const QRect& area,
                  const std::vector<SavedOverlay>& overlays) {
  const pixels::PixelView target = pixels::ViewOf(picture);
  if (target.Empty()) return;
  for (const SavedOverlay& overlay : overlays) {
    if (!overlay.picture.isNull()) DrawOverlay(target, area, overlay);
  }
}

}  // namespace kasumori::exporting

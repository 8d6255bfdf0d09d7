// SPDX-License-Identifier: GPL-3.0-or-later
// The comment strips laid over the display go into a saved picture where the user saw them.
#pragma once

#include "config/settings.h"
#include "imaging/dib/qx_dib.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace kasumori::exporting {

struct SavedOverlay {
  QImage picture;
  QPoint position;  // top-left in the display area
};

// Strips go into screen captures when both settings allow it; the whole zoomed picture is
// rendered anew and has no screen position for them.
bool SavesOverlays(const config::Settings& settings, bool wholeZoom);

// Copies the strips into `picture`, the capture of `area` of the display area; what lies
// outside the area is left out.
void DrawOverlays(imaging::TQxDIB& picture, const QRect& area,
                  const std::vector<SavedOverlay>& overlays);

}  // namespace kasumori::exporting

// SPDX-License-Identifier: GPL-3.0-or-later
// Which part of the display area a save takes: the whole zoomed picture, the whole area, or the
// area without the black bars the photo's aspect left beside it.
#pragma once

#include <QRect>
#include <QSize>

namespace kasumori::exporting {

struct SaveAreaInput {
  QSize display;           // DisplayWidth × DisplayHeight
  bool zoom = false;       // ZoomMode
  QSize zoomed;            // ZoomedWidth × ZoomedHeight, in zoom mode
  bool panorama = false;   // any panorama mode
  bool zoomWhole = false;  // SaveZoomWhole
  int marginX = 0;         // the normal compositor's black margins left of and above the photo
  int marginY = 0;
};

struct SaveAreaPlan {
  bool wholeZoom = false;  // the whole zoomed picture, rendered anew at its full size
  bool askAboutBars = false;
  QRect withBars;  // the area when the bars are kept (or there are none)
  QRect withoutBars;
};

SaveAreaPlan PlanSaveArea(const SaveAreaInput& in);

}  // namespace kasumori::exporting

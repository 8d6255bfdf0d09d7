// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/save_area.h"

namespace kasumori::exporting {

namespace {

// A zoomed picture narrower than the area is centred in it: its bar is half the difference,
// each half truncated as the zoom compositor places it.
int ZoomBar(int display, int zoomed) { return zoomed < display ? display / 2 - zoomed / 2 : 0; }

}  // namespace

SaveAreaPlan PlanSaveArea(const SaveAreaInput& in) {
  SaveAreaPlan plan;
  const QRect whole(QPoint(0, 0), in.display);
  if (in.zoom && in.zoomWhole && !in.panorama) {
    plan.wholeZoom = true;
    plan.withBars = plan.withoutBars = QRect(QPoint(0, 0), in.zoomed);
    return plan;
  }
  plan.withBars = plan.withoutBars = whole;
  if (in.panorama) return plan;
  const int barX = in.zoom ? ZoomBar(in.display.width(), in.zoomed.width()) : in.marginX;
  const int barY = in.zoom ? ZoomBar(in.display.height(), in.zoomed.height()) : in.marginY;
  if (barX <= 0 && barY <= 0) return plan;
  // With SaveZoomWhole = 1 the user has chosen pictures without bars: they are cut unasked.
  plan.askAboutBars = !in.zoomWhole;
  plan.withoutBars =
      QRect(barX, barY, in.display.width() - 2 * barX, in.display.height() - 2 * barY);
  if (!plan.askAboutBars) plan.withBars = plan.withoutBars;
  return plan;
}

}  // namespace kasumori::exporting

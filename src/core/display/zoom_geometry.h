// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of zoom mode, apart from any pixel: the zoomed size, the reduction at which a
// large enlargement is kept, the visible window and where the view centre lies in the photo.
#pragma once

namespace kasumori::display {

// Photos above this many pixels are kept at a reduced size from 400 %, smaller ones from 800 %.
inline constexpr long long kZoomReduceThreshold = 1'392'640;
// No zoomed picture is kept larger than this, whatever a record asks: the reduction grows
// until it fits (the record's own limit keeps ordinary requests far below it).
inline constexpr long long kMaxKeptZoomPixels = 100'000'000;

struct ZoomGeometry {
  int RotatedWidth = 0;  // RW, RH
  int RotatedHeight = 0;
  double Scale = 1;  // f: photo pixels per zoomed pixel
  int ViewPercent = 100;
  int ZoomedWidth = 0;  // ZW = rnd(RW / f), ZH
  int ZoomedHeight = 0;
  int reduction = 1;  // k: the kept picture is ZW div k × ZH div k
  int KeptWidth() const { return ZoomedWidth / reduction; }
  int KeptHeight() const { return ZoomedHeight / reduction; }
};

// k from the photo's size and the view percentage.
int ZoomReduction(int rotatedWidth, int rotatedHeight, int viewPercent);
ZoomGeometry PlanZoomGeometry(int rotatedWidth, int rotatedHeight, double scale, int viewPercent);

// The view's top-left corner in zoomed pixels: the zoom centre (photo pixels, −1 = the
// middle) in the middle of a W × H view.
struct ZoomOrigin {
  int x = 0;
  int y = 0;
};
ZoomOrigin ZoomOriginFor(const ZoomGeometry& g, int centreX, int centreY, int width, int height);

// One draw of the view: the origin held inside the zoomed picture, the black offset of a
// picture narrower (or lower) than the view, and the window of the kept picture that is
// copied, with the rectangle of the pane it lands on.
struct ZoomWindow {
  ZoomOrigin origin;
  int gx = 0;  // offsets of a zoomed picture smaller than the view
  int gy = 0;
  int sourceX = 0;  // in the kept picture
  int sourceY = 0;
  int sourceWidth = 0;
  int sourceHeight = 0;
  int targetWidth = 0;  // from the pane's corner + (gx, gy)
  int targetHeight = 0;
};
ZoomWindow PlanZoomWindow(const ZoomGeometry& g, ZoomOrigin origin, int width, int height);

// The photo point now in the middle of the view.
ZoomOrigin ZoomCentreOf(const ZoomGeometry& g, ZoomOrigin origin, int width, int height);

// The enlargement relative to the fitted width (RW / f / W), kept when the display width
// changes: the new scale and percentage for a new width, or nothing when the picture would
// pass the zoom pixel limit (the old values stay, and the enlargement is still the one to
// return to).
double WidthFitOf(int rotatedWidth, double scale, int width);
struct ZoomRescale {
  bool changed = false;
  double Scale = 1;
  int ViewPercent = 100;
};
ZoomRescale RescaleZoom(int rotatedWidth, int rotatedHeight, double widthFit, int newWidth);

}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/zoom_geometry.h"

#include "display/compose_geometry.h"
#include "records/zoom_scale.h"

#include <algorithm>
#include <cmath>

namespace kasumori::display {

int ZoomReduction(int rotatedWidth, int rotatedHeight, int viewPercent) {
  const long long pixels = (long long)rotatedWidth * rotatedHeight;
  if (pixels > kZoomReduceThreshold && viewPercent >= 400) return viewPercent / 200;
  if (pixels <= kZoomReduceThreshold && viewPercent >= 800) return viewPercent / 400;
  return 1;
}

ZoomGeometry PlanZoomGeometry(int rotatedWidth, int rotatedHeight, double scale, int viewPercent) {
  ZoomGeometry g;
  g.RotatedWidth = rotatedWidth;
  g.RotatedHeight = rotatedHeight;
  g.Scale = scale > 0 ? scale : 1;
  g.ViewPercent = viewPercent;
  g.ZoomedWidth = int(std::max(RoundHalfUp(rotatedWidth / g.Scale), 1LL));
  g.ZoomedHeight = int(std::max(RoundHalfUp(rotatedHeight / g.Scale), 1LL));
  g.reduction = std::max(ZoomReduction(rotatedWidth, rotatedHeight, viewPercent), 1);
  while ((long long)g.KeptWidth() * g.KeptHeight() > kMaxKeptZoomPixels) ++g.reduction;
  return g;
}

ZoomOrigin ZoomOriginFor(const ZoomGeometry& g, int centreX, int centreY, int width, int height) {
  if (centreX == -1) return {g.ZoomedWidth / 2 - width / 2, g.ZoomedHeight / 2 - height / 2};
  return {int(RoundHalfUp(centreX / g.Scale)) - width / 2,
          int(RoundHalfUp(centreY / g.Scale)) - height / 2};
}

ZoomWindow PlanZoomWindow(const ZoomGeometry& g, ZoomOrigin origin, int width, int height) {
  ZoomWindow w;
  w.origin.x = std::max(std::min(origin.x, g.ZoomedWidth - width), 0);
  w.origin.y = std::max(std::min(origin.y, g.ZoomedHeight - height), 0);
  w.gx = g.ZoomedWidth < width ? width / 2 - g.ZoomedWidth / 2 : 0;
  w.gy = g.ZoomedHeight < height ? height / 2 - g.ZoomedHeight / 2 : 0;
  const int k = g.reduction;
  w.sourceX = w.origin.x / k;
  w.sourceY = w.origin.y / k;
  // The window is W div k × H div k; where it reaches past the kept picture nothing is copied,
  // so a picture smaller than the view keeps black around it.
  w.sourceWidth = std::max(std::min(width / k, g.KeptWidth() - w.sourceX), 0);
  w.sourceHeight = std::max(std::min(height / k, g.KeptHeight() - w.sourceY), 0);
  w.targetWidth = w.sourceWidth == width / k ? width : w.sourceWidth * k;
  w.targetHeight = w.sourceHeight == height / k ? height : w.sourceHeight * k;
  w.targetWidth = std::min(w.targetWidth, width - w.gx);
  w.targetHeight = std::min(w.targetHeight, height - w.gy);
  return w;
}

ZoomOrigin ZoomCentreOf(const ZoomGeometry& g, ZoomOrigin origin, int width, int height) {
  return {g.ZoomedWidth < width ? g.RotatedWidth / 2
                                : int(RoundHalfUp((width / 2 + origin.x) * g.Scale)),
          g.ZoomedHeight < height ? g.RotatedHeight / 2
                                  : int(RoundHalfUp((height / 2 + origin.y) * g.Scale))};
}

double WidthFitOf(int rotatedWidth, double scale, int width) {
  return scale > 0 && width > 0 ? rotatedWidth / scale / width : 0;
}

ZoomRescale RescaleZoom(int rotatedWidth, int rotatedHeight, double m, int newWidth) {
  if (m <= 0 || newWidth <= 0) return {};
  ZoomRescale r;
  r.Scale = rotatedWidth / (newWidth * m);
  r.ViewPercent = int(std::trunc(100 / r.Scale + 0.5));
  const double pixels = std::trunc(
      double(rotatedWidth) * r.ViewPercent / 100 * rotatedHeight * r.ViewPercent / 100 + 0.5);
  r.changed = pixels <= records::kZoomPixelLimit;
  return r;
}

}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/zoom_scale.h"

#include <cmath>
#include <limits>

namespace kasumori::records {

namespace {

// A record may claim any magnification. A percentage past what an int holds would be undefined
// to convert, and snaps to the largest step anyway, so it is held at the int's maximum.
int RoundedPercent(double scale) {
  const double percent = std::trunc(100.0 / scale + 0.5);
  return percent < double(std::numeric_limits<int>::max()) ? static_cast<int>(percent)
                                                           : std::numeric_limits<int>::max();
}

// The enlargements the zoom steps offer above 400 %; a record's value snaps down to one of
// them. The exact values 800 and 1600 are kept as they are.
int SnappedPercent(int percent) {
  if (percent > 1600) return 1600;
  if (percent > 800 && percent < 1600) return 800;
  if (percent > 400 && percent < 800) return 400;
  return percent;
}

}  // namespace

ZoomScale RecordZoomScale(int rotatedWidth, int rotatedHeight, int displayWidth,
                          double magnification) {
  ZoomScale zoom;
  zoom.Scale = rotatedWidth / (displayWidth * magnification);
  zoom.ViewPercent = SnappedPercent(RoundedPercent(zoom.Scale));
  const double enlargedPixels = std::trunc(
      double(rotatedWidth) * zoom.ViewPercent / 100 * rotatedHeight * zoom.ViewPercent / 100 + 0.5);
  if (enlargedPixels > kZoomPixelLimit) {
    zoom.Scale = rotatedWidth / 80.0;
    zoom.ViewPercent = RoundedPercent(zoom.Scale);
  }
  return zoom;
}

RecordZoom MakeRecordZoom(bool on, double magnification, int centreX, int centreY, int rotatedWidth,
                          int rotatedHeight, int displayWidth) {
  RecordZoom zoom;
  zoom.On = on;
  zoom.Scale = RecordZoomScale(rotatedWidth, rotatedHeight, displayWidth, magnification);
  zoom.CentreX = centreX >= rotatedWidth ? rotatedWidth / 2 : centreX;
  zoom.CentreY = centreY >= rotatedHeight ? rotatedHeight / 2 : centreY;
  return zoom;
}

}  // namespace kasumori::records

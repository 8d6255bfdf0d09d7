// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/compose_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kasumori::display {

namespace {

bool Turned(Rotation rotation) { return rotation == Rotation::Right || rotation == Rotation::Left; }

// Boxes needed to cover `rotated` pixels with `display` of them: the quotient rounded up.
int BoxCount(int rotated, int display) { return rotated / display + (rotated % display > 0); }

// The black band before the picture: (display − rnd(rotated / f)) div 2, divided in 64 bits.
std::int64_t Margin(int display, int rotated, double f) {
  return (std::int64_t(display) - RoundHalfUp(double(rotated) / f)) / 2;
}

// The source pixels cut away before the picture when it overhangs the display.
int Crop(int rotated, int display, double f) {
  return int((std::int64_t(rotated) - RoundHalfUp(double(display) * f)) / 2);
}

struct Axis {
  int margin = 0;
  int crop = 0;
};

// Wide mode: a negative margin means the picture overhangs; the overhang becomes the crop.
Axis WideAxis(int display, int rotated, double f) {
  const std::int64_t margin = Margin(display, rotated, f);
  if (margin >= 0) return {int(margin), 0};
  return {0, std::max(Crop(rotated, display, f), 0)};
}

Axis FitAxis(int display, int rotated, double f) {
  return {int(std::max<std::int64_t>(Margin(display, rotated, f), 0)), 0};
}

}  // namespace

long long RoundHalfUp(double x) { return static_cast<long long>(std::trunc(x + 0.5)); }

int RotatedWidthOf(int sourceWidth, int sourceHeight, Rotation rotation) {
  return Turned(rotation) ? sourceHeight : sourceWidth;
}

int RotatedHeightOf(int sourceWidth, int sourceHeight, Rotation rotation) {
  return Turned(rotation) ? sourceWidth : sourceHeight;
}

ComposeGeometry PlanComposeGeometry(const ComposeGeometryInput& in) {
  ComposeGeometry out;
  const int rw = std::max(RotatedWidthOf(in.sourceWidth, in.sourceHeight, in.rotation), 0);
  const int rh = std::max(RotatedHeightOf(in.sourceWidth, in.sourceHeight, in.rotation), 0);
  const int w = std::max(in.width, 1);
  const int h = std::max(in.height, 1);
  out.RotatedWidth = rw;
  out.RotatedHeight = rh;
  const int nW = BoxCount(rw, w);
  const int nH = BoxCount(rh, h);
  const double heightRatio = double(rh) / h;
  const double widthRatio = double(rw) / w;
  int n = nW;
  double f = 1.0;
  Axis x, y;
  if (!in.wide) {
    // Fit: the axis that overhangs more sets the scale.
    if (heightRatio > widthRatio) {
      n = nH;
      f = std::max(heightRatio, 1.0);
    } else {
      f = std::max(widthRatio, 1.0);
    }
    x = FitAxis(w, rw, f);
    y = FitAxis(h, rh, f);
  } else {
    // Wide: the axis that overhangs less sets the scale; the other is cropped.
    if (heightRatio >= widthRatio) {
      f = std::max(widthRatio, 1.0);
    } else {
      n = nH;
      f = std::max(heightRatio, 1.0);
    }
    x = WideAxis(w, rw, f);
    y = WideAxis(h, rh, f);
  }
  out.boxCount = std::max(n, 1);
  out.cropX = x.crop;
  out.cropY = y.crop;
  out.scale = {f, x.margin, y.margin, int(RoundHalfUp(x.crop / f)), int(RoundHalfUp(y.crop / f))};
  out.ViewPercent = int(RoundHalfUp(100.0 / f));
  return out;
}

}  // namespace kasumori::display

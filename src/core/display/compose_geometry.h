// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of a normal-mode composition, planned once before any pixel is touched: the
// rotated size, the scale, the black margins, the wide-mode crop and the resampling box.
#pragma once

#include "display/quality_types.h"

namespace kasumori::display {

// The scale of the last composition: source pixels per display pixel (at least 1.0), the
// black bands left of and above the picture in display pixels, and the wide-mode crop in
// display pixels.
struct DisplayScale {
  double Scale = 1.0;
  int MarginX = 0;
  int MarginY = 0;
  int CropX = 0;
  int CropY = 0;
  friend bool operator==(const DisplayScale&, const DisplayScale&) = default;
};

struct ComposeGeometryInput {
  int sourceWidth = 0;
  int sourceHeight = 0;
  Rotation rotation = Rotation::None;
  int width = 0;   // DisplayWidth
  int height = 0;  // DisplayHeight
  bool wide = false;
};

struct ComposeGeometry {
  int RotatedWidth = 0;
  int RotatedHeight = 0;
  DisplayScale scale;
  int ViewPercent = 100;
  int cropX = 0;  // source crop in rotated source pixels (wide mode)
  int cropY = 0;
  int boxCount = 1;  // n of the plain box (samples per axis)
};

// rnd(x) = x + 0.5 truncated toward zero, the rounding of every formula of the compositor.
long long RoundHalfUp(double x);

int RotatedWidthOf(int sourceWidth, int sourceHeight, Rotation rotation);
int RotatedHeightOf(int sourceWidth, int sourceHeight, Rotation rotation);

// The whole plan. Display sizes below 1 are treated as 1 and margins never go below 0, so the
// kernels that follow need no checks.
ComposeGeometry PlanComposeGeometry(const ComposeGeometryInput& in);

}  // namespace kasumori::display

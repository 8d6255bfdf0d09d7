// SPDX-License-Identifier: GPL-3.0-or-later
// The fitted picture: the whole rotated photo fitted into the 80 × 60 cell, each cell pixel the
// average of at most 8 × 8 samples of its block however large the photo is.
#pragma once

#include "pixels/pixel_view.h"
#include "thumbs/thumbnail_blocks.h"

namespace kasumori::thumbs {

struct FitPlan {
  int blockSize = 1;  // M
  double scale = 1;   // f, rotated-photo pixels per cell pixel
  int offsetX = 0;    // X0: black columns on the left of a taller-than-4:3 picture
  int offsetY = 0;    // Y0: black rows above a wider picture
  int step = 1;       // g
  int samples = 1;    // n per axis, at most 8
  int tolerance = 0;  // T = n − 1
};

// The geometry for a rotated photo of t0 × u0 pixels (both at least 1).
FitPlan PlanFit(int t0, int u0);

// Fills the cell from (offsetX, offsetY) on; the band beyond the picture on the far side gets
// edge or black samples. The cell must be black already.
void RenderFitted(const RotatedSource& source, const FitPlan& plan, const BlockColour& colour,
                  const pixels::PixelView& cell);

}  // namespace kasumori::thumbs

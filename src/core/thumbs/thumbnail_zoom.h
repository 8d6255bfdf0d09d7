// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom window of a zoomed edit record: an 80 × 60 cut of the photo shown at the record's
// magnification, around its zoom centre.
#pragma once

#include "pixels/pixel_view.h"
#include "thumbs/thumbnail_blocks.h"

namespace kasumori::thumbs {

struct ZoomPlan {
  double scale = 1;   // V, rotated-photo pixels per zoom-image pixel
  int percent = 100;  // P
  int width = 0;      // Wz × Hz, the zoom image
  int height = 0;
  int originX = 0;  // the window's corner in the zoom image
  int originY = 0;
  int destX = 0;  // where the window lands in the cell (centred when the image is smaller)
  int destY = 0;
  int divisor = 1;  // k: an enlarged image is kept k times smaller and stretched at the end
};

// t0 × u0 is the rotated photo, z > 0 the magnification (80 zoom pixels show t0 / z photo
// pixels), (cx, cy) the centre in photo pixels of the decoded scale, cx = −1 for the middle.
ZoomPlan PlanZoom(int t0, int u0, double z, int cx, int cy);

// Draws the window into the cell, which must be black already.
void RenderZoomWindow(const RotatedSource& source, const ZoomPlan& plan, const BlockColour& colour,
                      const pixels::PixelView& cell);

}  // namespace kasumori::thumbs

// SPDX-License-Identifier: GPL-3.0-or-later
// The resampling plans of a normal-mode composition: which source pixels each display pixel
// averages, from the composition's geometry and the photo's rotation.
#pragma once

#include "display/compose_geometry.h"
#include "display/quality_types.h"
#include "pixels/resample_high.h"

#include <vector>

namespace kasumori::display {

// The box of the high-quality path: the plain box for scales up to 1 and from 2, and the
// doubled box (each source pixel a 2 × 2 block) between them, all with edge tolerance.
pixels::ResamplePlan PlanHighQuality(const ComposeGeometry& geometry, Rotation rotation, int width,
                                     int height);
// One sample per display pixel, nothing past the photo's edges: the fast path of turned photos.
pixels::ResamplePlan PlanNearest(const ComposeGeometry& geometry, Rotation rotation, int width,
                                 int height);
// One sample per output pixel at the given rotated-frame positions; a position outside the
// photo gives black. The zoom's fast path, whose positions are not one even step apart.
pixels::ResamplePlan PlanAtPositions(int rotatedWidth, int rotatedHeight, Rotation rotation,
                                     const std::vector<long long>& xs,
                                     const std::vector<long long>& ys);

}  // namespace kasumori::display

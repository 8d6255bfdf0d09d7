// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/resample_plan.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "pixels/sample_axis.h"

namespace kasumori::display {

namespace {

// How each rotated-frame axis reads the source (the rotation table): for a quarter turn the
// rotated x runs along source rows, and "reversed" means size − position − 1.
struct AxisRoles {
  bool xReversed;
  bool yReversed;
  bool xIsSourceRow;
};

AxisRoles RolesOf(Rotation rotation) {
  switch (rotation) {
    case Rotation::None:
      return {false, false, false};
    case Rotation::Right:
      return {true, false, true};  // source (Y, RW − X − 1)
    case Rotation::Half:
      return {true, true, false};  // source (RW − X − 1, RH − Y − 1)
    case Rotation::Left:
      return {false, true, true};  // source (RH − Y − 1, X)
  }
  return {false, false, false};
}

pixels::ResamplePlan PlanAxes(const ComposeGeometry& g, Rotation rotation, int width, int height,
                              double step, int samples, int scaleCrop, bool tolerance,
                              bool doubled) {
  const AxisRoles roles = RolesOf(rotation);
  pixels::ResamplePlan plan;
  plan.outputX = g.scale.MarginX;
  plan.outputY = g.scale.MarginY;
  plan.columnsAreSourceRows = roles.xIsSourceRow;
  plan.columns =
      pixels::PlanSampleAxis({std::max(width - plan.outputX, 0), step, g.cropX * scaleCrop, samples,
                              g.RotatedWidth, roles.xReversed, tolerance, doubled});
  plan.rows =
      pixels::PlanSampleAxis({std::max(height - plan.outputY, 0), step, g.cropY * scaleCrop,
                              samples, g.RotatedHeight, roles.yReversed, tolerance, doubled});
  return plan;
}

pixels::SampleAxis AxisAt(const std::vector<long long>& positions, int size, bool reversed) {
  pixels::SampleAxis axis;
  axis.start.reserve(positions.size() + 1);
  axis.start.push_back(0);
  int lowest = INT32_MAX;
  for (const long long q : positions) {
    if (q >= 0 && q < size) {
      const int s = int(reversed ? size - q - 1 : q);
      axis.index.push_back(s);
      lowest = std::min(lowest, s);
      axis.highest = std::max(axis.highest, s);
    }
    axis.start.push_back(std::int32_t(axis.index.size()));
  }
  if (axis.highest >= 0) axis.lowest = lowest;
  return axis;
}

}  // namespace

pixels::ResamplePlan PlanAtPositions(int rotatedWidth, int rotatedHeight, Rotation rotation,
                                     const std::vector<long long>& xs,
                                     const std::vector<long long>& ys) {
  const AxisRoles roles = RolesOf(rotation);
  pixels::ResamplePlan plan;
  plan.columnsAreSourceRows = roles.xIsSourceRow;
  plan.columns = AxisAt(xs, rotatedWidth, roles.xReversed);
  plan.rows = AxisAt(ys, rotatedHeight, roles.yReversed);
  return plan;
}

pixels::ResamplePlan PlanHighQuality(const ComposeGeometry& g, Rotation rotation, int width,
                                     int height) {
  const double f = g.scale.Scale;
  if (f > 1.0 && f < 2.0) {
    // Doubled box: steps of 2f over the doubled frame with ceil(2f) samples (3 or 4).
    const double f2 = 2.0 * f;
    return PlanAxes(g, rotation, width, height, f2, int(std::ceil(f2)), 2, true, true);
  }
  return PlanAxes(g, rotation, width, height, f, g.boxCount, 1, true, false);
}

pixels::ResamplePlan PlanNearest(const ComposeGeometry& g, Rotation rotation, int width,
                                 int height) {
  return PlanAxes(g, rotation, width, height, g.scale.Scale, 1, 1, false, false);
}

}  // namespace kasumori::display

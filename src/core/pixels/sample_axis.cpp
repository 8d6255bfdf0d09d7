// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/sample_axis.h"

#include <algorithm>
#include <cmath>

namespace kasumori::pixels {

namespace {

constexpr std::int64_t kInvalid = -1;

// Maps a rotated-frame position to a coordinate of the (possibly doubled) source axis, or
// kInvalid. The tolerance b is the same on both edges: up to b positions past the last pixel
// repeat it, so a box that only just overhangs still averages the edge colour, and a
// one-sample box (a photo at 100 %) reads nothing past the photo.
std::int64_t MapPosition(std::int64_t q, const SampleAxisInput& in, std::int64_t size,
                         std::int64_t b) {
  std::int64_t s = in.reversed ? size - q - 1 : q;
  if (s < 0) {
    if (s < -b) return kInvalid;
    s = 0;
  } else if (s >= size) {
    if (s > size - 1 + b) return kInvalid;
    s = size - 1;
  }
  return in.doubled ? s / 2 : s;
}

}  // namespace

SampleAxis PlanSampleAxis(const SampleAxisInput& in) {
  SampleAxis axis;
  const int count = std::max(in.outputCount, 0);
  const int n = std::max(in.samples, 1);
  const std::int64_t size = std::int64_t(in.size) * (in.doubled ? 2 : 1);
  const std::int64_t b = in.edgeTolerance ? n - 1 : 0;
  axis.start.reserve(std::size_t(count) + 1);
  axis.index.reserve(std::size_t(count) * std::size_t(n));
  axis.start.push_back(0);
  std::int64_t lowest = INT64_MAX, highest = -1;
  for (int o = 0; o < count; ++o) {
    // rnd(o × step) + crop: the first position of the box, rounded half up.
    const std::int64_t first = std::int64_t(std::trunc(double(o) * in.step + 0.5)) + in.crop;
    for (int i = 0; i < n && size > 0; ++i) {
      const std::int64_t s = MapPosition(first + i, in, size, b);
      if (s == kInvalid) continue;
      axis.index.push_back(std::int32_t(s));
      lowest = std::min(lowest, s);
      highest = std::max(highest, s);
    }
    axis.start.push_back(std::int32_t(axis.index.size()));
  }
  if (highest >= 0) {
    axis.lowest = int(lowest);
    axis.highest = int(highest);
  }
  return axis;
}

}  // namespace kasumori::pixels

// SPDX-License-Identifier: GPL-3.0-or-later
// Which source pixels each display column (or row) of a composition reads, along one axis of
// the rotated frame. Planned once per composition so that the pixel loops look nothing up.
#pragma once

#include <cstdint>
#include <vector>

namespace kasumori::pixels {

struct SampleAxisInput {
  int outputCount = 0;  // display pixels along the axis that receive a value
  double step = 1.0;    // rotated-frame pixels per display pixel
  int crop = 0;         // first rotated-frame position of display pixel 0
  int samples = 1;      // box size n along this axis
  int size = 0;         // rotated size along this axis
  // The source coordinate runs against the rotated one (size − position − 1) instead of with
  // it (the position itself).
  bool reversed = false;
  // Samples up to `samples − 1` past an edge repeat the edge pixel; without tolerance every
  // position outside the photo is left out.
  bool edgeTolerance = true;
  // Doubled frame: every source pixel counts as two positions, so coordinates are halved.
  bool doubled = false;
};

// For display pixel o, the valid source coordinates are index[start[o] .. start[o + 1]);
// a coordinate may repeat (doubled frame, edge tolerance) and then counts each time.
struct SampleAxis {
  std::vector<std::int32_t> start;
  std::vector<std::int32_t> index;
  int lowest = 0;    // smallest coordinate in `index` (0 when empty)
  int highest = -1;  // largest coordinate in `index` (-1 when empty)

  int Count(int o) const { return start[std::size_t(o) + 1] - start[std::size_t(o)]; }
};

SampleAxis PlanSampleAxis(const SampleAxisInput& in);

}  // namespace kasumori::pixels

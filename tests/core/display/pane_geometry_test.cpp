// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "display/pane_geometry.h"

namespace kasumori::display {
namespace {

TEST(PaneGeometryTest, ThePaneUnderAPointByHalfOrQuarter) {
  struct Case {
    PanoramaMode mode;
    int x, y;
    int pane;
  };
  // 800 × 600: the middle column and row belong to the right and the bottom.
  for (const Case c :
       {Case{PanoramaMode::Single, 700, 500, 1}, Case{PanoramaMode::Two, 399, 0, 1},
        Case{PanoramaMode::Two, 400, 0, 2}, Case{PanoramaMode::TwoReversed, 10, 0, 2},
        Case{PanoramaMode::TwoReversed, 799, 599, 1}, Case{PanoramaMode::Four, 400, 299, 2},
        Case{PanoramaMode::Four, 0, 300, 3}, Case{PanoramaMode::Four, 799, 599, 4}}) {
    EXPECT_EQ(PaneAt(c.mode, c.x, c.y, 800, 600), c.pane)
        << int(c.mode) << " " << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace kasumori::display

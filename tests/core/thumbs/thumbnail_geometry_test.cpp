// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "thumbs/thumbnail_blocks.h"
#include "thumbs/thumbnail_fit.h"
#include "thumbs/thumbnail_zoom.h"

namespace kasumori::thumbs {
namespace {

TEST(ThumbnailGeometry, LargeBlocksAreSampledSparsely) {
  const FitPlan half = PlanFit(1024, 768);  // a 2048 × 1536 JPEG decoded at half size
  EXPECT_EQ(half.blockSize, 13);
  EXPECT_EQ(half.step, 2);
  EXPECT_EQ(half.samples, 7);
  const FitPlan wide = PlanFit(6000, 1000);  // 13 rows high, 23 black rows above
  EXPECT_EQ(wide.offsetY, 23);
  EXPECT_EQ(wide.step, 10);
  EXPECT_EQ(wide.samples, 8) << "never more than 8 × 8 samples";
}

TEST(ThumbnailGeometry, ZoomImageLimits) {
  EXPECT_EQ(PlanZoom(2000, 1500, 100.0, -1, -1).divisor, 2);  // P 400, large photo: P div 200
  // Beyond 50 000 000 zoom-image pixels the photo is shown 80 pixels wide.
  const ZoomPlan limited = PlanZoom(4000, 3000, 1e12, 10, 10);
  EXPECT_DOUBLE_EQ(limited.scale, 50.0);
  EXPECT_EQ(limited.width, 80);
  EXPECT_EQ(limited.height, 60);
}

TEST(ThumbnailBlockColour, IntegerAverageContrastAndBlackBlocks) {
  EXPECT_EQ(BlockColour(0, 256).Of(10, 20, 29, 3), (pixels::Bgr{9, 6, 3}));
  // Contrast 128: nearest(100 / 2) + nearest(128 / 2) = 114.
  EXPECT_EQ(BlockColour(0, 128).Of(100, 100, 100, 1), (pixels::Bgr{114, 114, 114}));
  const BlockColour bright(100, 256);
  EXPECT_EQ(bright.Of(0, 0, 0, 4), (pixels::Bgr{0, 0, 0})) << "black stays black";
  EXPECT_EQ(bright.Of(1, 0, 0, 4), (pixels::Bgr{100, 100, 100})) << "sums, not averages";
  EXPECT_EQ(bright.Of(200, 200, 200, 1), (pixels::Bgr{255, 255, 255}));
  EXPECT_EQ(BlockColour(-300, 256).Of(50, 50, 50, 1), (pixels::Bgr{0, 0, 0}));
}

}  // namespace
}  // namespace kasumori::thumbs

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "thumbs/thumbnail_blocks.h"
#include "thumbs/thumbnail_fit.h"
#include "thumbs/thumbnail_zoom.h"

namespace kasumori::thumbs {
namespace {

TEST(ThumbnailGeometry, FitPlansForLandscapePortraitAndSmallPhotos) {
  struct Case {
    int t0, u0, blockSize, offsetX, offsetY, step, samples;
  };
  const Case cases[] = {
      {640, 480, 8, 0, 0, 1, 8},    // exactly 4:3, one sample per source pixel
      {1024, 768, 13, 0, 0, 2, 7},  // a 2048 × 1536 JPEG at half scale
      {480, 640, 11, 17, 0, 2, 6},  // portrait: 45 columns wide, 17 black on the left
      {60, 40, 1, 0, 3, 1, 1},      // enlarged: 53 rows high
      {6000, 1000, 75, 0, 23, 10, 8},
  };
  for (const Case& c : cases) {
    const FitPlan plan = PlanFit(c.t0, c.u0);
    SCOPED_TRACE(testing::Message() << c.t0 << " x " << c.u0);
    EXPECT_EQ(plan.blockSize, c.blockSize);
    EXPECT_EQ(plan.offsetX, c.offsetX);
    EXPECT_EQ(plan.offsetY, c.offsetY);
    EXPECT_EQ(plan.step, c.step);
    EXPECT_EQ(plan.samples, c.samples);
    EXPECT_LE(plan.samples, 8);
    EXPECT_EQ(plan.tolerance, plan.samples - 1);
  }
  EXPECT_DOUBLE_EQ(PlanFit(60, 40).scale, 0.75);
}

TEST(ThumbnailGeometry, ZoomWindowCentredPushedInsideAndKeptSmaller) {
  ZoomPlan centred = PlanZoom(640, 480, 2.0, -1, -1);
  EXPECT_DOUBLE_EQ(centred.scale, 4.0);
  EXPECT_EQ(centred.percent, 25);
  EXPECT_EQ(centred.width, 160);
  EXPECT_EQ(centred.height, 120);
  EXPECT_EQ(centred.originX, 40);
  EXPECT_EQ(centred.originY, 30);
  EXPECT_EQ(centred.divisor, 1);

  const ZoomPlan edge = PlanZoom(640, 480, 2.0, 630, 470);
  EXPECT_EQ(edge.originX, 80) << "pushed back inside the 160-pixel zoom image";
  EXPECT_EQ(edge.originY, 60);
  const ZoomPlan corner = PlanZoom(640, 480, 2.0, 3, 2);
  EXPECT_EQ(corner.originX, 0);
  EXPECT_EQ(corner.originY, 0);

  const ZoomPlan small = PlanZoom(40, 30, 0.5, -1, -1);  // zoom image 40 × 30 inside the cell
  EXPECT_EQ(small.destX, 20);
  EXPECT_EQ(small.destY, 15);
  EXPECT_EQ(PlanZoom(20, 15, 4.0, -1, -1).divisor, 4);        // P 1600, small photo: P div 400
  EXPECT_EQ(PlanZoom(2000, 1500, 100.0, -1, -1).divisor, 2);  // P 400, large photo: P div 200
}

TEST(ThumbnailGeometry, ZoomBeyondThePixelLimitShowsThePhoto80Wide) {
  const ZoomPlan plan = PlanZoom(4000, 3000, 1e12, 10, 10);
  EXPECT_DOUBLE_EQ(plan.scale, 50.0);
  EXPECT_EQ(plan.width, 80);
  EXPECT_EQ(plan.height, 60);
}

TEST(ThumbnailBlockColour, IntegerAverageBrightnessOverflowAndContrast) {
  const BlockColour plain(0, 256);
  EXPECT_EQ(plain.Of(10, 20, 29, 3), (display::Bgr{9, 6, 3}));
  // Red 200 + 100 = 300: red becomes 255 and its excess 45 leaves green and blue.
  const BlockColour bright(100, 256);
  EXPECT_EQ(bright.Of(200, 180, 150, 1), (display::Bgr{205, 235, 255}));
  EXPECT_EQ(bright.Of(200, 200, 200, 1), (display::Bgr{255, 255, 255}));
  EXPECT_EQ(bright.Of(0, 0, 0, 4), (display::Bgr{0, 0, 0})) << "black stays black";
  EXPECT_EQ(bright.Of(1, 0, 0, 4), (display::Bgr{100, 100, 100})) << "sums, not averages";
  // Contrast 128: nearest(100 / 2) + nearest(128 / 2) = 114.
  EXPECT_EQ(BlockColour(0, 128).Of(100, 100, 100, 1), (display::Bgr{114, 114, 114}));
  EXPECT_EQ(BlockColour(-300, 256).Of(50, 50, 50, 1), (display::Bgr{0, 0, 0}));
}

TEST(ThumbnailBlocks, RotatedSourceMapsEveryQuarterTurn) {
  // A 3 × 2 picture whose blue byte numbers the pixel: 0 1 2 / 3 4 5.
  std::uint8_t bytes[2][12] = {};
  for (int i = 0; i < 6; ++i) bytes[i / 3][(i % 3) * 3] = std::uint8_t(i);
  const display::ConstPixelView view(&bytes[0][0], 3, 2, 12);
  const auto order = [&](int rotation) {
    const RotatedSource source(view, rotation);
    std::vector<int> values;
    for (int y = 0; y < source.Height(); ++y)
      for (int x = 0; x < source.Width(); ++x) values.push_back(*source.Pixel(x, y));
    return values;
  };
  EXPECT_EQ(order(0), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(order(1), (std::vector<int>{3, 0, 4, 1, 5, 2}));  // turned clockwise
  EXPECT_EQ(order(-1), (std::vector<int>{2, 5, 1, 4, 0, 3}));
  EXPECT_EQ(order(2), (std::vector<int>{5, 4, 3, 2, 1, 0}));
}

}  // namespace
}  // namespace kasumori::thumbs

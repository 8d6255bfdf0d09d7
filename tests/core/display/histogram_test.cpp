// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/histogram.h"

#include <gtest/gtest.h>

#include "display_reference.h"

namespace kasumori::display {
namespace {

using testkit::TestColour;
using testkit::TestPicture;

// The height of the white column at `column`; the column must reach the bottom row unbroken.
int ColumnHeight(const TestPicture& image, int column) {
  int height = 0;
  while (height < kHistogramHeight &&
         image.At(column, kHistogramHeight - 1 - height) == TestColour{255, 255, 255})
    ++height;
  for (int y = 0; y < kHistogramHeight - height; ++y)
    EXPECT_EQ(image.At(column, y), (TestColour{0, 0, 0})) << "column " << column << " row " << y;
  return height;
}

TEST(HistogramTest, ScaleFollowsThePeakOfTheMiddleBins) {
  HistogramCounts counts{};
  counts[60] = 5000;  // step 100: a full column
  counts[61] = 99;    // one step rounded up
  counts[62] = 101;
  TestPicture image(kHistogramWidth, kHistogramHeight);
  DrawHistogramColumns(counts, image.View());
  EXPECT_EQ(ColumnHeight(image, 60), 50);
  EXPECT_EQ(ColumnHeight(image, 61), 1);
  EXPECT_EQ(ColumnHeight(image, 62), 2);
  EXPECT_EQ(ColumnHeight(image, 63), 0);
  counts[60] = 5050;  // step 101, still 50 high
  DrawHistogramColumns(counts, image.View());
  EXPECT_EQ(ColumnHeight(image, 60), 50);
  EXPECT_EQ(ColumnHeight(image, 62), 1);
  EXPECT_TRUE(image.PaddingIntact());
}

TEST(HistogramTest, EdgeBinsDoNotSetTheScale) {
  // A black picture: bin 0 only, peak 1, step 1, the column capped at 50.
  TestPicture black(40, 30);
  black.Fill({0, 0, 0});
  const HistogramCounts counts = CountHistogram(black.View());
  EXPECT_EQ(counts[0], 1200u);
  TestPicture image(kHistogramWidth, kHistogramHeight);
  DrawHistogramColumns(counts, image.View());
  EXPECT_EQ(ColumnHeight(image, 0), 50);
  HistogramCounts edges{};
  edges[1] = 1000;
  edges[126] = 1000;
  edges[125] = 3;  // the middle peak: step 1
  DrawHistogramColumns(edges, image.View());
  EXPECT_EQ(ColumnHeight(image, 125), 3);
  EXPECT_EQ(ColumnHeight(image, 1), 50);
  EXPECT_EQ(ColumnHeight(image, 126), 50);
}

TEST(HistogramTest, CountsOnlyThePictureInsideTheBands) {
  TestPicture composed(60, 40);
  composed.FillRandom(11, 0.2);
  HistogramPanel panel;
  TestPicture image(kHistogramWidth, kHistogramHeight);
  panel.DrawHistogram(image.View(), composed.View(), {7, 3}, false);
  EXPECT_TRUE(panel.HistogramShown());
  const auto want = reference::Histogram(composed, 7, 3);
  const HistogramCounts got = CountHistogram(pixels::SubView(composed.View(), 7, 3, 46, 34));
  for (int i = 0; i < kHistogramBins; ++i) ASSERT_EQ(got[std::size_t(i)], want[std::size_t(i)]);
  TestPicture expected(kHistogramWidth, kHistogramHeight);
  DrawHistogramColumns(got, expected.View());
  EXPECT_TRUE(image.SamePixels(expected));

  // The full-screen window leaves the panel alone; clearing empties it.
  panel.ClearHistogram(image.View(), true);
  EXPECT_TRUE(panel.HistogramShown());
  panel.ClearHistogram(image.View(), false);
  EXPECT_FALSE(panel.HistogramShown());
  TestPicture blank(kHistogramWidth, kHistogramHeight);
  EXPECT_TRUE(image.SamePixels(blank));
}

TEST(HistogramTest, GreyStrip) {
  TestPicture strip(kHistogramWidth, kHistogramStripHeight);
  DrawHistogramStrip(strip.View());
  for (int x = 0; x < kHistogramWidth; ++x) {
    EXPECT_EQ(strip.At(x, 0), (TestColour{128, 128, 128}));
    const auto level = std::uint8_t(x == 0 ? 0 : 2 * x + 1);
    for (int y = 1; y < kHistogramStripHeight; ++y)
      ASSERT_EQ(strip.At(x, y), (TestColour{level, level, level}));
  }
  EXPECT_EQ(strip.At(127, 1), (TestColour{255, 255, 255}));
}

}  // namespace
}  // namespace kasumori::display

// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/zoom_scale.h"

#include <gtest/gtest.h>

namespace kasumori::records {
namespace {

struct ScaleCase {
  int width, height, displayWidth;
  double magnification;
  double scale;
  int percent;
};

TEST(ZoomScaleTest, PercentSnapsToTheZoomStepsAboveFourHundred) {
  const ScaleCase cases[] = {
      {800, 600, 800, 1, 1.0, 100},  // the width across the display area
      {1600, 1200, 800, 1, 2.0, 50},
      {800, 600, 800, 4, 0.25, 400},
      {800, 600, 800, 4.02, 800 / (800 * 4.02), 400},  // 402 % snaps down
      {800, 600, 800, 8, 0.125, 800},                  // 800 exactly stays
      {800, 600, 800, 12, 800 / (800 * 12.0), 800},
      {100, 100, 100, 16, 1 / 16.0, 1600},
      {100, 100, 100, 30, 1 / 30.0, 1600},
      {100, 100, 100, 1e46, 1 / 1e46, 1600},  // past any int percentage
      {1000, 10, 3, 1, 1000 / 3.0, 0},        // a tiny percentage rounds to 0
  };
  for (const ScaleCase& c : cases) {
    const ZoomScale z = RecordZoomScale(c.width, c.height, c.displayWidth, c.magnification);
    EXPECT_DOUBLE_EQ(z.Scale, c.scale) << c.magnification;
    EXPECT_EQ(z.ViewPercent, c.percent) << c.magnification;
  }
}

TEST(ZoomScaleTest, AnEnlargementPastTheLimitFallsBackToEightyPixelsAcross) {
  // 4000 × 3000 at 400 % would be 192 million pixels.
  const ZoomScale z = RecordZoomScale(4000, 3000, 1000, 16);
  EXPECT_DOUBLE_EQ(z.Scale, 50.0);
  EXPECT_EQ(z.ViewPercent, 2);
  // 5000 × 10000 at 100 % is exactly the limit: kept.
  EXPECT_EQ(RecordZoomScale(5000, 10000, 5000, 1).ViewPercent, 100);
}

TEST(ZoomScaleTest, ACentreAtOrPastTheEdgeBecomesTheMiddle) {
  const RecordZoom inside = MakeRecordZoom(true, 1, 639, 479, 640, 480, 800);
  EXPECT_EQ(inside.CentreX, 639);
  EXPECT_EQ(inside.CentreY, 479);
  const RecordZoom edge = MakeRecordZoom(true, 1, 640, 481, 640, 481, 800);
  EXPECT_EQ(edge.CentreX, 320);
  EXPECT_EQ(edge.CentreY, 240);
  EXPECT_EQ(MakeRecordZoom(false, 1, -5, 0, 640, 480, 800).CentreX, -5);
}

}  // namespace
}  // namespace kasumori::records

// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/compose_geometry.h"

#include <gtest/gtest.h>

#include "display/compose_labels.h"

namespace kasumori::display {
namespace {

TEST(ComposeGeometryTest, SmallPhotoIsShownAtFullSizeAndCentred) {
  const ComposeGeometry g = PlanComposeGeometry({320, 240, Rotation::None, 800, 600, false});
  EXPECT_EQ(g.scale, (DisplayScale{1.0, 240, 180, 0, 0}));
  EXPECT_EQ(g.ViewPercent, 100);
  EXPECT_EQ(g.boxCount, 1);
  EXPECT_EQ(RatioText(g.ViewPercent), "100%");
}

TEST(ComposeGeometryTest, WideModeCropsTheOverhangingSide) {
  const ComposeGeometry g = PlanComposeGeometry({1500, 1000, Rotation::None, 800, 600, true});
  EXPECT_DOUBLE_EQ(g.scale.Scale, 1000.0 / 600.0);
  EXPECT_EQ(g.scale.MarginX, 0);
  EXPECT_EQ(g.scale.MarginY, 0);
  EXPECT_EQ(g.cropX, 83);  // (1500 − 1333) div 2
  EXPECT_EQ(g.scale.CropX, 50);
  EXPECT_EQ(g.cropY, 0);
  EXPECT_EQ(g.boxCount, 2);  // the box count of the height, which sets the scale
  // Fit mode shows all of it with bands above and below.
  const ComposeGeometry fit = PlanComposeGeometry({1500, 1000, Rotation::None, 800, 600, false});
  EXPECT_DOUBLE_EQ(fit.scale.Scale, 1.875);
  EXPECT_EQ(fit.scale.MarginY, (600 - 533) / 2);
  EXPECT_EQ(fit.ViewPercent, 53);
}

TEST(ComposeGeometryTest, DegenerateInputsStillPlan) {
  // An empty photo or area gives a plan the kernels can run without checks.
  const ComposeGeometry empty = PlanComposeGeometry({0, 0, Rotation::None, 800, 600, false});
  EXPECT_EQ(empty.scale.Scale, 1.0);
  EXPECT_GE(empty.scale.MarginX, 0);
  const ComposeGeometry tiny = PlanComposeGeometry({5000, 10, Rotation::None, 0, 0, true});
  EXPECT_GE(tiny.scale.MarginX, 0);
  EXPECT_GE(tiny.cropX, 0);
  const ComposeGeometry thin = PlanComposeGeometry({100000, 1, Rotation::None, 800, 600, false});
  EXPECT_EQ(thin.scale.MarginY, 300);
  EXPECT_EQ(thin.ViewPercent, 1);
}

TEST(ComposeLabelsTest, RatioAndStatusTexts) {
  EXPECT_EQ(RatioText(5), "  5%");
  EXPECT_EQ(RatioText(50), " 50%");
  EXPECT_EQ(RatioText(1600), "1600%");
  EXPECT_EQ(RatioHint(53), "現在の表示倍率…「53%」");
  EXPECT_EQ(SizeText(2400, 1600), "2400x1600");

  const ComposeLabels single =
      NormalComposeLabels({2400, 1600, 33, PanoramaMode::Single, true, false, false});
  EXPECT_EQ(single.SizeLbl, "2400x1600");
  EXPECT_EQ(single.RitsuLbl, " 33%");
  EXPECT_EQ(single.JoutaiLbl, "【通常モード】");
  EXPECT_EQ(single.Caption, "Kasumori２");
  EXPECT_EQ(single.ZoomKaijoBtnEnabled, false);
  EXPECT_EQ(single.cursor, ViewCursor::NormalWithDragSymbol);
  EXPECT_EQ(single.repaint, RepaintTarget::MainWindow);

  const ComposeLabels firstPane =
      NormalComposeLabels({2400, 1600, 33, PanoramaMode::Four, true, false, false});
  EXPECT_EQ(firstPane.SizeLbl, "");
  EXPECT_EQ(firstPane.RitsuLbl, "   %");
  EXPECT_EQ(firstPane.JoutaiLbl, "【パノラマ】");
  EXPECT_EQ(firstPane.ZoomKaijoBtnEnabled, true);
  EXPECT_EQ(firstPane.cursor, ViewCursor::Unchanged);
  const ComposeLabels otherPane =
      NormalComposeLabels({2400, 1600, 33, PanoramaMode::Four, false, false, false});
  EXPECT_FALSE(otherPane.RitsuLbl.has_value());
  EXPECT_FALSE(otherPane.JoutaiLbl.has_value());
  EXPECT_EQ(otherPane.SizeLbl, "");

  const ComposeLabels slideshow =
      NormalComposeLabels({2400, 1600, 33, PanoramaMode::Single, true, true, false});
  EXPECT_EQ(slideshow.Caption, "Kasumori２（スライドショーMode）");
  EXPECT_EQ(slideshow.JoutaiLbl, "【スライドショー】");
  EXPECT_FALSE(slideshow.SizeLbl || slideshow.RitsuLbl || slideshow.ZoomKaijoBtnEnabled);
  EXPECT_EQ(slideshow.repaint, RepaintTarget::None);

  const ComposeLabels full =
      NormalComposeLabels({2400, 1600, 33, PanoramaMode::Single, true, false, true});
  EXPECT_FALSE(full.Caption || full.JoutaiLbl);
  EXPECT_EQ(full.RitsuLbl, " 33%");
  EXPECT_EQ(full.repaint, RepaintTarget::FullScreenWindow);
}

}  // namespace
}  // namespace kasumori::display

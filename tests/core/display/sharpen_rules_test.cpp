// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/sharpen_rules.h"

#include <gtest/gtest.h>

namespace kasumori::display {
namespace {

TEST(SharpenRulesTest, TheStageRunsInHighQualityAndForEveryThumbnail) {
  EXPECT_TRUE(SharpenStageRuns(QualityMode::High, false));
  EXPECT_TRUE(SharpenStageRuns(QualityMode::High, true));
  EXPECT_TRUE(SharpenStageRuns(QualityMode::Fast, true));
  EXPECT_FALSE(SharpenStageRuns(QualityMode::Fast, false));
}

TEST(SharpenRulesTest, TheTargetFollowsThePrecedenceOfTheRenderings) {
  const struct {
    bool save, thumbnail, slideshow, fullScreen;
    SharpenTarget want;
  } cases[] = {
      {true, true, true, true, SharpenTarget::ZoomPicture},
      {false, true, true, true, SharpenTarget::ThumbnailBuffer},
      {false, false, true, true, SharpenTarget::SlideBuffer},
      {false, false, false, true, SharpenTarget::FullImg},
      {false, false, false, false, SharpenTarget::ViewImg},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SharpenTargetFor(c.save, c.thumbnail, c.slideshow, c.fullScreen), c.want)
        << c.save << c.thumbnail << c.slideshow << c.fullScreen;
}

}  // namespace
}  // namespace kasumori::display

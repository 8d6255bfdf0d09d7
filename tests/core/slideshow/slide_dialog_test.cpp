// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's values: what it shows for the stored settings and what it writes back.
#include <gtest/gtest.h>

#include "slideshow/slide_dialog.h"

namespace kasumori::slideshow {
namespace {

TEST(SlideDialogTest, SharpnessAndIntervalMapToTheirButtonsAndBack) {
  struct Case {
    int stored;
    int index;
    int written;
  };
  // A strength no entry names shows "なし" and is written back as none.
  for (const Case c :
       {Case{4, 0, 4}, Case{16, 5, 16}, Case{12, 4, 12}, Case{0, 6, 0}, Case{7, 6, 0}}) {
    EXPECT_EQ(SharpIndexOf(c.stored), c.index) << c.stored;
    EXPECT_EQ(SharpnessOf(c.index), c.written) << c.stored;
  }
  config::Settings settings;
  for (const auto& [stored, choice, written] :
       {std::tuple{0, IntervalChoice::Custom, 0}, std::tuple{60, IntervalChoice::S60, 60},
        std::tuple{7, IntervalChoice::S10, 10}}) {
    settings.SlideInterval = stored;
    const SlideDialogValues values = DialogValuesFrom(settings, 0, false);
    EXPECT_EQ(values.interval, choice) << stored;
    ASSERT_TRUE(ApplyDialogValues(values, settings));
    EXPECT_EQ(settings.SlideInterval, written) << stored;
  }
}

TEST(SlideDialogTest, ARefusedCustomIntervalLeavesEverySettingAsItWas) {
  config::Settings settings;
  settings.SlideTransition = 3;
  settings.SlideFadeSpeed = 9;  // damaged: the box shows the standard speed
  SlideDialogValues values = DialogValuesFrom(settings, 2, true);
  EXPECT_EQ(values.start, SlideStart::FromFirst);
  EXPECT_EQ(values.transition, TransitionKind::Fade);
  EXPECT_EQ(values.fadeSpeed, 2);
  values.repeat = true;
  values.customText = QStringLiteral("2.5");
  const config::Settings before = settings;
  EXPECT_FALSE(ApplyDialogValues(values, settings));
  EXPECT_EQ(settings.SlideRepeat, before.SlideRepeat);
  values.customText = QStringLiteral("99999");
  ASSERT_TRUE(ApplyDialogValues(values, settings));
  EXPECT_EQ(settings.SlideCustomInterval, 99999);
  EXPECT_EQ(settings.SlideRepeat, 1);
  EXPECT_EQ(settings.SlideFadeSpeed, 2);
  const SlideshowOptions options = ShowOptionsFrom(settings, {1024, 768});
  EXPECT_EQ(options.transition.fadeSteps, 32);
  EXPECT_EQ(options.intervalSeconds, 5);
  EXPECT_EQ(options.width, 1024);
}

}  // namespace
}  // namespace kasumori::slideshow

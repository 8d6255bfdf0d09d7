// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/effect_tone.h"

#include <gtest/gtest.h>

#include <random>

#include "display_reference.h"

namespace kasumori::display {
namespace {

using testkit::TestColour;

TEST(EffectToneTest, WorkedExamples) {
  // Chrome on an unedited photo: C = 280, v = -11, B = -12; grey 128 → rnd(140) - 11 - 12.
  EXPECT_EQ(FullTone(128, 128, 128, PictureEffect::Chrome, 0, 256), (pixels::Bgr{117, 117, 117}));
  // Red overflow is taken from green and blue.
  EXPECT_EQ(FullTone(250, 100, 100, PictureEffect::Normal, 20, 256), (pixels::Bgr{105, 105, 255}));
  EXPECT_EQ(FullTone(90, 90, 90, PictureEffect::Sepia, 0, 256), (pixels::Bgr{45, 68, 90}));
  EXPECT_EQ(FullTone(10, 200, 90, PictureEffect::BlackWhite, 0, 256), (pixels::Bgr{100, 100, 100}));
  // The fast tone ignores the effect's changes: chrome's darkening is not applied.
  EXPECT_EQ(pixels::FastTone(128, 128, 128, 0, 256), (pixels::Bgr{128, 128, 128}));
}

TEST(EffectToneTest, ChromeContrastIsCappedAt1024) {
  // Contrast 1100 + 24 is cut to 1024: u = 0.25, v = trunc(-383.5) = -383, B = -12.
  const pixels::Bgr c = FullTone(200, 100, 0, PictureEffect::Chrome, 0, 1100);
  const pixels::Bgr capped =
      pixels::ToneTable({-12, 1024, pixels::ToneFinish::Colour}).Apply(200, 100, 0);
  EXPECT_EQ(c, capped);
  EXPECT_EQ(c, (pixels::Bgr{0, 0, 255}));  // red 405 pushes green (5) and blue (-395) below 0
}

TEST(EffectToneTest, TablesMatchTheFormulasForEveryEffectAndAdjustment) {
  std::mt19937 random(7);
  const int contrasts[] = {256, 0, 1, 100, 255, 257, 300, 511, 1000, 1024, 2000, -40};
  const int brightnesses[] = {0, 1, -1, 20, -20, 100, -300, 255};
  for (int effect = 0; effect <= 4; ++effect)
    for (int contrast : contrasts)
      for (int brightness : brightnesses) {
        const pixels::ToneTable full(
            FullToneParams(EffectFromSetting(effect), brightness, contrast));
        const pixels::ToneTable fast(pixels::FastToneParams(brightness, contrast));
        for (int i = 0; i < 300; ++i) {
          const TestColour in{std::uint8_t(random()), std::uint8_t(random()),
                              std::uint8_t(random())};
          const TestColour want = reference::Tone(in, true, effect, brightness, contrast);
          const pixels::Bgr got = full.Apply(in.r, in.g, in.b);
          ASSERT_EQ((TestColour{got.r, got.g, got.b}), want)
              << "effect " << effect << " contrast " << contrast << " brightness " << brightness;
          const TestColour wantFast = reference::Tone(in, false, effect, brightness, contrast);
          const pixels::Bgr gotFast = fast.Apply(in.r, in.g, in.b);
          ASSERT_EQ((TestColour{gotFast.r, gotFast.g, gotFast.b}), wantFast);
        }
      }
}

}  // namespace
}  // namespace kasumori::display

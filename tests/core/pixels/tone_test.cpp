// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/tone.h"

#include <gtest/gtest.h>

namespace kasumori::pixels {
namespace {

TEST(ToneTest, OverflowMovesInRedGreenBlueOrder) {
  // Red's excess is taken from green and blue before green is looked at.
  EXPECT_EQ(FastTone(200, 200, 200, 100, 256), (Bgr{255, 255, 255}));
  EXPECT_EQ(FastTone(255, 190, 0, 45, 256), (Bgr{0, 190, 255}));
  EXPECT_EQ(FastTone(200, 255, 100, 10, 256), (Bgr{100, 255, 200}));
  EXPECT_EQ(FastTone(0, 0, 250, 30, 256), (Bgr{255, 5, 5}));
  // Negative channels are cut at 0 only after the overflow has moved.
  EXPECT_EQ(FastTone(5, 5, 5, -50, 256), (Bgr{0, 0, 0}));
}

TEST(ToneTest, FinishesUseTheChannelsAfterBrightnessAndOverflow) {
  const struct {
    ToneFinish finish;
    int brightness;
    int r, g, b;
    Bgr want;
  } cases[] = {
      {ToneFinish::Colour, 0, 10, 200, 90, {90, 200, 10}},
      {ToneFinish::Sepia, 0, 90, 90, 90, {45, 68, 90}},
      {ToneFinish::Sepia, 30, 90, 90, 90, {60, 90, 120}},
      {ToneFinish::Grey, 0, 10, 200, 90, {100, 100, 100}},
      // Red 270 gives 15 to green and blue first: the mean of 255, 105, 105.
      {ToneFinish::Grey, 20, 250, 100, 100, {155, 155, 155}},
      {ToneFinish::Grey, -50, 5, 5, 5, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    const ToneTable tone({c.brightness, 256, c.finish});
    EXPECT_EQ(tone.Apply(c.r, c.g, c.b), c.want)
        << "finish " << int(c.finish) << " brightness " << c.brightness;
  }
}

TEST(ToneTest, OnlyTheUnchangedColourFinishIsTheIdentity) {
  const struct {
    ToneParams params;
    bool identity;
  } cases[] = {
      {{0, 256, ToneFinish::Colour}, true},   {{1, 256, ToneFinish::Colour}, false},
      {{-1, 256, ToneFinish::Colour}, false}, {{0, 255, ToneFinish::Colour}, false},
      {{0, 257, ToneFinish::Colour}, false},  {{0, 256, ToneFinish::Sepia}, false},
      {{0, 256, ToneFinish::Grey}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ToneTable(c.params).Identity(), c.identity)
        << c.params.brightness << " " << c.params.contrast << " " << int(c.params.finish);
}

}  // namespace
}  // namespace kasumori::pixels

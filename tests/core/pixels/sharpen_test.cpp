// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/sharpen.h"

#include <gtest/gtest.h>

#include "core/display/display_reference.h"

namespace kasumori::pixels {
namespace {

using testkit::TestColour;
using testkit::TestPicture;

TEST(SharpenTest, WorkedExamples) {
  // s = 8: the only brighter neighbour is 30 brighter in red: k = 30 + 4.
  TestPicture p(3, 1);
  p.Fill({100, 100, 100});
  p.Set(2, 0, {130, 100, 100});
  SharpenStage stage;
  stage.Run(p.View(), 8);
  EXPECT_EQ(p.At(1, 0), (TestColour{66, 66, 66}));
  EXPECT_EQ(p.At(0, 0), (TestColour{100, 100, 100}));  // no brighter neighbour
  EXPECT_EQ(p.At(2, 0), (TestColour{130, 100, 100}));  // the bright side is untouched

  // s = 4: k = 2 × 30 + 4 = 64; (−54, −14, 26) is lifted by 54.
  TestPicture q(1, 2);
  q.Set(0, 0, {10, 50, 90});
  q.Set(0, 1, {10, 50, 120});
  stage.Run(q.View(), 4);
  EXPECT_EQ(q.At(0, 0), (TestColour{0, 40, 80}));
  EXPECT_TRUE(q.PaddingIntact());
}

TEST(SharpenTest, EveryStrengthMatchesTheMaskAndDarkenReference) {
  for (int strength : {0, 4, 6, 8, 10, 12, 16, 5, -3}) {
    for (auto [w, h] : {std::pair{37, 29}, std::pair{1, 1}, std::pair{1, 9}, std::pair{80, 70}}) {
      TestPicture picture(w, h);
      picture.FillRandom(std::uint32_t(strength * 100 + w));
      TestPicture want = picture;
      display::reference::Sharpen(want, strength);
      TestPicture banded = picture;
      SharpenStage stage;
      stage.Run(picture.View(), strength, 1);
      stage.Run(banded.View(), strength, 2);
      ASSERT_TRUE(picture.SamePixels(want)) << "strength " << strength << " size " << w;
      ASSERT_TRUE(banded.SamePixels(want)) << "strength " << strength << " banded";
      ASSERT_TRUE(banded.PaddingIntact());
      // The work buffer gives its memory back after every run.
      EXPECT_EQ(stage.ScratchBuffer().Width(), 1);
      EXPECT_EQ(stage.ScratchBuffer().Height(), 1);
    }
  }
}

TEST(SharpenTest, OnlyTheAreaIsReadAndWritten) {
  // The area inside a larger picture: pixels around it neither change nor count as neighbours.
  TestPicture whole(20, 20);
  whole.Fill({255, 255, 255});
  TestPicture inner(10, 10);
  inner.FillRandom(3);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) whole.Set(x + 5, y + 5, inner.At(x, y));
  display::reference::Sharpen(inner, 12);
  SharpenStage stage;
  stage.Run(SubView(whole.View(), 5, 5, 10, 10), 12);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 5 && x < 15 && y >= 5 && y < 15;
      ASSERT_EQ(whole.At(x, y), (inside ? inner.At(x - 5, y - 5) : TestColour{255, 255, 255}));
    }
}

}  // namespace
}  // namespace kasumori::pixels

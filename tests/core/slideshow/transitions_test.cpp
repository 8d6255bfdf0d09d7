// SPDX-License-Identifier: GPL-3.0-or-later
// The transitions at their edges: the bands of the page turn, the frame values of the fade,
// the order star sand lays its grains in, and that every one ends on the new picture.
#include <gtest/gtest.h>

#include "slideshow/slide_options.h"
#include "slideshow/transitions.h"
#include "support/test_picture.h"

#include <tuple>

namespace kasumori::slideshow {
namespace {

using testkit::TestColour;
using testkit::TestPicture;

constexpr TestColour kOld{200, 200, 200};
constexpr TestColour kNew{100, 100, 100};

// Always draws 0: entry i swaps with the first, so the list ends as N − 1, 0, 1, … N − 2.
class ZeroRandom final : public RandomSource {
 public:
  void Fill(std::span<std::uint32_t> out, std::uint32_t bound) override {
    for (auto& v : out) v = 0;
    bounds.push_back(bound);
  }
  std::vector<std::uint32_t> bounds;
};

struct Pictures {
  Pictures(int w, int h) : screen(w, h), next(w, h) {
    screen.Fill(kOld);
    next.Fill(kNew);
  }
  int Changed() const {
    int n = 0;
    for (int y = 0; y < screen.Height(); ++y)
      for (int x = 0; x < screen.Width(); ++x) n += screen.At(x, y) == kNew;
    return n;
  }
  TestPicture screen, next;
};

// Visible steps until done; the picture ends as the new one with the row padding untouched.
int RunOut(Transition& t, Pictures& p) {
  int visible = 0;
  while (!t.Done()) visible += t.Step();
  EXPECT_TRUE(p.screen.SamePixels(p.next));
  EXPECT_TRUE(p.screen.PaddingIntact());
  return visible;
}

TEST(PageBandTest, BandsFromEachSideEndClampedAtTheFarEdge) {
  const std::tuple<PageDirection, int, int, int, Band> cases[] = {
      {PageDirection::FromLeft, 10, 3, 0, {0, 3}},   {PageDirection::FromLeft, 10, 3, 3, {9, 10}},
      {PageDirection::FromLeft, 10, 3, 4, {9, 10}},  {PageDirection::FromTop, 10, 12, 1, {9, 10}},
      {PageDirection::FromRight, 10, 3, 0, {7, 10}}, {PageDirection::FromRight, 10, 3, 2, {1, 4}},
      {PageDirection::FromRight, 10, 3, 3, {0, 1}},  {PageDirection::FromBottom, 10, 3, 4, {0, 1}},
      {PageDirection::FromBottom, 7, 1, 0, {6, 7}},  {PageDirection::FromBottom, 7, 12, 0, {0, 7}},
  };
  for (const auto& [direction, extent, width, k, band] : cases) {
    EXPECT_EQ(PageBand(direction, extent, width, k), band) << int(direction) << " k=" << k;
  }
  EXPECT_EQ(PageBandCount(10, 3), 5);
  EXPECT_EQ(PageBandCount(12, 3), 5);
  EXPECT_EQ(PageBandCount(1024, 1), 1025);
}

TEST(PageTurnTest, FirstStepCopiesOnlyTheFirstBandAndTheLastEndsOnTheNewPicture) {
  // A 13 × 7 picture; the first band's pixel count and the steps for each side and width.
  const std::tuple<PageDirection, int, int, int> cases[] = {
      {PageDirection::FromLeft, 0, 12 * 7, 3},   {PageDirection::FromLeft, 4, 1 * 7, 14},
      {PageDirection::FromRight, 1, 6 * 7, 4},   {PageDirection::FromRight, 3, 2 * 7, 8},
      {PageDirection::FromTop, 2, 3 * 13, 4},    {PageDirection::FromTop, 0, 7 * 13, 2},
      {PageDirection::FromBottom, 0, 7 * 13, 2}, {PageDirection::FromBottom, 4, 1 * 13, 8},
  };
  ZeroRandom random;
  for (const auto& [direction, speed, firstPixels, steps] : cases) {
    Pictures p(13, 7);
    TransitionChoice choice{.kind = TransitionKind::PageTurn,
                            .pageDirection = direction,
                            .pageBand = PageBandWidth(speed)};
    auto t = MakeTransition(choice, p.screen.View(), p.next.View(), random);
    ASSERT_TRUE(t->Step());
    EXPECT_EQ(p.Changed(), firstPixels) << int(direction) << " speed " << speed;
    EXPECT_EQ(1 + RunOut(*t, p), steps) << int(direction) << " speed " << speed;
  }
}

// The value of one channel after each visible frame, old 200 and new 100.
std::vector<int> FadeFrames(FadeMode mode, int speed) {
  Pictures p(5, 3);
  ZeroRandom random;
  TransitionChoice choice{
      .kind = TransitionKind::Fade, .fadeMode = mode, .fadeSteps = FadeSteps(speed)};
  auto t = MakeTransition(choice, p.screen.View(), p.next.View(), random);
  std::vector<int> frames;
  while (!t->Done())
    if (t->Step()) frames.push_back(p.screen.At(4, 2).g);
  EXPECT_TRUE(p.screen.SamePixels(p.next));
  return frames;
}

TEST(FadeTest, EightStepsDownToBlackThenUpToTheNewPicture) {
  EXPECT_EQ(FadeFrames(FadeMode::OutThenIn, 0),
            (std::vector<int>{168, 136, 104, 72, 40, 8, 0, 0, 0, 0, 0, 0, 0, 4, 36, 68, 100}));
  EXPECT_EQ(FadeFrames(FadeMode::OutOnly, 0),
            (std::vector<int>{168, 136, 104, 72, 40, 8, 0, 0, 100}));
  EXPECT_EQ(FadeFrames(FadeMode::InOnly, 0), (std::vector<int>{0, 0, 0, 0, 0, 4, 36, 68, 100}));
  // Cross-fade: max(0, new − 32·(8 − j)) + max(0, old − 32·(j + 1)).
  EXPECT_EQ(FadeFrames(FadeMode::CrossFade, 0),
            (std::vector<int>{168, 136, 104, 72, 40, 12, 36, 68, 100}));
}

TEST(FadeTest, FrameCountsForEveryModeAndSpeed) {
  const std::tuple<FadeMode, int> modes[] = {{FadeMode::CrossFade, 1},
                                             {FadeMode::OutThenIn, 2},
                                             {FadeMode::InOnly, 1},
                                             {FadeMode::OutOnly, 1}};
  for (int speed = 0; speed <= 5; ++speed) {
    const int n = FadeSteps(speed);
    for (const auto& [mode, perStep] : modes) {
      EXPECT_EQ(int(FadeFrames(mode, speed).size()), perStep * n + 1) << int(mode) << " " << n;
    }
  }
}

TEST(StarSandTest, GrainsFallInTheShuffledOrderOneBatchPerFrame) {
  Pictures p(4, 3);  // 12 pixels in 10 frames: batches of 1
  ZeroRandom random;
  TransitionChoice choice{.kind = TransitionKind::StarSand, .starFrames = StarSandFrames(0)};
  auto t = MakeTransition(choice, p.screen.View(), p.next.View(), random);
  EXPECT_FALSE(t->Step());  // the list
  EXPECT_FALSE(t->Step());  // the shuffle
  EXPECT_EQ(random.bounds, std::vector<std::uint32_t>{12});
  ASSERT_TRUE(t->Step());
  EXPECT_EQ(p.Changed(), 1);
  EXPECT_EQ(p.screen.At(3, 2), kNew);  // the last position went first
  ASSERT_TRUE(t->Step());
  EXPECT_EQ(p.screen.At(0, 0), kNew);
  EXPECT_EQ(2 + RunOut(*t, p), 12);
}

TEST(StarSandTest, FramesPerSpeedCoverTheWholePicture) {
  const std::tuple<int, int, int> cases[] = {
      {0, 64 * 48 / 10, 11},  // 3072 div 10 = 307: ten batches and a remainder of 2
      {2, 30, 103},           // 3072 div 100 = 30: 102 batches and a remainder of 12
      {4, 3, 1024},           // 3072 div 1000 = 3
  };
  for (const auto& [speed, batch, frames] : cases) {
    Pictures p(64, 48);
    SystemRandom random;
    TransitionChoice choice{.kind = TransitionKind::StarSand, .starFrames = StarSandFrames(speed)};
    auto t = MakeTransition(choice, p.screen.View(), p.next.View(), random);
    t->Step();
    t->Step();
    t->Step();
    EXPECT_EQ(p.Changed(), batch) << speed;
    EXPECT_EQ(1 + RunOut(*t, p), frames) << speed;
  }
}

TEST(TransitionTest, NoneOrMismatchedPicturesGiveNoTransition) {
  Pictures p(4, 3);
  TestPicture other(5, 3);
  ZeroRandom random;
  EXPECT_EQ(MakeTransition({}, p.screen.View(), p.next.View(), random), nullptr);
  TransitionChoice fade{.kind = TransitionKind::Fade};
  EXPECT_EQ(MakeTransition(fade, p.screen.View(), other.View(), random), nullptr);
}

}  // namespace
}  // namespace kasumori::slideshow

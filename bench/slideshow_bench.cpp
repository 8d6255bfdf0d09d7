// SPDX-License-Identifier: GPL-3.0-or-later
// The slideshow's transitions at 1024 × 768: the time of one frame (a whole transition over
// the frames it shows) and the frames per second that gives, against a plain memcpy of one
// whole frame in the same run. A fade frame must stay under 5 ms.
#include <cstdio>
#include <cstring>
#include <string>

#include "bench_support.h"
#include "slideshow/transitions.h"
#include "support/test_picture.h"

namespace {

using namespace kasumori;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Case {
  const char* name;
  slideshow::TransitionChoice choice;
};

// Milliseconds per visible frame of one whole transition.
double FrameMs(const slideshow::TransitionChoice& choice, testkit::TestPicture& screen,
               const testkit::TestPicture& old, const testkit::TestPicture& next,
               slideshow::RandomSource& random) {
  int frames = 0;
  const double ms = bench::MedianMs([&] {
    pixels::CopyPixels(old.View(), screen.View());
    auto transition = slideshow::MakeTransition(choice, screen.View(), next.View(), random);
    frames = 0;
    while (!transition->Done()) frames += transition->Step();
  });
  return ms / frames;
}

}  // namespace

int main() {
  using slideshow::FadeMode;
  using slideshow::PageDirection;
  using slideshow::TransitionKind;
  testkit::TestPicture screen(kWidth, kHeight, 0), old(kWidth, kHeight, 0),
      next(kWidth, kHeight, 0);
  old.FillRandom(1);
  next.FillRandom(2);
  slideshow::SystemRandom random;
  const std::size_t frameBytes = std::size_t(kWidth) * kHeight * 3;
  const double memcpyMs = bench::MedianMs(
                              [&] {
                                for (int i = 0; i < 100; ++i)
                                  std::memcpy(screen.Row(0), next.Row(0), frameBytes);
                              },
                              5) /
                          100;
  const Case cases[] = {
      {"star sand, 100 frames", {.kind = TransitionKind::StarSand, .starFrames = 100}},
      {"star sand, 10 frames", {.kind = TransitionKind::StarSand, .starFrames = 10}},
      {"page turn from the left, bands of 2",
       {.kind = TransitionKind::PageTurn, .pageDirection = PageDirection::FromLeft}},
      {"page turn from the bottom, bands of 2",
       {.kind = TransitionKind::PageTurn, .pageDirection = PageDirection::FromBottom}},
      {"fade out and in (cross-fade), 32 steps",
       {.kind = TransitionKind::Fade, .fadeMode = FadeMode::CrossFade}},
      {"fade out then in, 32 steps",
       {.kind = TransitionKind::Fade, .fadeMode = FadeMode::OutThenIn}},
  };
  for (const Case& c : cases) {
    const double ms = FrameMs(c.choice, screen, old, next, random);
    bench::Report(std::string("slideshow ") + c.name + " at 1024x768, " +
                      std::to_string(int(1000.0 / ms)) + " frames/s, a frame vs memcpy of a frame",
                  ms, memcpyMs);
    if (c.choice.kind == TransitionKind::Fade && ms >= 5.0) {
      std::fprintf(stderr, "a fade frame took %.2f ms, over the 5 ms target\n", ms);
      return 1;
    }
  }
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers behind the slideshow's speed choices and the custom interval's check.
#include "slideshow/slide_options.h"

#include <array>

namespace kasumori::slideshow {

namespace {

constexpr int kLongestInterval = 99999;

template <std::size_t N>
int Pick(const std::array<int, N>& values, int index, int fallback) {
  return index >= 0 && index < int(N) ? values[std::size_t(index)] : fallback;
}

}  // namespace

TransitionKind TransitionFromSetting(int value) {
  switch (value) {
    case 1:
      return TransitionKind::StarSand;
    case 2:
      return TransitionKind::PageTurn;
    case 3:
      return TransitionKind::Fade;
    default:
      return TransitionKind::None;
  }
}

PageDirection PageDirectionFromSetting(int value) {
  return value >= 0 && value <= 3 ? PageDirection(value) : PageDirection::FromLeft;
}

FadeMode FadeModeFromSetting(int value) {
  return value >= 0 && value <= 3 ? FadeMode(value) : FadeMode::CrossFade;
}

int StarSandFrames(int speed) { return Pick(std::array{10, 50, 100, 500, 1000}, speed, 100); }

int PageBandWidth(int speed) { return Pick(std::array{12, 6, 3, 2, 1}, speed, 2); }

int FadeSteps(int speed) { return Pick(std::array{8, 16, 32, 64, 128}, speed, 32); }

std::optional<int> ParseCustomInterval(const QString& text) {
  // Five digits at most: anything longer is out of range whatever it says, and the count
  // cannot overflow.
  if (text.isEmpty() || text.size() > 5) return std::nullopt;
  int seconds = 0;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    seconds = seconds * 10 + (c.unicode() - u'0');
  }
  if (seconds < 1 || seconds > kLongestInterval) return std::nullopt;
  return seconds;
}

int IntervalSeconds(int slideInterval, int customInterval) {
  return slideInterval == 0 ? customInterval : slideInterval;
}

}  // namespace kasumori::slideshow

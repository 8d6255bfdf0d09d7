// SPDX-License-Identifier: GPL-3.0-or-later
// The slideshow's settings as the show uses them: the transition and its speed choices as
// enums, the numbers they stand for (band widths, step and frame counts), and the check of the
// custom interval the settings dialog asks for.
#pragma once

#include <QString>

#include <optional>

namespace kasumori::slideshow {

enum class TransitionKind { None = 0, StarSand = 1, PageTurn = 2, Fade = 3 };

// The side the new picture comes in from.
enum class PageDirection { FromLeft = 0, FromRight = 1, FromTop = 2, FromBottom = 3 };

enum class FadeMode {
  CrossFade = 0,  // "アウト＆イン": the old picture fades out while the new one fades in
  OutThenIn = 1,  // "アウト→イン": down to black, then up to the new picture
  InOnly = 2,     // "インのみ": up from black
  OutOnly = 3,    // "アウトのみ": down to black, then the new picture at once
};

// The settings' numbers; a number that names no choice gives the first choice (for the kind:
// no transition).
TransitionKind TransitionFromSetting(int value);
PageDirection PageDirectionFromSetting(int value);
FadeMode FadeModeFromSetting(int value);

// Speed 0 is the fastest ("速さ５"), 4 the finest ("速さ１"); other numbers give the standard.
int StarSandFrames(int speed);  // 10, 50, 100, 500, 1000; else 100
int PageBandWidth(int speed);   // 12, 6, 3, 2, 1 pixels; else 2
int FadeSteps(int speed);       // 8, 16, 32, 64, 128; else 32

struct TransitionChoice {
  TransitionKind kind = TransitionKind::None;
  int starFrames = 100;
  PageDirection pageDirection = PageDirection::FromLeft;
  int pageBand = 2;
  FadeMode fadeMode = FadeMode::CrossFade;
  int fadeSteps = 32;
};

// The custom interval as typed: a whole number of seconds 1 … 99999, digits only (no sign, no
// decimal point); the field may not hold anything else. Nothing when it is refused.
std::optional<int> ParseCustomInterval(const QString& text);

// Seconds per photo: the fixed interval, or the custom one when the fixed one is 0.
int IntervalSeconds(int slideInterval, int customInterval);

}  // namespace kasumori::slideshow

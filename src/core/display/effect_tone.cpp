// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/effect_tone.h"

#include <algorithm>

namespace kasumori::display {

namespace {

constexpr std::int64_t kChromeBrightness = -12;
constexpr std::int64_t kChromeContrast = 24;
constexpr std::int64_t kMaxChromeContrast = 1024;

pixels::ToneFinish FinishOf(PictureEffect effect) {
  switch (effect) {
    case PictureEffect::Sepia:
      return pixels::ToneFinish::Sepia;
    case PictureEffect::BlackWhite:
      return pixels::ToneFinish::Grey;
    case PictureEffect::Normal:
    case PictureEffect::Chrome:
      break;
  }
  return pixels::ToneFinish::Colour;
}

}  // namespace

pixels::ToneParams FullToneParams(PictureEffect effect, int brightness, int contrast) {
  pixels::ToneParams p{brightness, contrast, FinishOf(effect)};
  if (effect == PictureEffect::Chrome) {
    p.brightness += kChromeBrightness;
    p.contrast = std::min(p.contrast + kChromeContrast, kMaxChromeContrast);
  }
  return p;
}

pixels::Bgr FullTone(int r, int g, int b, PictureEffect effect, int brightness, int contrast) {
  return pixels::ToneTable(FullToneParams(effect, brightness, contrast)).Apply(r, g, b);
}

}  // namespace kasumori::display

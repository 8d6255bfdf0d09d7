// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/tone.h"

#include <cmath>

namespace kasumori::pixels {

namespace {

constexpr std::int64_t kUnitContrast = 256;

// rnd(x) = x + 0.5 truncated toward zero, also for negative x.
std::int64_t Rnd(double x) { return std::int64_t(std::trunc(x + 0.5)); }

}  // namespace

ToneParams FastToneParams(int brightness, int contrast) {
  return {brightness, contrast, ToneFinish::Colour};
}

ToneTable::ToneTable(const ToneParams& params) : finish_(params.finish) {
  const bool scaled = params.contrast != kUnitContrast;
  // u is a real divisor and v an integer offset, both from C; C = 0 gives an infinite u and
  // so x / u = 0, which is what the division yields on the reference platform too.
  const double u = 256.0 / double(params.contrast);
  const std::int64_t v = Rnd(double(kUnitContrast - params.contrast) / 2.0);
  for (int x = 0; x < 256; ++x) {
    const std::int64_t contrasted = scaled ? Rnd(double(x) / u) + v : x;
    channel_[std::size_t(x)] = contrasted + params.brightness;
  }
  identity_ = !scaled && params.brightness == 0 && finish_ == ToneFinish::Colour;
}

Bgr FastTone(int r, int g, int b, int brightness, int contrast) {
  return ToneTable(FastToneParams(brightness, contrast)).Apply(r, g, b);
}

}  // namespace kasumori::pixels

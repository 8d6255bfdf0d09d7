// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/sharpen.h"

#include <algorithm>

#include "pixels/row_bands.h"

namespace kasumori::pixels {

namespace {

constexpr int kBaseDarkening = 4;

// The largest channel rise from p to n, as a signed number.
inline int Rise(const std::uint8_t* p, const std::uint8_t* n) {
  return std::max({n[0] - p[0], n[1] - p[1], n[2] - p[2]});
}

void SharpenRows(const ConstPixelView& in, const PixelView& out, int strength, int first, int end) {
  const int w = in.width;
  for (int y = first; y < end; ++y) {
    const std::uint8_t* row = in.Row(y);
    const std::uint8_t* above = y > 0 ? in.Row(y - 1) : nullptr;
    const std::uint8_t* below = y + 1 < in.height ? in.Row(y + 1) : nullptr;
    std::uint8_t* target = out.Row(y);
    for (int x = 0; x < w; ++x) {
      const int at = x * kBytesPerPixel;
      const std::uint8_t* p = row + at;
      int d = 0;  // only rises above 0 count: a pixel without a brighter neighbour stays
      if (above) d = std::max(d, Rise(p, above + at));
      if (x + 1 < w) d = std::max(d, Rise(p, p + kBytesPerPixel));
      if (below) d = std::max(d, Rise(p, below + at));
      if (x > 0) d = std::max(d, Rise(p, p - kBytesPerPixel));
      if (d == 0) continue;
      const int k = SharpenDarkening(strength, d) + kBaseDarkening;
      int b = p[0] - k, g = p[1] - k, r = p[2] - k;
      // A negative channel lifts all three by the same amount, keeping their differences.
      const int lowest = std::min({b, g, r});
      if (lowest < 0) {
        b -= lowest;
        g -= lowest;
        r -= lowest;
      }
      target[at] = std::uint8_t(b);
      target[at + 1] = std::uint8_t(g);
      target[at + 2] = std::uint8_t(r);
    }
  }
}

}  // namespace

int SharpenDarkening(int strength, int d) {
  switch (strength) {
    case 4:
      return 2 * d;
    case 6:
      return d + d / 2;
    case 8:
      return d;
    case 10:
      return d - d / 3;
    case 16:
      return d / 6;
    default:
      return d / 3;
  }
}

void SharpenKernel(const ConstPixelView& unsharpened, const PixelView& area, int strength,
                   int bands) {
  if (area.Empty() || unsharpened.width != area.width || unsharpened.height != area.height) return;
  RunRowBands(area.height, bands,
              [&](int first, int end) { SharpenRows(unsharpened, area, strength, first, end); });
}

void SharpenRowRange(const ConstPixelView& unsharpened, const PixelView& area, int strength,
                     int first, int end) {
  if (area.Empty() || unsharpened.width != area.width || unsharpened.height != area.height) return;
  SharpenRows(unsharpened, area, strength, std::max(first, 0), std::min(end, area.height));
}

void SharpenStage::Run(const PixelView& area, int strength, int bands) {
  if (strength <= 0 || area.Empty()) return;
  scratch_.Resize(area.width, area.height);
  CopyPixels(area, scratch_.View());
  SharpenKernel(scratch_.View(), area, strength, bands);
  scratch_.Release();
}

}  // namespace kasumori::pixels

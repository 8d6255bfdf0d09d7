// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/subpixel_double.h"

#include <algorithm>

#include "pixels/row_bands.h"

namespace kasumori::pixels {

namespace {

// One output row 2o + b: the input row o with its neighbour row above (b = 0) or below (1).
void DoubleRow(const std::uint8_t* row, const std::uint8_t* neighbourRow, int width,
               std::uint8_t* out, const ToneTable* tone) {
  for (int u = 0; u < width; ++u) {
    const std::uint8_t* p = row + std::ptrdiff_t(u) * kBytesPerPixel;
    for (int a = 0; a < 2; ++a, out += kBytesPerPixel) {
      const int nu = a == 0 ? std::max(u - 1, 0) : std::min(u + 1, width - 1);
      const std::uint8_t* q = neighbourRow + std::ptrdiff_t(nu) * kBytesPerPixel;
      const int b = (p[0] + q[0]) / 2, g = (p[1] + q[1]) / 2, r = (p[2] + q[2]) / 2;
      if (tone != nullptr && (b | g | r) != 0) {
        const Bgr c = tone->Apply(r, g, b);
        out[0] = c.b;
        out[1] = c.g;
        out[2] = c.r;
      } else {
        out[0] = std::uint8_t(b);
        out[1] = std::uint8_t(g);
        out[2] = std::uint8_t(r);
      }
    }
  }
}

}  // namespace

void DoubleSubPixels(const ConstPixelView& input, const PixelView& output, const ToneTable* tone,
                     int bands) {
  if (input.Empty() || output.width < 2 * input.width || output.height < 2 * input.height) return;
  if (tone != nullptr && tone->Identity()) tone = nullptr;
  const int h = input.height;
  RunRowBands(h, bands, [&](int first, int end) {
    for (int o = first; o < end; ++o) {
      const std::uint8_t* row = input.Row(o);
      DoubleRow(row, input.Row(std::max(o - 1, 0)), input.width, output.Row(2 * o), tone);
      DoubleRow(row, input.Row(std::min(o + 1, h - 1)), input.width, output.Row(2 * o + 1), tone);
    }
  });
}

}  // namespace kasumori::pixels

// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/resample_fast.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kasumori::pixels {

void StretchWholePixels(const ConstPixelView& source, const PixelView& target,
                        const StretchRect& rect, const ToneTable* tone) {
  if (source.Empty() || target.Empty() || rect.width <= 0 || rect.height <= 0) return;
  const PixelView clip = SubView(target, rect.x, rect.y, rect.width, rect.height);
  if (clip.Empty()) return;
  const int left = std::max(rect.x, 0) - rect.x;  // first rect column inside the target
  const int top = std::max(rect.y, 0) - rect.y;
  // Plan: byte offsets of the source columns once, then plain row copies.
  std::vector<std::ptrdiff_t> columns(std::size_t(clip.width));
  for (int i = 0; i < clip.width; ++i)
    columns[std::size_t(i)] =
        std::ptrdiff_t(StretchIndex(left + i, source.width, rect.width)) * kBytesPerPixel;
  const bool toned = tone != nullptr && !tone->Identity();
  int previousRow = -1;
  for (int y = 0; y < clip.height; ++y) {
    std::uint8_t* out = clip.Row(y);
    const int sy = StretchIndex(top + y, source.height, rect.height);
    if (sy == previousRow) {  // a repeated source row: the row just made
      std::memcpy(out, clip.Row(y - 1), std::size_t(clip.width) * kBytesPerPixel);
      continue;
    }
    previousRow = sy;
    const std::uint8_t* in = source.Row(sy);
    for (int i = 0; i < clip.width; ++i, out += kBytesPerPixel) {
      const std::uint8_t* p = in + columns[std::size_t(i)];
      if (toned && (p[0] | p[1] | p[2]) != 0) {
        const Bgr c = tone->Apply(p[2], p[1], p[0]);
        out[0] = c.b;
        out[1] = c.g;
        out[2] = c.r;
      } else {
        out[0] = p[0];
        out[1] = p[1];
        out[2] = p[2];
      }
    }
  }
}

}  // namespace kasumori::pixels

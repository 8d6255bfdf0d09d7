// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-pixel stretch of the fast path: every target pixel copies one source pixel, rows
// and columns repeated or dropped, no blending.
#pragma once

#include "pixels/pixel_view.h"
#include "pixels/tone.h"

namespace kasumori::pixels {

struct StretchRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The source index of destination index d of a span of `length`: trunc(d × source / length),
// the mapping of the pixel buffer's stretch drawing.
inline int StretchIndex(int d, int sourceLength, int length) {
  return int(std::int64_t(d) * sourceLength / length);
}

// Stretches the whole source into `rect` of the target (the part of rect outside the target
// is cut off). With a tone that is not the identity, every pixel that is not entirely black
// goes through it, which is what stretching first and toning the stretched picture gives.
void StretchWholePixels(const ConstPixelView& source, const PixelView& target,
                        const StretchRect& rect, const ToneTable* tone = nullptr);

}  // namespace kasumori::pixels

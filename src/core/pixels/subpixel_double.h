// SPDX-License-Identifier: GPL-3.0-or-later
// Enlargement by two without resampling: each pixel becomes four, and each of the four is the
// mean of the pixel and its diagonal neighbour towards that corner. Cheap, and sharper than
// repeating pixels, which is why the zoom uses it for every enlargement.
#pragma once

#include "pixels/pixel_view.h"
#include "pixels/tone.h"

namespace kasumori::pixels {

// Fills the 2w × 2h `output` from the w × h `input`. Neighbours past an edge are the edge
// pixel. With a `tone` that is not the identity, every mean that is not entirely black goes
// through it. Rows run in `bands` parallel bands with the same result for any number.
void DoubleSubPixels(const ConstPixelView& input, const PixelView& output,
                     const ToneTable* tone = nullptr, int bands = 1);

}  // namespace kasumori::pixels

// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel work of the slideshow's transitions, as free functions over 24-bit views. Channel
// arithmetic is per byte (blue, green, red alike): subtractions stop at 0, sums at 255. Every
// function writes only the pixels it names; the views must be of one size.
#pragma once

#include "pixels/pixel_view.h"

#include <cstddef>
#include <cstdint>

namespace kasumori::slideshow {

// Columns [first, end) of every row.
void CopyColumns(const pixels::ConstPixelView& from, const pixels::PixelView& to, int first,
                 int end);
// Rows [first, end), whole.
void CopyRows(const pixels::ConstPixelView& from, const pixels::PixelView& to, int first, int end);
// Single pixels at positions counted row by row from the top left (p = y · width + x).
void CopyScattered(const pixels::ConstPixelView& from, const pixels::PixelView& to,
                   const std::uint32_t* positions, std::size_t count);

// to = max(0, from − amount); `from` and `to` may be the same picture.
void Darkened(const pixels::ConstPixelView& from, const pixels::PixelView& to, int amount);
// to = min(255, max(0, next − nextDown) + max(0, old − oldDown)).
void CrossFaded(const pixels::ConstPixelView& next, int nextDown, const pixels::ConstPixelView& old,
                int oldDown, const pixels::PixelView& to);

}  // namespace kasumori::slideshow

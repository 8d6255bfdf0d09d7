// SPDX-License-Identifier: GPL-3.0-or-later
// The sharpening stage: deepens the darker side of every edge of a finished picture.
#pragma once

#include "pixels/pixel_view.h"
#include "pixels/work_picture.h"

namespace kasumori::pixels {

// How much a pixel is darkened for an edge of height d (d > 0) at strength s; a smaller s
// sharpens more, and 12 is also the rule for any strength not in the menu.
int SharpenDarkening(int strength, int d);

// Sharpens `area` in place. `unsharpened` must hold a copy of the area (same size) and must
// not overlap it: every pixel is judged on the picture before sharpening. Rows are split into
// `bands` bands run in parallel; the result is the same for any number of bands.
void SharpenKernel(const ConstPixelView& unsharpened, const PixelView& area, int strength,
                   int bands = 1);

// Rows [first, end) of SharpenKernel alone, for a picture that is made a few rows at a time:
// rows first − 1 to end of `unsharpened` must be final where they exist, and rows
// [first, end) of `area` must already hold their pixels before sharpening, as only the
// darkened pixels are written.
void SharpenRowRange(const ConstPixelView& unsharpened, const PixelView& area, int strength,
                     int first, int end);

// The stage with its work buffer. ScratchBuffer holds the copy the pixels are judged on. The
// mask and the darkened colours are not kept in buffers of their own: the one pass writes a
// darkened pixel where the mask is black and leaves the others, which is what the AND and OR
// combination of the two gives.
class SharpenStage {
 public:
  // Sharpens `area` with strength s (nothing when s <= 0); ScratchBuffer is back at 1 × 1
  // afterwards.
  void Run(const PixelView& area, int strength, int bands = 2);

  const WorkPicture& ScratchBuffer() const { return scratch_; }

 private:
  WorkPicture scratch_;
};

}  // namespace kasumori::pixels

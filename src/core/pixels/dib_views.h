// SPDX-License-Identifier: GPL-3.0-or-later
// Views of a 24-bit pixel buffer for the pixel kernels. The buffer keeps its rows top-down
// and contiguous, so one pointer and the stride describe it.
#pragma once

#include "pixels/pixel_view.h"
#include "imaging/dib/qx_dib.h"

namespace kasumori::pixels {

// Writing through the view changes the buffer's own pixels (a shared buffer is copied first).
inline PixelView ViewOf(imaging::TQxDIB& dib) {
  if (dib.BitCount() != 24 || dib.Width() <= 0 || dib.Height() <= 0) return {};
  return {dib.ScanLine(0), dib.Width(), dib.Height(), dib.Stride()};
}

inline ConstPixelView ConstViewOf(const imaging::TQxDIB& dib) {
  if (dib.BitCount() != 24 || dib.Width() <= 0 || dib.Height() <= 0) return {};
  return {dib.ConstScanLine(0), dib.Width(), dib.Height(), dib.Stride()};
}

}  // namespace kasumori::pixels

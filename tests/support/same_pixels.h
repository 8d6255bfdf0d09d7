// SPDX-License-Identifier: GPL-3.0-or-later
// Whether two 24-bit buffers hold the same picture: the same size and the same bytes in every
// row (the padding at the rows' ends is not compared).
#pragma once

#include "imaging/dib/qx_dib.h"

#include <cstddef>
#include <cstring>

namespace kasumori::testkit {

inline bool SamePixels(const imaging::TQxDIB& a, const imaging::TQxDIB& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    if (std::memcmp(a.ConstScanLine(y), b.ConstScanLine(y), std::size_t(a.Width()) * 3) != 0)
      return false;
  return true;
}

}  // namespace kasumori::testkit

// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/dib/stretch.h"

#include <cstring>
#include <vector>

namespace kasumori::imaging {

namespace {

// Source index for every destination index in [first, last) of a span of `length` cells.
std::vector<int> NearestMap(int first, int last, int start, int length, int sourceLength) {
  std::vector<int> map;
  map.reserve(std::size_t(last - first));
  for (int d = first; d < last; ++d)
    map.push_back(int(std::int64_t(d - start) * sourceLength / length));
  return map;
}

}  // namespace

void StretchNearest(const ConstBgrView& source, const BgrView& target, const QRect& rect) {
  if (rect.width() <= 0 || rect.height() <= 0 || source.width <= 0 || source.height <= 0) return;
  const QRect clip = rect.intersected(QRect(0, 0, target.width, target.height));
  if (clip.isEmpty()) return;
  // Plan: both index maps once, then copy rows with no checks inside the loops.
  const std::vector<int> columns =
      NearestMap(clip.left(), clip.right() + 1, rect.left(), rect.width(), source.width);
  const std::vector<int> rows =
      NearestMap(clip.top(), clip.bottom() + 1, rect.top(), rect.height(), source.height);
  const std::uint8_t* previousSource = nullptr;
  const std::uint8_t* previousRow = nullptr;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::uint8_t* out = target.data +
                        std::size_t(clip.top() + int(r)) * std::size_t(target.stride) +
                        3 * std::size_t(clip.left());
    const std::uint8_t* in = source.data + std::size_t(rows[r]) * std::size_t(source.stride);
    if (in == previousSource) {  // a repeated source row: copy the row already made
      std::memcpy(out, previousRow, 3 * columns.size());
      continue;
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::uint8_t* p = in + 3 * std::size_t(columns[c]);
      out[3 * c] = p[0];
      out[3 * c + 1] = p[1];
      out[3 * c + 2] = p[2];
    }
    previousSource = in;
    previousRow = out;
  }
}

}  // namespace kasumori::imaging

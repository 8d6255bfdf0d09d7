// SPDX-License-Identifier: GPL-3.0-or-later
// Nearest-pixel stretch between 24-bit row views: whole source pixels, no blending.
#pragma once

#include <QRect>

#include <cstdint>

namespace kasumori::imaging {

// A non-owning view of 24-bit rows.
struct BgrView {
  std::uint8_t* data;
  int width;
  int height;
  int stride;
};

struct ConstBgrView {
  const std::uint8_t* data;
  int width;
  int height;
  int stride;
};

// Stretches the whole source into rect of the target; the parts of rect outside the target
// are clipped. Destination column i takes source column trunc(i × source width / rect width),
// rows likewise, which drops or repeats whole pixels as the stretch-blit of the platform does.
void StretchNearest(const ConstBgrView& source, const BgrView& target, const QRect& rect);

}  // namespace kasumori::imaging

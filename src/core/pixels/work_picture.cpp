// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/work_picture.h"

#include <algorithm>

namespace kasumori::pixels {

void WorkPicture::Resize(int w, int h) {
  width_ = std::max(w, 1);
  height_ = std::max(h, 1);
  stride_ = (std::ptrdiff_t(width_) * kBytesPerPixel + 3) / 4 * 4;
  bytes_.resize(std::size_t(stride_) * std::size_t(height_));
}

void WorkPicture::Release() {
  std::vector<std::uint8_t>().swap(bytes_);
  Resize(1, 1);
}

}  // namespace kasumori::pixels

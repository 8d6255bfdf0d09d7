// SPDX-License-Identifier: GPL-3.0-or-later
// A work buffer of the pixel stages: 24-bit rows padded to 4 bytes, top-down. Resizing keeps
// the memory when it is already large enough; Release gives it back and leaves 1 × 1.
#pragma once

#include <cstdint>
#include <vector>

#include "pixels/pixel_view.h"

namespace kasumori::pixels {

class WorkPicture {
 public:
  WorkPicture() { Release(); }

  // Sizes the buffer to w × h (at least 1 × 1); the pixels are undefined afterwards.
  void Resize(int w, int h);
  // Back to 1 × 1 pixel, with the memory of the larger size returned.
  void Release();

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelView View() { return {bytes_.data(), width_, height_, stride_}; }
  ConstPixelView View() const { return {bytes_.data(), width_, height_, stride_}; }

 private:
  std::vector<std::uint8_t> bytes_;
  int width_ = 0;
  int height_ = 0;
  std::ptrdiff_t stride_ = 0;
};

}  // namespace kasumori::pixels

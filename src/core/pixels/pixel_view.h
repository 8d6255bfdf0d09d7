// SPDX-License-Identifier: GPL-3.0-or-later
// Non-owning views of 24-bit pictures: rows of blue, green, red bytes, `stride` bytes apart,
// the first row at `data`. The pixel buffer hands these out; the kernels take nothing else.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kasumori::pixels {

inline constexpr int kBytesPerPixel = 3;

struct PixelView {
  std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;

  std::uint8_t* Row(int y) const { return data + y * stride; }
  bool Empty() const { return data == nullptr || width <= 0 || height <= 0; }
};

struct ConstPixelView {
  const std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;

  ConstPixelView() = default;
  ConstPixelView(const std::uint8_t* d, int w, int h, std::ptrdiff_t s)
      : data(d), width(w), height(h), stride(s) {}
  ConstPixelView(const PixelView& v)  // NOLINT: a writable view is readable
      : data(v.data), width(v.width), height(v.height), stride(v.stride) {}

  const std::uint8_t* Row(int y) const { return data + y * stride; }
  bool Empty() const { return data == nullptr || width <= 0 || height <= 0; }
};

// The part of `view` at x, y of size w × h, cut to the view; empty when nothing is left.
PixelView SubView(const PixelView& view, int x, int y, int w, int h);
ConstPixelView SubView(const ConstPixelView& view, int x, int y, int w, int h);

// Copies the overlapping size of two views row by row.
void CopyPixels(const ConstPixelView& from, const PixelView& to);
void FillBlack(const PixelView& view);

}  // namespace kasumori::pixels

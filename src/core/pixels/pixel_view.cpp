// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/pixel_view.h"

#include <algorithm>
#include <cstring>

namespace kasumori::pixels {

namespace {

struct Cut {
  int x, y, w, h;
};

Cut CutTo(int width, int height, int x, int y, int w, int h) {
  const int left = std::clamp(x, 0, std::max(width, 0));
  const int top = std::clamp(y, 0, std::max(height, 0));
  // 64-bit ends so that a huge w or h cannot wrap around.
  const auto right = std::clamp<std::int64_t>(std::int64_t(x) + w, left, std::max(width, 0));
  const auto bottom = std::clamp<std::int64_t>(std::int64_t(y) + h, top, std::max(height, 0));
  return {left, top, int(right - left), int(bottom - top)};
}

}  // namespace

PixelView SubView(const PixelView& view, int x, int y, int w, int h) {
  if (view.Empty()) return {};
  const Cut c = CutTo(view.width, view.height, x, y, w, h);
  if (c.w <= 0 || c.h <= 0) return {};
  return {view.Row(c.y) + c.x * kBytesPerPixel, c.w, c.h, view.stride};
}

ConstPixelView SubView(const ConstPixelView& view, int x, int y, int w, int h) {
  if (view.Empty()) return {};
  const Cut c = CutTo(view.width, view.height, x, y, w, h);
  if (c.w <= 0 || c.h <= 0) return {};
  return {view.Row(c.y) + c.x * kBytesPerPixel, c.w, c.h, view.stride};
}

void CopyPixels(const ConstPixelView& from, const PixelView& to) {
  if (from.Empty() || to.Empty()) return;
  const int w = std::min(from.width, to.width);
  const int h = std::min(from.height, to.height);
  for (int y = 0; y < h; ++y) std::memmove(to.Row(y), from.Row(y), std::size_t(w) * kBytesPerPixel);
}

void FillBlack(const PixelView& view) {
  if (view.Empty()) return;
  for (int y = 0; y < view.height; ++y)
    std::memset(view.Row(y), 0, std::size_t(view.width) * kBytesPerPixel);
}

}  // namespace kasumori::pixels

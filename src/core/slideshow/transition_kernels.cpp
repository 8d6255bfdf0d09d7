// SPDX-License-Identifier: GPL-3.0-or-later
// Row loops over plain bytes, the fade's on saturating vector arithmetic where the processor
// has it: a fade frame of 1024 × 768 must stay well under 5 ms.
#include "slideshow/transition_kernels.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kasumori::slideshow {

namespace {

using pixels::kBytesPerPixel;

// A subtraction of 255 or more leaves 0 for every byte, so the amount fits a byte.
std::uint8_t ByteAmount(int amount) { return std::uint8_t(std::clamp(amount, 0, 255)); }

std::size_t RowBytes(int width) { return std::size_t(width) * kBytesPerPixel; }

// The scalar forms; the vector loops below leave them the last few bytes of a row.
void DarkenBytes(const std::uint8_t* from, std::uint8_t* to, std::size_t i, std::size_t n,
                 std::uint8_t down) {
  for (; i < n; ++i) to[i] = from[i] > down ? std::uint8_t(from[i] - down) : 0;
}

void CrossFadeBytes(const std::uint8_t* next, std::uint8_t nextDown, const std::uint8_t* old,
                    std::uint8_t oldDown, std::uint8_t* to, std::size_t i, std::size_t n) {
  for (; i < n; ++i) {
    const unsigned in = next[i] > nextDown ? next[i] - nextDown : 0u;
    const unsigned out = old[i] > oldDown ? old[i] - oldDown : 0u;
    to[i] = std::uint8_t(std::min(in + out, 255u));
  }
}

#if defined(__SSE2__)
// Saturating byte arithmetic is exactly the fade's clamping, sixteen bytes at a time. Written
// out because the compiler's default optimisation does not vectorise these loops by itself.
constexpr std::size_t kLanes = 16;

__m128i Load(const std::uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void Store(std::uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

void DarkenRow(const std::uint8_t* from, std::uint8_t* to, std::size_t n, std::uint8_t down) {
  const __m128i d = _mm_set1_epi8(char(down));
  std::size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) Store(to + i, _mm_subs_epu8(Load(from + i), d));
  DarkenBytes(from, to, i, n, down);
}

void CrossFadeRow(const std::uint8_t* next, std::uint8_t nextDown, const std::uint8_t* old,
                  std::uint8_t oldDown, std::uint8_t* to, std::size_t n) {
  const __m128i in = _mm_set1_epi8(char(nextDown)), out = _mm_set1_epi8(char(oldDown));
  std::size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    const __m128i a = _mm_subs_epu8(Load(next + i), in);
    const __m128i b = _mm_subs_epu8(Load(old + i), out);
    Store(to + i, _mm_adds_epu8(a, b));
  }
  CrossFadeBytes(next, nextDown, old, oldDown, to, i, n);
}
#else
void DarkenRow(const std::uint8_t* from, std::uint8_t* to, std::size_t n, std::uint8_t down) {
  DarkenBytes(from, to, 0, n, down);
}

void CrossFadeRow(const std::uint8_t* next, std::uint8_t nextDown, const std::uint8_t* old,
                  std::uint8_t oldDown, std::uint8_t* to, std::size_t n) {
  CrossFadeBytes(next, nextDown, old, oldDown, to, 0, n);
}
#endif

}  // namespace

void CopyColumns(const pixels::ConstPixelView& from, const pixels::PixelView& to, int first,
                 int end) {
  first = std::max(first, 0);
  end = std::min(end, to.width);
  if (first >= end) return;
  const std::size_t offset = std::size_t(first) * kBytesPerPixel;
  const std::size_t bytes = std::size_t(end - first) * kBytesPerPixel;
  for (int y = 0; y < to.height; ++y) std::memcpy(to.Row(y) + offset, from.Row(y) + offset, bytes);
}

void CopyRows(const pixels::ConstPixelView& from, const pixels::PixelView& to, int first, int end) {
  first = std::max(first, 0);
  end = std::min(end, to.height);
  for (int y = first; y < end; ++y) std::memcpy(to.Row(y), from.Row(y), RowBytes(to.width));
}

void CopyScattered(const pixels::ConstPixelView& from, const pixels::PixelView& to,
                   const std::uint32_t* positions, std::size_t count) {
  const std::uint32_t width = std::uint32_t(to.width);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t y = positions[i] / width;
    const std::size_t x = std::size_t(positions[i] - y * width) * kBytesPerPixel;
    const std::uint8_t* source = from.Row(int(y)) + x;
    std::uint8_t* target = to.Row(int(y)) + x;
    target[0] = source[0];
    target[1] = source[1];
    target[2] = source[2];
  }
}

void Darkened(const pixels::ConstPixelView& from, const pixels::PixelView& to, int amount) {
  const std::uint8_t down = ByteAmount(amount);
  for (int y = 0; y < to.height; ++y) DarkenRow(from.Row(y), to.Row(y), RowBytes(to.width), down);
}

void CrossFaded(const pixels::ConstPixelView& next, int nextDown, const pixels::ConstPixelView& old,
                int oldDown, const pixels::PixelView& to) {
  const std::uint8_t in = ByteAmount(nextDown), out = ByteAmount(oldDown);
  for (int y = 0; y < to.height; ++y)
    CrossFadeRow(next.Row(y), in, old.Row(y), out, to.Row(y), RowBytes(to.width));
}

}  // namespace kasumori::slideshow

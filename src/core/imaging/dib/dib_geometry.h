// SPDX-License-Identifier: GPL-3.0-or-later
// Row and image sizes of device-independent bitmaps, checked before anything is allocated.
#pragma once

#include "platform/limits.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kasumori::imaging {

// The largest picture any reader or buffer accepts.
inline constexpr std::uint64_t kMaxPixels = platform::limits::kMaxPicturePixels;

// Bytes of one row: bit count × width rounded up to whole 32-bit words.
inline std::uint64_t RowStride(std::uint64_t width, unsigned bitCount) {
  return ((bitCount * width + 31) / 32) * 4;
}

// Bytes of an uncompressed picture, or nothing when the size is not positive or over the limit.
// With width and height below 2^28 and at most 32 bits, no product here can overflow 64 bits.
inline std::optional<std::size_t> ImageBytes(std::int64_t width, std::int64_t height,
                                             unsigned bitCount) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const auto w = static_cast<std::uint64_t>(width);
  const auto h = static_cast<std::uint64_t>(height);
  if (w > kMaxPixels || h > kMaxPixels || w * h > kMaxPixels) return std::nullopt;
  const std::uint64_t bytes = RowStride(w, bitCount) * h;
  if (bytes > platform::limits::kMaxAllocationBytes) return std::nullopt;
  return static_cast<std::size_t>(bytes);
}

}  // namespace kasumori::imaging

// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/dib/pixel_convert.h"

#include "imaging/bmp/bmp_rle.h"

#include <span>

namespace kasumori::imaging {

namespace {

inline void PutColor(std::uint32_t quad, std::uint8_t* dst) {
  dst[0] = std::uint8_t(quad);        // blue
  dst[1] = std::uint8_t(quad >> 8);   // green
  dst[2] = std::uint8_t(quad >> 16);  // red
}

}  // namespace

void ExpandIndexedRow(const std::uint8_t* src, unsigned bitCount, int width,
                      const ColorTable& colors, std::uint8_t* dst) {
  const unsigned perByte = 8 / bitCount;
  const unsigned mask = (1u << bitCount) - 1;
  for (int x = 0; x < width; ++x) {
    const unsigned shift = 8 - bitCount * (unsigned(x) % perByte + 1);
    const unsigned index = (src[unsigned(x) / perByte] >> shift) & mask;
    PutColor(colors[index], dst + 3 * x);
  }
}

void ExpandIndexBytes(const std::uint8_t* src, int width, const ColorTable& colors,
                      std::uint8_t* dst) {
  for (int x = 0; x < width; ++x) PutColor(colors[src[x]], dst + 3 * x);
}

std::unique_ptr<TQxInternalDIB> ConvertTo24(const TQxInternalDIB& source) {
  if (source.BitCount() == 24) return source.Clone();
  const int width = source.Width();
  const int height = source.Height();
  auto out = std::make_unique<TQxInternalDIB>(width, height, 24, 0);
  out->xPelsPerMeter = source.xPelsPerMeter;
  out->yPelsPerMeter = source.yPelsPerMeter;
  out->useFMO = source.useFMO;
  if (source.Compression() != DibCompression::None) {
    const auto depth =
        source.Compression() == DibCompression::Rle8 ? bmp::RleDepth::Rle8 : bmp::RleDepth::Rle4;
    const auto indices = bmp::DecodeRle(
        std::span<const std::uint8_t>(source.Data(), source.ImageSize()), width, height, depth);
    for (int y = 0; y < height; ++y)
      ExpandIndexBytes(indices.data() + std::size_t(y) * std::size_t(width), width, source.colors,
                       out->Row(y));
    return out;
  }
  for (int y = 0; y < height; ++y)
    ExpandIndexedRow(source.Row(y), source.BitCount(), width, source.colors, out->Row(y));
  return out;
}

}  // namespace kasumori::imaging

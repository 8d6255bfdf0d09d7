// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmp/bmp_bitfields.h"

#include "imaging/io/endian.h"

namespace kasumori::imaging::bmp {

std::optional<ChannelMask> PlanMask(std::uint32_t mask) {
  if (mask == 0) return std::nullopt;
  int shift = 0;
  std::uint32_t m = mask;
  while (m > 255) {
    m >>= 1;
    ++shift;
  }
  while (m < 128) {
    m <<= 1;
    --shift;
  }
  return ChannelMask{mask, shift};
}

void ConvertMaskedRow(const std::uint8_t* src, int bitCount, int width,
                      const std::array<ChannelMask, 3>& rgb, std::uint8_t* dst) {
  const std::uint32_t full[3] = {rgb[0].Scaled(rgb[0].mask), rgb[1].Scaled(rgb[1].mask),
                                 rgb[2].Scaled(rgb[2].mask)};
  const int bytes = bitCount / 8;
  for (int x = 0; x < width; ++x) {
    const std::uint8_t* p = src + x * bytes;
    const std::uint32_t pixel = bytes == 2 ? ReadLe16(p) : ReadLe32(p);
    std::uint8_t* out = dst + 3 * x;
    out[2] = std::uint8_t(rgb[0].Scaled(pixel) * 255 / full[0]);
    out[1] = std::uint8_t(rgb[1].Scaled(pixel) * 255 / full[1]);
    out[0] = std::uint8_t(rgb[2].Scaled(pixel) * 255 / full[2]);
  }
}

}  // namespace kasumori::imaging::bmp

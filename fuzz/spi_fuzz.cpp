// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as what a decoder plug-in hands back: the first byte says how much of the
// rest is the bitmap information block, the remainder is the pixel block. Both are malloc()
// blocks of exactly that size, as a plug-in would return them.
#include "fuzz_entries.h"
#include "imaging/errors.h"
#include "imaging/plugins/spi_graphic.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

int kasumori::fuzz::FuzzSpi(const std::uint8_t* data, std::size_t size) {
  using namespace kasumori::imaging;
  if (size < 1) return 0;
  const std::size_t infoBytes = std::min<std::size_t>(40 + 4 * std::size_t(data[0]), size - 1);
  const std::size_t pixelBytes = size - 1 - infoBytes;
  auto* info = static_cast<std::uint8_t*>(std::malloc(infoBytes ? infoBytes : 1));
  auto* pixels = static_cast<std::uint8_t*>(std::malloc(pixelBytes ? pixelBytes : 1));
  std::memcpy(info, data + 1, infoBytes);
  std::memcpy(pixels, data + 1 + infoBytes, pixelBytes);
  auto graphic = TSPIGraphic::FromBlocks(SpiBlock(info), SpiBlock(pixels));
  if (!graphic) return 0;
  try {
    (void)graphic->ConvertAndRelease();
  } catch (const ImagingError&) {
  }
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// TSPIGraphic: the picture a decoder plug-in handed back (its bitmap information block and its
// pixel block), checked before a byte of it is read, and handed over to the BMP reader as a
// BMP file image.
#pragma once

#include "imaging/dib/qx_internal_dib.h"
#include "imaging/io/byte_source.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

namespace kasumori::imaging {

// A block a plug-in allocated with malloc(); the host owns it once handed over.
struct FreeBlock {
  void operator()(void* block) const { std::free(block); }
};
using SpiBlock = std::unique_ptr<void, FreeBlock>;

// What the host derives from the bitmap header (all 0 for an empty picture).
struct SpiBitmapGeometry {
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows top-down
  std::uint16_t bitCount = 0;
  // The colours-used field, or 2, 16, 256 for 1, 4, 8 bits when that is 0, else 0.
  std::uint32_t colorCount = 0;
  std::uint32_t headerSize = 0;     // 40 + 4 × colour count
  std::uint64_t pixelDataSize = 0;  // whole rows of 32-bit words × |height|
};

// The geometry of a returned picture, or nothing when the header lies: a header other than
// the plain 40-byte one, a depth or compression the hand-over cannot carry, a size over the
// pixel limit, a colour table or pixel rows larger than the blocks that should hold them.
// `infoBytes` and `pixelBytes` are the sizes of the two blocks.
std::optional<SpiBitmapGeometry> CheckSpiBitmap(const void* info, std::size_t infoBytes,
                                                std::size_t pixelBytes);

class TSPIGraphic {
 public:
  // Nothing when the blocks do not hold what the header declares; the blocks are freed then.
  static std::optional<TSPIGraphic> FromBlocks(SpiBlock info, SpiBlock pixels);

  int Width() const { return geometry_.width; }
  int Height() const { return geometry_.height; }
  const SpiBitmapGeometry& Geometry() const { return geometry_; }

  // The hand-over image: the 14-byte BMP file header, the first header-size bytes of the
  // information block, the first pixel-data-size bytes of the pixel block. Served straight
  // from the blocks, so the pixels are not copied on the way to the reader.
  ByteSource& HandOverImage();
  // Reads the hand-over image back with the BMP reader and releases both blocks at once, so
  // that the two copies of the pixels do not outlive the conversion together.
  std::unique_ptr<TQxInternalDIB> ConvertAndRelease();

 private:
  class HandOver;
  TSPIGraphic(SpiBlock info, SpiBlock pixels, SpiBitmapGeometry geometry);
  void Release();

  SpiBlock info_;
  SpiBlock pixels_;
  SpiBitmapGeometry geometry_;
  std::shared_ptr<HandOver> image_;
};

}  // namespace kasumori::imaging

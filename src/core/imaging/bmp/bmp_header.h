// SPDX-License-Identifier: GPL-3.0-or-later
// The headers and colour table of a BMP file, read and checked against the file's size.
#pragma once

#include "imaging/dib/pixel_convert.h"

#include <array>
#include <cstdint>

namespace kasumori::imaging {
class ByteSource;
}

namespace kasumori::imaging::bmp {

struct BmpHeader {
  std::uint32_t offBits = 0;     // file offset of the pixel data
  std::uint32_t headerSize = 0;  // 40 (Windows) or 12 (OS/2)
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: rows bottom-up in the file; negative: top-down
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t colorsUsed = 0;  // entries of the colour table in the file
  std::uint32_t colorsImportant = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue; from the file with bit fields
  ColorTable colors{};                   // the first 256 entries, as blue, green, red, 0

  int Rows() const { return height < 0 ? -height : height; }
  bool BottomUp() const { return height > 0; }
};

// Reads both headers, the masks and the colour table, and checks the data offset, the depth,
// the size and the compression; throws the reader's EQxDIBError on any fault.
BmpHeader ReadBmpHeader(ByteSource& source);

}  // namespace kasumori::imaging::bmp

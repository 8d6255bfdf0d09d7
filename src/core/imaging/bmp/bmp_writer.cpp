// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmp/bmp_writer.h"

#include "imaging/bmp/bmp_format.h"
#include "imaging/io/endian.h"

#include <cstring>

namespace kasumori::imaging::bmp {

std::vector<std::uint8_t> WriteBmp(const TQxInternalDIB& dib) {
  const std::uint32_t colors = dib.colorsUsed;
  const std::uint32_t offBits = kFileHeaderSize + kInfoHeaderSize + kRgbQuadSize * colors;
  const std::size_t total = offBits + dib.ImageSize();
  std::vector<std::uint8_t> out(total, 0);
  std::uint8_t* p = out.data();
  WriteLe16(p + kFileTypeAt, kFileType);
  WriteLe32(p + kFileSizeAt, std::uint32_t(total));
  WriteLe32(p + kOffBitsAt, offBits);
  std::uint8_t* info = p + kFileHeaderSize;
  WriteLe32(info, kInfoHeaderSize);
  WriteLe32(info + kInfoWidthAt, std::uint32_t(dib.Width()));
  WriteLe32(info + kInfoHeightAt, std::uint32_t(dib.Height()));  // positive: bottom-up
  WriteLe16(info + kInfoPlanesAt, 1);
  WriteLe16(info + kInfoBitCountAt, dib.BitCount());
  WriteLe32(info + kInfoCompressionAt, std::uint32_t(dib.Compression()));
  WriteLe32(info + kInfoSizeImageAt, std::uint32_t(dib.ImageSize()));
  WriteLe32(info + kInfoXPelsAt, std::uint32_t(dib.xPelsPerMeter));
  WriteLe32(info + kInfoYPelsAt, std::uint32_t(dib.yPelsPerMeter));
  WriteLe32(info + kInfoClrUsedAt, colors);
  WriteLe32(info + kInfoClrImportantAt, dib.colorsImportant);
  std::uint8_t* table = info + kInfoHeaderSize;
  for (std::uint32_t i = 0; i < colors && i < kMaxColors; ++i)
    WriteLe32(table + kRgbQuadSize * i, dib.colors[i] & 0x00FFFFFF);
  std::uint8_t* data = p + offBits;
  if (dib.Compression() != DibCompression::None) {
    std::memcpy(data, dib.Data(), dib.ImageSize());
    return out;
  }
  for (int i = 0; i < dib.Height(); ++i)
    std::memcpy(data + std::size_t(i) * dib.Stride(), dib.Row(dib.Height() - 1 - i), dib.Stride());
  return out;
}

}  // namespace kasumori::imaging::bmp

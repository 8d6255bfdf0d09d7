// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmp/bmp_header.h"

#include "imaging/bmp/bmp_format.h"
#include "imaging/dib/dib_geometry.h"
#include "imaging/dib/qx_internal_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "imaging/io/endian.h"

#include <limits>

namespace kasumori::imaging::bmp {

namespace {

constexpr const char* kTruncated = "TQxInternalDIB.LoadFromStream: File is truncated";

void ReadOrFail(ByteSource& source, std::uint64_t offset, void* dest, std::size_t n) {
  if (!source.ReadAt(offset, dest, n)) throw EQxDIBInvalidDIBFile(kTruncated);
}

std::uint32_t DefaultColors(std::uint16_t bitCount) { return bitCount <= 8 ? (1u << bitCount) : 0; }

void ReadWindowsHeader(ByteSource& source, BmpHeader& h) {
  std::uint8_t b[kInfoHeaderSize];
  ReadOrFail(source, kFileHeaderSize, b, sizeof b);
  h.width = std::int32_t(ReadLe32(b + kInfoWidthAt));
  h.height = std::int32_t(ReadLe32(b + kInfoHeightAt));
  h.bitCount = ReadLe16(b + kInfoBitCountAt);
  h.compression = ReadLe32(b + kInfoCompressionAt);
  h.sizeImage = ReadLe32(b + kInfoSizeImageAt);
  h.xPelsPerMeter = std::int32_t(ReadLe32(b + kInfoXPelsAt));
  h.yPelsPerMeter = std::int32_t(ReadLe32(b + kInfoYPelsAt));
  h.colorsUsed = ReadLe32(b + kInfoClrUsedAt);
  h.colorsImportant = ReadLe32(b + kInfoClrImportantAt);
  const std::uint16_t bits = h.bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    throw EQxDIBInvalidDIB("TQxInternalDIB.LoadFromStream: Invalid BitCout");
  if (h.colorsUsed == 0) h.colorsUsed = DefaultColors(bits);
  if (h.xPelsPerMeter == 0) h.xPelsPerMeter = kDefaultPelsPerMeter;
  if (h.yPelsPerMeter == 0) h.yPelsPerMeter = kDefaultPelsPerMeter;
}

void ReadCoreHeader(ByteSource& source, BmpHeader& h) {
  std::uint8_t b[kCoreHeaderSize];
  ReadOrFail(source, kFileHeaderSize, b, sizeof b);
  h.width = ReadLe16(b + kCoreWidthAt);
  h.height = ReadLe16(b + kCoreHeightAt);
  h.bitCount = ReadLe16(b + kCoreBitCountAt);
  const std::uint16_t bits = h.bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
    throw EQxDIBInvalidDIB("TQxInternalDIB.LoadFromStream: Invalid BitCount");
  h.colorsUsed = DefaultColors(bits);
  h.xPelsPerMeter = kDefaultPelsPerMeter;
  h.yPelsPerMeter = kDefaultPelsPerMeter;
}

// Compression must fit the depth: run lengths only for 8 and 4 bits, masks only for 16 and 32.
void CheckCompression(const BmpHeader& h) {
  const bool fits =
      h.compression == kCompressionRgb || (h.compression == kCompressionRle8 && h.bitCount == 8) ||
      (h.compression == kCompressionRle4 && h.bitCount == 4) ||
      (h.compression == kCompressionBitFields && (h.bitCount == 16 || h.bitCount == 32));
  if (!fits) throw EQxDIBInvalidDIB("TQxInternalDIB.LoadFromStream: Invalid Compression");
}

void ReadColorTable(ByteSource& source, std::uint64_t at, std::uint32_t entrySize, BmpHeader& h) {
  const std::uint32_t count = std::min(h.colorsUsed, kMaxColors);
  std::uint8_t entry[kRgbQuadSize] = {};
  for (std::uint32_t i = 0; i < count; ++i) {
    ReadOrFail(source, at + std::uint64_t(i) * entrySize, entry, entrySize);
    h.colors[i] =
        std::uint32_t(entry[0]) | (std::uint32_t(entry[1]) << 8) | (std::uint32_t(entry[2]) << 16);
  }
}

}  // namespace

BmpHeader ReadBmpHeader(ByteSource& source) {
  std::uint8_t file[kFileHeaderSize];
  if (!source.ReadAt(0, file, sizeof file) || ReadLe16(file + kFileTypeAt) != kFileType)
    throw EQxDIBInvalidDIBFile("TQxInternalDIB.LoadFromFile: File type is invalid");
  BmpHeader h;
  h.offBits = ReadLe32(file + kOffBitsAt);
  std::uint8_t sizeField[kHeaderSizeField];
  ReadOrFail(source, kFileHeaderSize, sizeField, sizeof sizeField);
  h.headerSize = ReadLe32(sizeField);
  std::uint32_t entrySize = kRgbQuadSize;
  if (h.headerSize == kInfoHeaderSize) {
    ReadWindowsHeader(source, h);
  } else if (h.headerSize == kCoreHeaderSize) {
    ReadCoreHeader(source, h);
    entrySize = kRgbTripleSize;  // OS/2 colour entries are 3 bytes
  } else {
    throw EQxDIBInvalidDIB("TQxInternalDIB.LoadFromStream: Invalid Bitmap Header Size");
  }
  CheckCompression(h);
  const bool bitFields = h.compression == kCompressionBitFields;
  const std::uint64_t tableAt = kFileHeaderSize + h.headerSize + (bitFields ? kMaskBytes : 0);
  if (std::uint64_t(h.offBits) < tableAt + std::uint64_t(entrySize) * h.colorsUsed)
    throw EQxDIBInvalidDIB("TQxInternalDIB.LoadFromFile: bfOffBits is too small");
  if (bitFields) {
    std::uint8_t m[kMaskBytes];
    ReadOrFail(source, kFileHeaderSize + h.headerSize, m, sizeof m);
    h.masks = {ReadLe32(m), ReadLe32(m + 4), ReadLe32(m + 8)};
  }
  ReadColorTable(source, tableAt, entrySize, h);
  if (h.width <= 0 || h.height == 0 || h.height == std::numeric_limits<std::int32_t>::min())
    throw EQxDIBInvalidDIB("TQxInternalDIB.LoadFromStream: Invalid Width or Height");
  const unsigned storedBits = h.bitCount > 8 ? 24 : h.bitCount;
  if (!ImageBytes(h.width, h.Rows(), storedBits))
    throw EQxDIBInvalidDIB("TQxInternalDIB.LoadFromStream: Image is too large");
  return h;
}

}  // namespace kasumori::imaging::bmp

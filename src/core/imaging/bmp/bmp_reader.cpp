// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmp/bmp_reader.h"

#include "imaging/bmp/bmp_bitfields.h"
#include "imaging/bmp/bmp_format.h"
#include "imaging/bmp/bmp_header.h"
#include "imaging/dib/dib_geometry.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"

#include <vector>

namespace kasumori::imaging::bmp {

namespace {

constexpr const char* kTruncated = "TQxInternalDIB.LoadFromStream: File is truncated";

// Throws unless `rows` rows of `stride` bytes lie in the file from the data offset.
void CheckDataFits(ByteSource& source, const BmpHeader& h, std::uint64_t stride) {
  if (!source.Holds(h.offBits, stride * std::uint64_t(h.Rows())))
    throw EQxDIBInvalidDIBFile(kTruncated);
}

void CopyHeaderFields(const BmpHeader& h, TQxInternalDIB& dib) {
  dib.xPelsPerMeter = h.xPelsPerMeter;
  dib.yPelsPerMeter = h.yPelsPerMeter;
  dib.colorsImportant = h.colorsImportant;
  dib.colors = h.colors;
}

// File row i of a bottom-up file is picture row (rows − 1 − i).
int PictureRow(const BmpHeader& h, int fileRow) {
  return h.BottomUp() ? h.Rows() - 1 - fileRow : fileRow;
}

std::unique_ptr<TQxInternalDIB> ReadPlain(ByteSource& source, const BmpHeader& h) {
  const std::uint32_t colors = h.bitCount <= 8 ? std::min(h.colorsUsed, kMaxColors) : 0;
  CheckDataFits(source, h, RowStride(std::uint64_t(h.width), h.bitCount));
  auto dib = std::make_unique<TQxInternalDIB>(h.width, h.Rows(), h.bitCount, colors);
  for (int i = 0; i < h.Rows(); ++i) {
    const std::uint64_t at = h.offBits + std::uint64_t(i) * dib->Stride();
    if (!source.ReadAt(at, dib->Row(PictureRow(h, i)), dib->Stride()))
      throw EQxDIBInvalidDIBFile(kTruncated);
  }
  CopyHeaderFields(h, *dib);
  return dib;
}

// Run-length data run to the end of the file, or to the end of biSizeImage when that fits.
std::unique_ptr<TQxInternalDIB> ReadRunLength(ByteSource& source, const BmpHeader& h) {
  if (h.offBits > source.Size()) throw EQxDIBInvalidDIBFile(kTruncated);
  std::uint64_t bytes = source.Size() - h.offBits;
  if (h.sizeImage > 0 && h.sizeImage < bytes) bytes = h.sizeImage;
  const auto compression =
      h.compression == kCompressionRle8 ? DibCompression::Rle8 : DibCompression::Rle4;
  auto dib =
      TQxInternalDIB::Compressed(h.width, h.Rows(), h.bitCount, compression, std::size_t(bytes));
  dib->colorsUsed = std::min(h.colorsUsed, kMaxColors);
  if (!source.ReadAt(h.offBits, dib->Data(), std::size_t(bytes)))
    throw EQxDIBInvalidDIBFile(kTruncated);
  CopyHeaderFields(h, *dib);
  return dib;
}

std::array<ChannelMask, 3> PlanMasks(const BmpHeader& h) {
  std::array<std::uint32_t, 3> masks = h.masks;
  if (h.compression != kCompressionBitFields)
    masks = h.bitCount == 16 ? std::array{kMask16Red, kMask16Green, kMask16Blue}
                             : std::array{kMask32Red, kMask32Green, kMask32Blue};
  std::array<ChannelMask, 3> plan{};
  for (int c = 0; c < 3; ++c) {
    const auto m = PlanMask(masks[std::size_t(c)]);
    if (!m) throw EQxDIBInvalidDIB("TQxInternalDIB.LoadFromStream: Invalid Masks");
    plan[std::size_t(c)] = *m;
  }
  return plan;
}

std::unique_ptr<TQxInternalDIB> ReadMasked(ByteSource& source, const BmpHeader& h) {
  const std::array<ChannelMask, 3> masks = PlanMasks(h);
  const std::uint64_t stride = RowStride(std::uint64_t(h.width), h.bitCount);
  CheckDataFits(source, h, stride);
  auto dib = std::make_unique<TQxInternalDIB>(h.width, h.Rows(), 24, 0);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(stride));
  for (int i = 0; i < h.Rows(); ++i) {
    if (!source.ReadAt(h.offBits + std::uint64_t(i) * stride, row.data(), row.size()))
      throw EQxDIBInvalidDIBFile(kTruncated);
    ConvertMaskedRow(row.data(), h.bitCount, h.width, masks, dib->Row(PictureRow(h, i)));
  }
  CopyHeaderFields(h, *dib);
  return dib;
}

}  // namespace

std::unique_ptr<TQxInternalDIB> ReadBmp(ByteSource& source) {
  const BmpHeader h = ReadBmpHeader(source);
  if (h.bitCount == 16 || h.bitCount == 32) return ReadMasked(source, h);
  if (h.compression == kCompressionRle8 || h.compression == kCompressionRle4)
    return ReadRunLength(source, h);
  return ReadPlain(source, h);
}

}  // namespace kasumori::imaging::bmp

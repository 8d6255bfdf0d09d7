// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/plugins/spi_graphic.h"

#include "imaging/bmp/bmp_format.h"
#include "imaging/bmp/bmp_reader.h"
#include "imaging/dib/dib_geometry.h"
#include "imaging/io/endian.h"

#include <malloc.h>

#include <cstring>

namespace kasumori::imaging {

namespace {

bool HandedOverDepth(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<SpiBitmapGeometry> CheckSpiBitmap(const void* info, std::size_t infoBytes,
                                                std::size_t pixelBytes) {
  if (!info || infoBytes < bmp::kInfoHeaderSize) return std::nullopt;
  const auto* h = static_cast<const std::uint8_t*>(info);
  SpiBitmapGeometry g;
  g.width = std::int32_t(ReadLe32(h + bmp::kInfoWidthAt));
  g.height = std::int32_t(ReadLe32(h + bmp::kInfoHeightAt));
  g.bitCount = ReadLe16(h + bmp::kInfoBitCountAt);
  const std::uint32_t colorsUsed = ReadLe32(h + bmp::kInfoClrUsedAt);
  // The hand-over carries the 40-byte header, the colour table and plain rows only.
  if (ReadLe32(h) != bmp::kInfoHeaderSize || !HandedOverDepth(g.bitCount) ||
      ReadLe32(h + bmp::kInfoCompressionAt) != bmp::kCompressionRgb) {
    return std::nullopt;
  }
  if (g.height == INT32_MIN) return std::nullopt;
  const auto bytes = ImageBytes(g.width, g.height < 0 ? -g.height : g.height, g.bitCount);
  if (!bytes) return std::nullopt;
  const std::uint32_t tableLimit = g.bitCount <= 8 ? 1u << g.bitCount : bmp::kMaxColors;
  if (colorsUsed > tableLimit) return std::nullopt;
  g.colorCount = colorsUsed != 0 ? colorsUsed : (g.bitCount <= 8 ? 1u << g.bitCount : 0);
  g.headerSize = bmp::kInfoHeaderSize + bmp::kRgbQuadSize * g.colorCount;
  g.pixelDataSize = *bytes;
  if (g.headerSize > infoBytes || g.pixelDataSize > pixelBytes) return std::nullopt;
  return g;
}

// The BMP file image over the two blocks, without a copy of either.
class TSPIGraphic::HandOver final : public ByteSource {
 public:
  HandOver(const void* info, const void* pixels, const SpiBitmapGeometry& g)
      : segments_{{{fileHeader_, bmp::kFileHeaderSize},
                   {static_cast<const std::uint8_t*>(info), g.headerSize},
                   {static_cast<const std::uint8_t*>(pixels), g.pixelDataSize}}} {
    const std::uint32_t offBits = bmp::kFileHeaderSize + g.headerSize;
    WriteLe16(fileHeader_ + bmp::kFileTypeAt, bmp::kFileType);
    WriteLe32(fileHeader_ + bmp::kFileSizeAt, std::uint32_t(offBits + g.pixelDataSize));
    WriteLe32(fileHeader_ + bmp::kOffBitsAt, offBits);
    size_ = offBits + g.pixelDataSize;
  }
  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* dest, std::size_t n) override {
    if (!Holds(offset, n)) return false;
    auto* out = static_cast<std::uint8_t*>(dest);
    for (const Segment& s : segments_) {
      if (n == 0) break;
      if (offset >= s.size) {
        offset -= s.size;
        continue;
      }
      const std::size_t part = std::size_t(std::min<std::uint64_t>(n, s.size - offset));
      std::memcpy(out, s.data + offset, part);
      out += part;
      n -= part;
      offset = 0;
    }
    return true;
  }

 private:
  struct Segment {
    const std::uint8_t* data;
    std::uint64_t size;
  };
  std::uint8_t fileHeader_[bmp::kFileHeaderSize] = {};
  std::array<Segment, 3> segments_;
  std::uint64_t size_ = 0;
};

std::optional<TSPIGraphic> TSPIGraphic::FromBlocks(SpiBlock info, SpiBlock pixels) {
  if (!info || !pixels) return std::nullopt;
  // The blocks are malloc() blocks by the plug-in contract: their usable sizes bound what the
  // host may read, whatever the header says.
  const auto geometry =
      CheckSpiBitmap(info.get(), malloc_usable_size(info.get()), malloc_usable_size(pixels.get()));
  if (!geometry) return std::nullopt;
  return TSPIGraphic(std::move(info), std::move(pixels), *geometry);
}

TSPIGraphic::TSPIGraphic(SpiBlock info, SpiBlock pixels, SpiBitmapGeometry geometry)
    : info_(std::move(info)),
      pixels_(std::move(pixels)),
      geometry_(geometry),
      image_(std::make_shared<HandOver>(info_.get(), pixels_.get(), geometry_)) {}

ByteSource& TSPIGraphic::HandOverImage() { return *image_; }

std::unique_ptr<TQxInternalDIB> TSPIGraphic::ConvertAndRelease() {
  // A top-down 24-bit result is already laid out as the buffer keeps its rows: the buffer
  // takes the pixel block itself, which gives what reading the hand-over image back would
  // give, without a second copy of a picture that may be hundreds of megabytes.
  if (geometry_.bitCount == 24 && geometry_.height < 0 && geometry_.colorCount == 0) {
    const auto* header = static_cast<const std::uint8_t*>(info_.get());
    auto storage = TQxInternalDIB::Adopt(geometry_.width, -geometry_.height, 24,
                                         static_cast<std::uint8_t*>(pixels_.release()));
    storage->xPelsPerMeter = std::int32_t(ReadLe32(header + bmp::kInfoXPelsAt));
    storage->yPelsPerMeter = std::int32_t(ReadLe32(header + bmp::kInfoYPelsAt));
    storage->colorsImportant = ReadLe32(header + bmp::kInfoClrImportantAt);
    Release();
    return storage;
  }
  auto storage = bmp::ReadBmp(*image_);
  Release();
  return storage;
}

void TSPIGraphic::Release() {
  image_.reset();
  info_.reset();
  pixels_.reset();
  geometry_ = {};
}

}  // namespace kasumori::imaging

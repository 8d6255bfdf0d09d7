// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/tiff/tiff_reader.h"

#include "imaging/dib/dib_geometry.h"
#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "imaging/tiff/tiff_directory.h"
#include "imaging/tiff/tiff_format.h"

#include <algorithm>
#include <vector>

namespace kasumori::imaging {

namespace {

using namespace tiff;

constexpr const char* kTruncated = "TiffReader: File is truncated";
// The sparse step is chosen so that at least this many columns and rows are read: more than
// the 80 × 60 thumbnail needs.
constexpr int kSparseMinColumns = 160;
constexpr int kSparseMinRows = 80;

struct TiffLayout {
  ByteOrder order = ByteOrder::BigEndian;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool compressed = false;
  bool hasStrips = false;
  IfdEntry strips{};
};

void ReadOrFail(ByteSource& source, std::uint64_t offset, void* dest, std::size_t n) {
  if (!source.ReadAt(offset, dest, n)) throw ETiffError(kTruncated);
}

TiffLayout ReadLayout(ByteSource& source) {
  TiffLayout layout;
  std::uint8_t mark[kByteOrderBytes];
  ReadOrFail(source, 0, mark, sizeof mark);
  layout.order = OrderOfMark(mark);
  std::uint8_t countBytes[kEntryCountBytes];
  ReadOrFail(source, kFirstIfdAt, countBytes, sizeof countBytes);
  const std::uint16_t count = ReadU16(countBytes, layout.order);
  for (std::uint32_t i = 0; i < count; ++i) {
    IfdEntry e{};
    if (!ReadEntry(source, kFirstIfdAt + kEntryCountBytes + kEntrySize * i, layout.order, e))
      throw ETiffError(kTruncated);
    switch (e.tag) {
      case kTagCompression:
        layout.compressed |= e.value16 != kCompressionNone;
        break;
      case kTagImageWidth:
        layout.width = e.type == kTypeShort ? e.value16 : e.value;
        break;
      case kTagImageLength:
        layout.height = e.type == kTypeShort ? e.value16 : e.value;
        break;
      case kTagStripOffsets:
        layout.strips = e;
        layout.hasStrips = true;
        break;
      default:
        break;
    }
  }
  return layout;
}

// The strip offsets: short values in the entry itself for up to two strips, a single long
// value in the entry, otherwise an array at the value offset (checked against the file).
std::vector<std::uint32_t> StripOffsets(ByteSource& source, const TiffLayout& layout) {
  const IfdEntry& e = layout.strips;
  const bool shorts = e.type == kTypeShort;
  if (shorts && e.count <= 2) {
    std::vector<std::uint32_t> offsets{e.value16, e.value16b};
    offsets.resize(e.count);
    return offsets;
  }
  if (!shorts && e.count == 1) return {e.value};
  const std::uint64_t size = shorts ? 2 : 4;
  if (!source.Holds(e.value, size * e.count)) throw ETiffError(kTruncated);
  std::vector<std::uint8_t> raw(static_cast<std::size_t>(size * e.count));
  ReadOrFail(source, e.value, raw.data(), raw.size());
  std::vector<std::uint32_t> offsets(e.count);
  for (std::uint32_t s = 0; s < e.count; ++s)
    offsets[s] = shorts ? ReadU16(&raw[2 * s], layout.order) : ReadU32(&raw[4 * s], layout.order);
  return offsets;
}

// The plan: every strip's first byte, rows per strip, and the sampling step, all checked.
struct StripPlan {
  std::vector<std::uint32_t> offsets;
  int width;
  int height;
  int rowsPerStrip;  // height div strip count; the rows-per-strip tag is not read
  int step;          // 1 for full reading
};

StripPlan Plan(ByteSource& source, const TiffLayout& layout, TiffSampling sampling) {
  if (layout.width == 0 || layout.height == 0)
    throw ETiffError("TiffReader: Invalid Width or Height");
  if (!ImageBytes(layout.width, layout.height, 24))
    throw ETiffError("TiffReader: Image is too large");
  StripPlan plan{StripOffsets(source, layout), int(layout.width), int(layout.height), 0, 1};
  plan.rowsPerStrip = plan.height / int(plan.offsets.size());
  const std::uint64_t stripBytes = std::uint64_t(plan.rowsPerStrip) * plan.width * kBytesPerPixel;
  for (std::uint32_t offset : plan.offsets)
    if (!source.Holds(offset, stripBytes)) throw ETiffError("TiffReader: Strip is Out of File");
  // An uncompressed file must hold the rows its strips promise. This also bounds the buffer:
  // with at least one row per strip, the picture is under twice the strips' rows.
  const std::uint64_t stripRows = std::uint64_t(plan.rowsPerStrip) * plan.offsets.size();
  if (plan.rowsPerStrip == 0 || stripRows * plan.width * kBytesPerPixel > source.Size())
    throw ETiffError("TiffReader: Image is too large for the file");
  if (sampling == TiffSampling::Sparse)
    plan.step = std::max(1, std::min(plan.width / kSparseMinColumns, plan.height / kSparseMinRows));
  return plan;
}

// Red, green, blue in the file; blue, green, red in the buffer. With a step d, every d-th
// pixel is read and fills d pixels.
void StoreRow(const std::uint8_t* in, int width, int step, std::uint8_t* out) {
  for (int x = 0; x < width; x += step) {
    const std::uint8_t* p = in + std::size_t(x) * kBytesPerPixel;
    const int end = std::min(width, x + step);
    for (int k = x; k < end; ++k) {
      out[3 * k] = p[2];
      out[3 * k + 1] = p[1];
      out[3 * k + 2] = p[0];
    }
  }
}

void Run(ByteSource& source, const StripPlan& plan, TQxInternalDIB& out) {
  const std::size_t rowBytes = std::size_t(plan.width) * kBytesPerPixel;
  std::vector<std::uint8_t> row(rowBytes);
  int next = 0;  // next output row, running over all strips
  for (std::uint32_t offset : plan.offsets) {
    for (int j = 0; j < plan.rowsPerStrip && next < plan.height; j += plan.step) {
      ReadOrFail(source, offset + std::uint64_t(j) * rowBytes, row.data(), rowBytes);
      StoreRow(row.data(), plan.width, plan.step, out.Row(next));
      // Repeat the row over its block, but never past the strip's own rows: each strip
      // still yields exactly its rows, so the picture keeps its geometry.
      const int copies = std::min({plan.step, plan.rowsPerStrip - j, plan.height - next});
      for (int k = 1; k < copies; ++k) std::copy_n(out.Row(next), out.Stride(), out.Row(next + k));
      next += copies;
    }
  }
}

}  // namespace

TiffReadResult ReadTiff(ByteSource& source, TiffSampling sampling, TQxDIB& target) {
  const TiffLayout layout = ReadLayout(source);
  if (layout.compressed) return TiffReadResult::Compressed;
  if (!layout.hasStrips || layout.strips.count == 0) return TiffReadResult::NoStrips;
  const StripPlan plan = Plan(source, layout, sampling);
  auto storage = std::make_unique<TQxInternalDIB>(plan.width, plan.height, 24, 0);
  Run(source, plan, *storage);
  target.TakeStorage(std::move(storage));
  return TiffReadResult::Decoded;
}

}  // namespace kasumori::imaging

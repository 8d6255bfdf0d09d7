// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/exif_head.h"

#include "imaging/exif/exif_format.h"
#include "imaging/io/byte_source.h"
#include "imaging/io/endian.h"
#include "imaging/jpeg/jpeg_format.h"

namespace kasumori::exporting {

namespace {

using namespace imaging::exif;

constexpr std::uint16_t kTypeLong = 4;

// Type, count 1 and a value, as one 10-byte entry tail in the given order. A SHORT value sits
// in the first two bytes of the value field, the other two are zero.
void WriteEntryTail(std::uint8_t* at, bool littleEndian, std::uint16_t type, std::uint32_t value) {
  auto put = [littleEndian](std::uint8_t* p, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      const int shift = 8 * (littleEndian ? i : bytes - 1 - i);
      p[i] = std::uint8_t(v >> shift);
    }
  };
  put(at, type, 2);
  put(at + 2, 1, 4);
  if (type == kTypeShort) {
    put(at + 6, value, 2);
    put(at + 8, 0, 2);
  } else {
    put(at + 6, value, 4);
  }
}

bool StartsWithSegment(std::span<const std::uint8_t> head, std::uint32_t length) {
  using namespace imaging::jpeg;
  return head.size() >= kJpegLeadBytes && head[0] == kMarkerPrefix && head[1] == kStartOfImage &&
         head[kApp1MarkerAt] == kMarkerPrefix && head[kApp1MarkerAt + 1] == kApp1 &&
         imaging::ReadU16(&head[kApp1LengthAt], imaging::ByteOrder::BigEndian) == length;
}

}  // namespace

void PatchExifEntries(std::span<std::uint8_t> head, const imaging::ExifLayout& layout, int width,
                      int height) {
  const bool little = layout.TiffLittleEndian;
  auto patch = [&](std::uint64_t offset, std::uint16_t type, std::uint32_t value) {
    if (offset == 0 || offset + kEntryTailBytes > head.size()) return;
    WriteEntryTail(head.data() + offset, little, type, value);
  };
  patch(layout.ExifOrientationEntryOffset, kTypeShort, kOrientationUpright);
  patch(layout.ExifWidthEntryOffset, kTypeLong, std::uint32_t(width));
  patch(layout.ExifHeightEntryOffset, kTypeLong, std::uint32_t(height));
}

std::vector<std::uint8_t> ExifHead(imaging::ByteSource& photo, const imaging::ExifLayout& layout,
                                   int width, int height) {
  std::vector<std::uint8_t> plain{imaging::jpeg::kMarkerPrefix, imaging::jpeg::kStartOfImage};
  const std::uint64_t bytes = std::uint64_t(layout.ExifLength) + kSegmentLead;
  if (layout.ExifLength == 0 || bytes > kMaxHeadBytes) return plain;
  std::vector<std::uint8_t> head(bytes);
  // The file may have changed since it was shown: what no longer starts with the segment the
  // layout describes is not carried over.
  if (!photo.ReadAt(0, head.data(), head.size()) || !StartsWithSegment(head, layout.ExifLength))
    return plain;
  PatchExifEntries(head, layout, width, height);
  return head;
}

}  // namespace kasumori::exporting

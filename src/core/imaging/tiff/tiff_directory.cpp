// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/tiff/tiff_directory.h"

#include "imaging/io/byte_source.h"
#include "imaging/tiff/tiff_format.h"

namespace kasumori::imaging::tiff {

ByteOrder OrderOfMark(const std::uint8_t mark[2]) {
  return mark[0] == kLittleEndianMark && mark[1] == kLittleEndianMark ? ByteOrder::LittleEndian
                                                                      : ByteOrder::BigEndian;
}

bool ReadEntry(ByteSource& source, std::uint64_t offset, ByteOrder order, IfdEntry& entry) {
  std::uint8_t b[kEntrySize];
  if (!source.ReadAt(offset, b, sizeof b)) return false;
  entry.tag = ReadU16(b, order);
  entry.type = ReadU16(b + kEntryTypeAt, order);
  entry.count = ReadU32(b + kEntryCountAt, order);
  entry.value = ReadU32(b + kEntryValueAt, order);
  entry.value16 = ReadU16(b + kEntryValueAt, order);
  entry.value16b = ReadU16(b + kEntryValueAt + 2, order);
  return true;
}

}  // namespace kasumori::imaging::tiff

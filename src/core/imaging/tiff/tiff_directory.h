// SPDX-License-Identifier: GPL-3.0-or-later
// Reading of TIFF directory entries through a ByteSource, in the file's byte order.
#pragma once

#include "imaging/io/endian.h"

#include <cstdint>

namespace kasumori::imaging {
class ByteSource;
}

namespace kasumori::imaging::tiff {

struct IfdEntry {
  std::uint16_t tag;
  std::uint16_t type;
  std::uint32_t count;
  std::uint32_t value;     // the 4-byte value field as a 32-bit number
  std::uint16_t value16;   // its first two bytes in file order as a 16-bit number
  std::uint16_t value16b;  // its last two bytes
};

// "II" first: little-endian; anything else (also "MM") big-endian.
ByteOrder OrderOfMark(const std::uint8_t mark[2]);

// Reads the 12 bytes at offset; false when they do not lie in the source.
bool ReadEntry(ByteSource& source, std::uint64_t offset, ByteOrder order, IfdEntry& entry);

}  // namespace kasumori::imaging::tiff

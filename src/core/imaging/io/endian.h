// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-byte values of file structures, read from bytes already in memory.
#pragma once

#include <cstdint>

namespace kasumori::imaging {

enum class ByteOrder { LittleEndian, BigEndian };

inline std::uint16_t ReadU16(const std::uint8_t* p, ByteOrder order) {
  return order == ByteOrder::LittleEndian ? std::uint16_t(p[0] | (p[1] << 8))
                                          : std::uint16_t((p[0] << 8) | p[1]);
}

inline std::uint32_t ReadU32(const std::uint8_t* p, ByteOrder order) {
  if (order == ByteOrder::LittleEndian)
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
         std::uint32_t(p[3]);
}

inline std::uint16_t ReadLe16(const std::uint8_t* p) { return ReadU16(p, ByteOrder::LittleEndian); }
inline std::uint32_t ReadLe32(const std::uint8_t* p) { return ReadU32(p, ByteOrder::LittleEndian); }

inline void WriteLe16(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v);
  p[1] = std::uint8_t(v >> 8);
}

inline void WriteLe32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

}  // namespace kasumori::imaging

// SPDX-License-Identifier: GPL-3.0-or-later
// On-disk constants of the TIFF structure, shared by the TIFF reader and the Exif reader.
#pragma once

#include <cstdint>

namespace kasumori::imaging::tiff {

inline constexpr std::uint8_t kLittleEndianMark = 'I';  // "II" first: little-endian values
inline constexpr std::uint32_t kByteOrderBytes = 2;
// The first directory is taken to start right after the 8-byte header.
inline constexpr std::uint32_t kFirstIfdAt = 8;
// Where the header itself says the first directory starts.
inline constexpr std::uint32_t kFirstIfdOffsetAt = 4;
inline constexpr std::uint32_t kEntryCountBytes = 2;
inline constexpr std::uint32_t kEntrySize = 12;
inline constexpr std::uint32_t kEntryTypeAt = 2;  // tag (2 bytes), then type
inline constexpr std::uint32_t kEntryCountAt = 4;
inline constexpr std::uint32_t kEntryValueAt = 8;

inline constexpr std::uint16_t kTypeShort = 3;

inline constexpr std::uint16_t kTagImageWidth = 256;
inline constexpr std::uint16_t kTagImageLength = 257;
inline constexpr std::uint16_t kTagCompression = 259;
inline constexpr std::uint16_t kTagStripOffsets = 273;
inline constexpr std::uint16_t kCompressionNone = 1;

inline constexpr std::uint32_t kBytesPerPixel = 3;  // interleaved 8-bit red, green, blue

}  // namespace kasumori::imaging::tiff

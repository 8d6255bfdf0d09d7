// SPDX-License-Identifier: GPL-3.0-or-later
// On-disk constants of the BMP file format.
#pragma once

#include <cstdint>

namespace kasumori::imaging::bmp {

inline constexpr std::uint16_t kFileType = 0x4D42;  // "BM" read little-endian
inline constexpr std::uint32_t kFileHeaderSize = 14;
inline constexpr std::uint32_t kInfoHeaderSize = 40;  // Windows BITMAPINFOHEADER
inline constexpr std::uint32_t kCoreHeaderSize = 12;  // OS/2 BITMAPCOREHEADER
inline constexpr std::uint32_t kHeaderSizeField = 4;
inline constexpr std::uint32_t kMaskBytes = 12;  // three 32-bit bit-field masks
inline constexpr std::uint32_t kRgbQuadSize = 4;
inline constexpr std::uint32_t kRgbTripleSize = 3;
inline constexpr std::uint32_t kMaxColors = 256;

// File header field offsets.
inline constexpr int kFileTypeAt = 0;
inline constexpr int kFileSizeAt = 2;
inline constexpr int kOffBitsAt = 10;

// BITMAPINFOHEADER field offsets (from the start of the information header).
inline constexpr int kInfoWidthAt = 4;
inline constexpr int kInfoHeightAt = 8;
inline constexpr int kInfoPlanesAt = 12;
inline constexpr int kInfoBitCountAt = 14;
inline constexpr int kInfoCompressionAt = 16;
inline constexpr int kInfoSizeImageAt = 20;
inline constexpr int kInfoXPelsAt = 24;
inline constexpr int kInfoYPelsAt = 28;
inline constexpr int kInfoClrUsedAt = 32;
inline constexpr int kInfoClrImportantAt = 36;

// BITMAPCOREHEADER field offsets.
inline constexpr int kCoreWidthAt = 4;
inline constexpr int kCoreHeightAt = 6;
inline constexpr int kCoreBitCountAt = 10;

// biCompression values.
inline constexpr std::uint32_t kCompressionRgb = 0;
inline constexpr std::uint32_t kCompressionRle8 = 1;
inline constexpr std::uint32_t kCompressionRle4 = 2;
inline constexpr std::uint32_t kCompressionBitFields = 3;

// Default masks when a 16- or 32-bit file gives none: 5-5-5 and 8-8-8.
inline constexpr std::uint32_t kMask16Red = 0x7C00;
inline constexpr std::uint32_t kMask16Green = 0x03E0;
inline constexpr std::uint32_t kMask16Blue = 0x001F;
inline constexpr std::uint32_t kMask32Red = 0xFF0000;
inline constexpr std::uint32_t kMask32Green = 0x00FF00;
inline constexpr std::uint32_t kMask32Blue = 0x0000FF;

// Run-length escape codes (second byte after a zero count).
inline constexpr std::uint8_t kRleEscape = 0;
inline constexpr std::uint8_t kRleEndOfLine = 0;
inline constexpr std::uint8_t kRleEndOfBitmap = 1;
inline constexpr std::uint8_t kRleDelta = 2;

}  // namespace kasumori::imaging::bmp

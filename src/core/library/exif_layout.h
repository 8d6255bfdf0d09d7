// SPDX-License-Identifier: GPL-3.0-or-later
// The few on-disk constants the shooting-date key needs from JPEG and TIFF/Exif files.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kasumori::library::exif_layout {

// JPEG: SOI, then the first segment's marker, length and "Exif\0\0"; the TIFF data follows.
inline constexpr std::size_t kJpegProbeSize = 12;
inline constexpr std::uint8_t kMarkerPrefix = 0xFF;
inline constexpr std::uint8_t kApp1Marker = 0xE1;
inline constexpr std::size_t kMarkerOffset = 2;
inline constexpr std::size_t kSegmentLengthOffset = 4;  // big-endian, counts itself
inline constexpr std::size_t kExifSignatureOffset = 6;
inline constexpr char kExifSignature[6] = {'E', 'x', 'i', 'f', '\0', '\0'};
inline constexpr std::size_t kJpegTiffStart = 12;

// TIFF header: byte order ("II" little-endian, otherwise big-endian), 42, offset of IFD0.
inline constexpr std::size_t kTiffHeaderSize = 8;
inline constexpr std::size_t kFirstIfdOffsetField = 4;

// An IFD: a 2-byte entry count, then 12-byte entries (tag, type, count, value or offset).
inline constexpr std::size_t kIfdCountSize = 2;
inline constexpr std::size_t kIfdEntrySize = 12;
inline constexpr std::size_t kEntryCountField = 4;
inline constexpr std::size_t kEntryValueField = 8;

inline constexpr std::uint16_t kExifIfdPointerTag = 34665;
inline constexpr std::uint16_t kDateTimeOriginalTag = 36867;

// "YYYY:MM:DD hh:mm:ss": 19 characters; the digits of the key sit at these positions.
inline constexpr std::size_t kDateTimeTextSize = 19;
inline constexpr std::size_t kDateTimeDigitPositions[14] = {0, 1,  2,  3,  5,  6,  8,
                                                            9, 11, 12, 14, 15, 17, 18};

}  // namespace kasumori::library::exif_layout

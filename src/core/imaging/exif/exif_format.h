// SPDX-License-Identifier: GPL-3.0-or-later
// On-disk constants of the Exif layout as cameras write it: a JPEG whose first segment is
// APP1 "Exif\0\0" followed by a TIFF structure.
#pragma once

#include <cstdint>

namespace kasumori::imaging::exif {

// The first 12 bytes of an Exif JPEG: SOI, APP1 marker, segment length, "Exif\0\0".
inline constexpr std::uint32_t kJpegLeadBytes = 12;
inline constexpr int kApp1MarkerAt = 2;
inline constexpr int kApp1LengthAt = 4;  // big-endian, counts itself
inline constexpr int kExifIdAt = 6;
inline constexpr char kExifId[] = {'E', 'x', 'i', 'f', '\0', '\0'};
inline constexpr std::uint32_t kExifIdBytes = 6;
// The TIFF structure's offsets count from here in such a file.
inline constexpr std::uint32_t kJpegTiffBase = 12;
// Bytes before the segment's end that belong to the file: SOI (2) and the marker (2).
inline constexpr std::uint32_t kSegmentLead = 4;
// An entry's type, count and value: the bytes the save command rewrites.
inline constexpr std::uint32_t kEntryTailBytes = 10;

inline constexpr std::uint32_t kInlineTextMax = 4;  // texts of up to 4 bytes sit in the entry
inline constexpr std::uint32_t kRationalBytes = 8;
inline constexpr std::uint32_t kDateTimeBytes = 19;  // "YYYY:MM:DD hh:mm:ss"

inline constexpr std::uint16_t kTypeShort = 3;

// Orientation values: how the stored pixels must be turned (and mirrored) to stand upright.
inline constexpr std::uint16_t kOrientationUpright = 1;
inline constexpr std::uint16_t kOrientationMirrored = 2;
inline constexpr std::uint16_t kOrientationUpsideDown = 3;
inline constexpr std::uint16_t kOrientationUpsideDownMirrored = 4;
inline constexpr std::uint16_t kOrientationRightMirrored = 5;  // a right turn, then a mirror
inline constexpr std::uint16_t kOrientationRight = 6;          // a quarter turn clockwise
inline constexpr std::uint16_t kOrientationLeftMirrored = 7;   // a left turn, then a mirror
inline constexpr std::uint16_t kOrientationLeft = 8;           // a quarter turn anticlockwise

// First directory.
inline constexpr std::uint16_t kTagMake = 271;
inline constexpr std::uint16_t kTagModel = 272;
inline constexpr std::uint16_t kTagOrientation = 274;
inline constexpr std::uint16_t kTagSoftware = 305;
inline constexpr std::uint16_t kTagExifIfd = 34665;
// Exif directory.
inline constexpr std::uint16_t kTagExposureTime = 33434;
inline constexpr std::uint16_t kTagFNumber = 33437;
inline constexpr std::uint16_t kTagIsoSpeed = 34855;
inline constexpr std::uint16_t kTagDateTimeOriginal = 36867;
inline constexpr std::uint16_t kTagShutterSpeedValue = 37377;
inline constexpr std::uint16_t kTagExposureBias = 37380;
inline constexpr std::uint16_t kTagFlash = 37385;
inline constexpr std::uint16_t kTagFocalLength = 37386;
inline constexpr std::uint16_t kTagPixelXDimension = 40962;
inline constexpr std::uint16_t kTagPixelYDimension = 40963;
inline constexpr std::uint16_t kTagSharpness = 41994;

}  // namespace kasumori::imaging::exif

// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes a saved JPEG starts with: the start-of-image marker alone, or followed by the shown
// photo's own Exif segment with its orientation and pixel size made true of the saved picture.
#pragma once

#include "imaging/exif/photo_info.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kasumori::imaging {
class ByteSource;
}

namespace kasumori::exporting {

// The most head bytes carried over: start-of-image, APP1 marker and the whole segment.
inline constexpr std::uint32_t kMaxHeadBytes = 1'000'000;

// The photo's first ExifLength + 4 bytes, patched for a width × height upright picture, when
// the layout records an Exif segment that fits kMaxHeadBytes and the photo still starts with
// it; otherwise FF D8 alone. A photo that can no longer be read throws its read error, which
// ends the save.
std::vector<std::uint8_t> ExifHead(imaging::ByteSource& photo, const imaging::ExifLayout& layout,
                                   int width, int height);

// Rewrites the type, count and value of the three entries the layout found (an offset of 0 is
// no entry), in the segment's byte order: Orientation SHORT 1 (the saved pixels are upright),
// PixelXDimension and PixelYDimension LONG width and height. `head` starts at file offset 0.
void PatchExifEntries(std::span<std::uint8_t> head, const imaging::ExifLayout& layout, int width,
                      int height);

}  // namespace kasumori::exporting

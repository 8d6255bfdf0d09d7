// SPDX-License-Identifier: GPL-3.0-or-later
// The Exif item of a HEIF or AVIF file (the ISO base media format's "Exif" item that describes
// the primary picture), found through libheif without decoding any pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kasumori::imaging {

class ByteSource;

// The largest Exif item copied out: a camera's Exif with its thumbnail stays far below it, and a
// hostile item length must not decide how much memory is taken.
inline constexpr std::uint64_t kMaxHeifExifBytes = 4u << 20;

// The item's bytes from its TIFF header ("II" or "MM") on, or nothing when the source is not
// a HEIF file, has no Exif item, the item is larger than kMaxHeifExifBytes or its leading
// offset does not fit it. Reads only the boxes that describe the file, never the coded picture.
std::optional<std::vector<std::uint8_t>> ReadHeifExif(ByteSource& source);

}  // namespace kasumori::imaging

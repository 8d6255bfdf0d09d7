// SPDX-License-Identifier: GPL-3.0-or-later
// On-disk constants of JPEG files used outside libjpeg.
#pragma once

#include <cstdint>

namespace kasumori::imaging::jpeg {

inline constexpr std::uint8_t kMarkerPrefix = 0xFF;
inline constexpr std::uint8_t kStartOfImage = 0xD8;  // SOI: the file's first two bytes FF D8
inline constexpr std::uint8_t kEndOfImage = 0xD9;
inline constexpr std::uint8_t kApp1 = 0xE1;  // the Exif segment

}  // namespace kasumori::imaging::jpeg

// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding of run-length BMP data (8-bit and 4-bit) into one index byte per pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kasumori::imaging::bmp {

enum class RleDepth { Rle8, Rle4 };

// Returns width × height colour indices, rows top-down. Pixels the data skip (deltas, early
// line ends) stay index 0. Throws EQxDIBInvalidDIB with the "Bad RLE Data" message of the
// fault: 1/5 a run past the row's end, 2/6 data ending inside a run, 3/7 a delta leaving the
// picture, 4/8 rows beyond the picture's height.
std::vector<std::uint8_t> DecodeRle(std::span<const std::uint8_t> data, int width, int height,
                                    RleDepth depth);

}  // namespace kasumori::imaging::bmp

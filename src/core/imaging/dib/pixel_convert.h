// SPDX-License-Identifier: GPL-3.0-or-later
// Row kernels that turn stored formats into 24-bit blue-green-red rows.
#pragma once

#include "imaging/dib/qx_internal_dib.h"

#include <array>
#include <cstdint>
#include <memory>

namespace kasumori::imaging {

using ColorTable = std::array<std::uint32_t, 256>;

// One row of 1-, 4- or 8-bit indices (leftmost pixel in the high bits) through the table.
void ExpandIndexedRow(const std::uint8_t* src, unsigned bitCount, int width,
                      const ColorTable& colors, std::uint8_t* dst);
// One row of index bytes (one per pixel) through the table.
void ExpandIndexBytes(const std::uint8_t* src, int width, const ColorTable& colors,
                      std::uint8_t* dst);

// A new 24-bit storage with the same picture as any stored format (run-length data decoded).
std::unique_ptr<TQxInternalDIB> ConvertTo24(const TQxInternalDIB& source);

}  // namespace kasumori::imaging

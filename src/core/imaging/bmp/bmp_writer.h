// SPDX-License-Identifier: GPL-3.0-or-later
// The BMP writer: file header, 40-byte header, colour table, then the pixel data as stored,
// with uncompressed rows written bottom-up as the format wants.
#pragma once

#include "imaging/dib/qx_internal_dib.h"

#include <cstdint>
#include <vector>

namespace kasumori::imaging::bmp {

std::vector<std::uint8_t> WriteBmp(const TQxInternalDIB& dib);

}  // namespace kasumori::imaging::bmp

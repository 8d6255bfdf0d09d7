// SPDX-License-Identifier: GPL-3.0-or-later
// Column sums of a few picture rows: the vertical half of the box filter.
#pragma once

#include <cstdint>

namespace kasumori::pixels {

// sums[k] := rows[0][k] + … + rows[count − 1][k] for k in [0, bytes). A row may be listed
// more than once and then counts that often.
void SumRows(const std::uint8_t* const* rows, int count, int bytes, std::uint32_t* sums);
void SumRows(const std::uint8_t* const* rows, int count, int bytes, std::uint64_t* sums);

}  // namespace kasumori::pixels

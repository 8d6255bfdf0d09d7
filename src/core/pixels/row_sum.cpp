// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels/row_sum.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kasumori::pixels {

namespace {

// 16-bit lanes hold the sum of up to 257 bytes of 255; longer lists are summed in chunks.
constexpr int kRowsPer16Bit = 257;

template <class Sum>
void SumRowsScalar(const std::uint8_t* const* rows, int count, int first, int bytes, Sum* sums) {
  for (int k = first; k < bytes; ++k) {
    Sum s = 0;
    for (int j = 0; j < count; ++j) s += rows[j][k];
    sums[k] = s;
  }
}

}  // namespace

void SumRows(const std::uint8_t* const* rows, int count, int bytes, std::uint32_t* sums) {
  int k = 0;
#if defined(__SSE2__)
  if (count <= kRowsPer16Bit) {
    // Sixteen columns at a time, kept in registers across the rows.
    const __m128i zero = _mm_setzero_si128();
    for (; k + 16 <= bytes; k += 16) {
      __m128i lo = zero, hi = zero;
      for (int j = 0; j < count; ++j) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[j] + k));
        lo = _mm_add_epi16(lo, _mm_unpacklo_epi8(v, zero));
        hi = _mm_add_epi16(hi, _mm_unpackhi_epi8(v, zero));
      }
      __m128i* out = reinterpret_cast<__m128i*>(sums + k);
      _mm_storeu_si128(out, _mm_unpacklo_epi16(lo, zero));
      _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(lo, zero));
      _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(hi, zero));
      _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(hi, zero));
    }
  }
#endif
  SumRowsScalar(rows, count, k, bytes, sums);
}

void SumRows(const std::uint8_t* const* rows, int count, int bytes, std::uint64_t* sums) {
  SumRowsScalar(rows, count, 0, bytes, sums);
}

}  // namespace kasumori::pixels

#pragma once
// Searches along a row of cells, eight at a time where the processor allows.
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace cellscan {

// First i in [from, to) with (row[i] == value) == equal, or `to` when there is none.
template <bool equal>
inline int32_t Find(const uint16_t* row, int32_t from, int32_t to, uint16_t value) {
  int32_t i = from;
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(value));
  for (; i + 8 <= to; i += 8) {
    const __m128i cells = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
    int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(cells, wanted));
    if (!equal) mask ^= 0xFFFF;
    if (mask != 0) return i + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
  }
#endif
  while (i < to && (row[i] == value) != equal) ++i;
  return i;
}

inline int32_t FindEqual(const uint16_t* row, int32_t from, int32_t to, uint16_t value) {
  return Find<true>(row, from, to, value);
}

inline int32_t FindOther(const uint16_t* row, int32_t from, int32_t to, uint16_t value) {
  return Find<false>(row, from, to, value);
}

}  // namespace cellscan

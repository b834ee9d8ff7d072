#pragma once
// The row loops of the rectangle copies: one source row onto one destination row, n pixels,
// source column (frac + k * step) >> 8 for destination pixel k, frac below 256. The common steps
// (1:1, twice, half) have their own loops, four pixels at a time where SSE2 is there. Internal to
// imaging/.
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Store policies: every pixel, or every pixel except those equal to the key. The keyed store
// is a select between source and destination, not a branch, so it runs four pixels at a time
// whatever the pattern of the key; it therefore reads the destination (kReadsDest).
#if defined(__SSE2__)
inline __m128i Load4(const uint32_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void Store4(uint32_t* p, __m128i v) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}
#endif

struct PlainStore {
  static constexpr bool kReadsDest = false;
  uint32_t Pick(uint32_t s, uint32_t) const { return s; }
#if defined(__SSE2__)
  void Put4(uint32_t* d, __m128i s) const {
    Store4(d, s);
  }
#endif
};

struct KeyedStore {
  static constexpr bool kReadsDest = true;
  uint32_t key;
  uint32_t Pick(uint32_t s, uint32_t d) const { return s != key ? s : d; }
#if defined(__SSE2__)
  void Put4(uint32_t* d, __m128i s) const {
    const __m128i isKey = _mm_cmpeq_epi32(s, _mm_set1_epi32(static_cast<int>(key)));
    Store4(d, _mm_or_si128(_mm_and_si128(isKey, Load4(d)), _mm_andnot_si128(isKey, s)));
  }
#endif
};

template <class Store>
void CopyRowScaled(uint32_t* d, const uint32_t* s, int64_t n, int64_t frac, int64_t step,
                   const Store& store) {
  for (int64_t k = 0; k < n; ++k, frac += step) d[k] = store.Pick(s[frac >> 8], d[k]);
}

template <class Store>
void CopyRowSame(uint32_t* d, const uint32_t* s, int64_t n, const Store& store) {
  int64_t k = 0;
#if defined(__SSE2__)
  for (; k + 4 <= n; k += 4) store.Put4(d + k, Load4(s + k));
#endif
  for (; k < n; ++k) d[k] = store.Pick(s[k], d[k]);
}

inline void CopyRowSame(uint32_t* d, const uint32_t* s, int64_t n, const PlainStore&) {
  std::memmove(d, s, static_cast<size_t>(n) * 4);
}

// Step 512: source column 2k. The second load starts at column 2k + 3 so that the vector loop
// never reads past column 2k + 6, the last one it needs.
template <class Store>
void CopyRowHalf(uint32_t* d, const uint32_t* s, int64_t n, const Store& store) {
  int64_t k = 0;
#if defined(__SSE2__)
  for (; k + 4 <= n; k += 4) {
    const __m128 a = _mm_castsi128_ps(Load4(s + 2 * k));
    const __m128 b = _mm_castsi128_ps(Load4(s + 2 * k + 3));
    store.Put4(d + k, _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 2, 0))));
  }
#endif
  for (; k < n; ++k) d[k] = store.Pick(s[2 * k], d[k]);
}

// Step 128: source column (frac + 128 k) / 256, frac being 0 or 128 (the second half of a
// pixel cut at the left).
template <class Store>
void CopyRowDouble(uint32_t* d, const uint32_t* s, int64_t n, int64_t frac, const Store& store) {
  if (frac != 0 && n > 0) {
    d[0] = store.Pick(s[0], d[0]);
    ++d, ++s, --n;
  }
  int64_t k = 0;
#if defined(__SSE2__)
  for (; k + 8 <= n; k += 8) {
    const __m128i v = Load4(s + k / 2);
    store.Put4(d + k, _mm_unpacklo_epi32(v, v));
    store.Put4(d + k + 4, _mm_unpackhi_epi32(v, v));
  }
#endif
  for (; k < n; ++k) d[k] = store.Pick(s[k >> 1], d[k]);
}

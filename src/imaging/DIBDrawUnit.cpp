#include "imaging/DIBDrawUnit.h"

#include <cstring>

#include "imaging/CopyGuard.h"
#include "imaging/CopyPlan.h"

namespace {

void CopyRowPlain(uint32_t* d, const uint32_t* s, int64_t n, int64_t frac, int64_t step) {
  if (step == 256) {
    std::memmove(d, s, static_cast<size_t>(n) * 4);
    return;
  }
  for (int64_t k = 0; k < n; ++k, frac += step) d[k] = s[frac >> 8];
}

// Written as a select rather than a branch around the store so that the 1:1 row vectorises.
void CopyRowKeyed(uint32_t* d, const uint32_t* s, int64_t n, int64_t frac, int64_t step,
                  uint32_t key) {
  if (step == 256) {
    for (int64_t k = 0; k < n; ++k) d[k] = s[k] != key ? s[k] : d[k];
    return;
  }
  for (int64_t k = 0; k < n; ++k, frac += step) {
    const uint32_t p = s[frac >> 8];
    d[k] = p != key ? p : d[k];
  }
}

// Walks the planned rows; `row` copies n pixels from s (at fraction frac, advancing by
// step) to d. Row pointers and the first source column are found once per row.
template <class RowCopy>
void CopyRows(TBitmap& dest, const TBitmap& src, const CopyPlan& plan, RowCopy&& row) {
  const CopySpan& cols = plan.cols;
  const CopySpan& rows = plan.rows;
  const int64_t n = cols.end - cols.begin;
  const int64_t first = cols.begin * cols.step;
  const int64_t firstColumn = cols.src + (first >> 8);
  const int64_t frac = first & 255;
  const int64_t destColumn = cols.dst + cols.begin;
  for (int64_t u = rows.begin; u < rows.end; ++u) {
    const uint32_t* s = src.ScanLine32(static_cast<int>(rows.SourceAt(u))) + firstColumn;
    uint32_t* d = dest.ScanLine32(static_cast<int>(rows.dst + u)) + destColumn;
    row(d, s, n, frac, cols.step);
  }
}

// The steps both copies share: the early exit, the conversion to 32 bits, the clip.
bool PrepareCopy(TBitmap& dest, int dstX, int dstY, int dstW, int dstH, TBitmap& src, int srcX,
                 int srcY, int srcW, int srcH, CopyPlan& plan) {
  if (dstX > dest.Width() - 1 || dstY > dest.Height() - 1) return false;
  src.SetPixelFormat(TPixelFormat::pf32bit);
  dest.SetPixelFormat(TPixelFormat::pf32bit);
  return PlanCopy(dest.Width(), dest.Height(), {dstX, dstY, dstW, dstH}, src.Width(), src.Height(),
                  {srcX, srcY, srcW, srcH}, plan);
}

}  // namespace

uint32_t ColorToDIB32(uint32_t colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

void CDIBCopyRect32(TBitmap& dest, int dstX, int dstY, int dstW, int dstH, TBitmap& src, int srcX,
                    int srcY, int srcW, int srcH) {
  CopyPlan plan;
  if (!PrepareCopy(dest, dstX, dstY, dstW, dstH, src, srcX, srcY, srcW, srcH, plan)) return;
  GuardCopy("CDIBCopyRect32()で例外発生", [&] { CopyRows(dest, src, plan, CopyRowPlain); });
}

void CDIBCopyRectUseKey32(TBitmap& dest, int dstX, int dstY, int dstW, int dstH, TBitmap& src,
                          int srcX, int srcY, int srcW, int srcH, uint32_t key) {
  CopyPlan plan;
  if (!PrepareCopy(dest, dstX, dstY, dstW, dstH, src, srcX, srcY, srcW, srcH, plan)) return;
  const uint32_t pixelKey = ColorToDIB32(key);
  GuardCopy("CDIBCopyRectUseKey32()で例外発生", [&] {
    CopyRows(dest, src, plan,
             [pixelKey](uint32_t* d, const uint32_t* s, int64_t n, int64_t frac, int64_t step) {
               CopyRowKeyed(d, s, n, frac, step, pixelKey);
             });
  });
}

#include "imaging/DIBDrawUnit.h"

#include <QtGlobal>
#include <algorithm>

#include "imaging/CopyGuard.h"
#include "imaging/CopyKernels.h"
#include "imaging/CopyPlan.h"

namespace {

// Destination rows this far ahead are fetched before a keyed copy reads them: the view is
// too large for the caches, and reads that miss one after another would otherwise stall each
// row (plain stores do not wait for their lines).
constexpr int64_t kPrefetchRows = 16;

void PrefetchRow(const uint32_t* row, int64_t pixels) {
#if defined(__GNUC__)
  const char* bytes = reinterpret_cast<const char*>(row);
  for (int64_t b = 0; b < pixels * 4 + 63; b += 64) __builtin_prefetch(bytes + b, 1);
#endif
}

// Calls row(d, s) for every planned row with the row pointers at the first pixel to copy.
// Bases and pitches are taken once: stores through d could otherwise alias the bitmaps' sizes.
template <bool kPrefetch, class Row>
void ForEachRow(TBitmap& dest, const TBitmap& src, const CopyPlan& plan, Row&& row) {
  const CopySpan& cols = plan.cols;
  const CopySpan& rows = plan.rows;
  const int64_t n = cols.end - cols.begin;
  const int64_t srcPitch = src.Stride() / 4;
  const int64_t dstPitch = dest.Stride() / 4;
  const uint32_t* srcBase = src.ScanLine32(0) + cols.SourceAt(cols.begin);
  uint32_t* dstBase = dest.ScanLine32(0) + cols.dst + cols.begin;
  auto destRow = [&](int64_t u) { return dstBase + (rows.dst + u) * dstPitch; };
  if (kPrefetch) {
    for (int64_t u = rows.begin; u < std::min(rows.end, rows.begin + kPrefetchRows); ++u) {
      PrefetchRow(destRow(u), n);
    }
  }
  for (int64_t u = rows.begin; u < rows.end; ++u) {
    if (kPrefetch && u + kPrefetchRows < rows.end) PrefetchRow(destRow(u + kPrefetchRows), n);
    row(destRow(u), srcBase + rows.SourceAt(u) * srcPitch);
  }
}

// Picks the row loop for the step once per copy.
template <class Store>
void CopyRows(TBitmap& dest, const TBitmap& src, const CopyPlan& plan, const Store& store) {
  const int64_t n = plan.cols.end - plan.cols.begin;
  const int64_t step = plan.cols.step;
  const int64_t frac = (plan.cols.begin * step) & 255;
  if (step == 256) {
    ForEachRow<Store::kReadsDest>(
        dest, src, plan, [&](uint32_t* d, const uint32_t* s) { CopyRowSame(d, s, n, store); });
  } else if (step == 512) {  // frac is always 0
    ForEachRow<Store::kReadsDest>(
        dest, src, plan, [&](uint32_t* d, const uint32_t* s) { CopyRowHalf(d, s, n, store); });
  } else if (step == 128) {
    ForEachRow<Store::kReadsDest>(dest, src, plan, [&](uint32_t* d, const uint32_t* s) {
      CopyRowDouble(d, s, n, frac, store);
    });
  } else {
    ForEachRow<Store::kReadsDest>(dest, src, plan, [&](uint32_t* d, const uint32_t* s) {
      CopyRowScaled(d, s, n, frac, step, store);
    });
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
  GuardCopy(QT_TRANSLATE_NOOP("ImageTexts", "CDIBCopyRect32()で例外発生"),
            [&] { CopyRows(dest, src, plan, PlainStore{}); });
}

void CDIBCopyRectUseKey32(TBitmap& dest, int dstX, int dstY, int dstW, int dstH, TBitmap& src,
                          int srcX, int srcY, int srcW, int srcH, uint32_t key) {
  CopyPlan plan;
  if (!PrepareCopy(dest, dstX, dstY, dstW, dstH, src, srcX, srcY, srcW, srcH, plan)) return;
  const KeyedStore store{ColorToDIB32(key)};
  GuardCopy(QT_TRANSLATE_NOOP("ImageTexts", "CDIBCopyRectUseKey32()で例外発生"),
            [&] { CopyRows(dest, src, plan, store); });
}

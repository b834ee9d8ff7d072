#pragma once
// Which pixels a scaled rectangle copy reads and writes, clipped to both bitmaps.
// Internal to imaging/.
#include <cstdint>

struct CopyRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// One axis of a copy. Position u of the requested destination rectangle lands on destination
// coordinate dst + u and reads source coordinate src + (u * step) / 256; only u in
// [begin, end) lies inside both bitmaps.
struct CopySpan {
  int64_t dst = 0;
  int64_t src = 0;
  int64_t step = 0;
  int64_t begin = 0;
  int64_t end = 0;
  bool Empty() const { return begin >= end; }
  int64_t SourceAt(int64_t u) const { return src + ((u * step) >> 8); }
};

struct CopyPlan {
  CopySpan cols;
  CopySpan rows;
};

// Fixed-point source pixels per destination pixel, 256 meaning 1:1 (sizes not negative,
// dstSize above 0). Integer division gives exactly trunc(src / dst * 256) computed in double:
// for sizes of int the quotient would have to lie within 2^-39 of a multiple of 1/256 to
// round differently.
inline int64_t CopyStep(int srcSize, int dstSize) {
  if (srcSize == dstSize) return 256;
  return int64_t{srcSize} * 256 / dstSize;
}

// Plans the copy of `srcRect` of a source of srcWidth x srcHeight onto `dstRect` of a
// destination of dstWidth x dstHeight. A cut at the left or top moves the source by the cut
// scaled by the step, so the visible part is exactly that of the uncut rectangle. Returns
// false when nothing is drawn (also for negative sizes).
bool PlanCopy(int dstWidth, int dstHeight, const CopyRect& dstRect, int srcWidth, int srcHeight,
              const CopyRect& srcRect, CopyPlan& plan);

#include "imaging/CopyPlan.h"

#include <algorithm>

namespace {

// Smallest u >= 0 with (u * step) >> 8 >= k, for step > 0 and k >= 0.
int64_t FirstReaching(int64_t k, int64_t step) {
  return (k * 256 + step - 1) / step;
}

// Narrows `span` to the u whose source coordinate lies in [0, limit).
void ClipToSource(CopySpan& span, int64_t limit) {
  if (span.step == 0) {
    if (span.src < 0 || span.src >= limit) span.end = span.begin;
    return;
  }
  // The divisions are needed only when the rectangle reaches outside the source.
  if (span.src < 0) span.begin = std::max(span.begin, FirstReaching(-span.src, span.step));
  if (span.end > span.begin && span.SourceAt(span.end - 1) >= limit) {
    span.end = std::min(span.end, FirstReaching(limit - span.src, span.step));
  }
}

bool PlanAxis(int64_t dstLimit, int64_t dst, int64_t dstSize, int64_t srcLimit, int64_t src,
              int64_t srcSize, CopySpan& span) {
  if (dstSize <= 0 || srcSize < 0) return false;
  span.dst = dst;
  span.src = src;
  span.step = CopyStep(static_cast<int>(srcSize), static_cast<int>(dstSize));
  span.begin = std::max<int64_t>(0, -dst);
  span.end = std::min(dstSize, dstLimit - dst);
  if (span.Empty()) return false;
  ClipToSource(span, srcLimit);
  return !span.Empty();
}

}  // namespace

bool PlanCopy(int dstWidth, int dstHeight, const CopyRect& dstRect, int srcWidth, int srcHeight,
              const CopyRect& srcRect, CopyPlan& plan) {
  return PlanAxis(dstWidth, dstRect.x, dstRect.w, srcWidth, srcRect.x, srcRect.w, plan.cols) &&
         PlanAxis(dstHeight, dstRect.y, dstRect.h, srcHeight, srcRect.y, srcRect.h, plan.rows);
}

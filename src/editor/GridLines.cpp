#include "editor/GridLines.h"

#include <algorithm>

#include "imaging/TBitmap.h"

namespace {

void PutPixel(TBitmap& target, int x, int y, uint32_t colour) {
  if (target.PixelFormat() == TPixelFormat::pf32bit) {
    target.ScanLine32(y)[x] = colour;
    return;
  }
  uint8_t* p = target.ScanLine(y) + static_cast<size_t>(x) * 3;
  p[0] = colour & 0xFF;
  p[1] = (colour >> 8) & 0xFF;
  p[2] = (colour >> 16) & 0xFF;
}

}  // namespace

void DrawHorizontalLine(TBitmap& target, int x0, int x1, int y, uint32_t colour) {
  if (y < 0 || y >= target.Height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, target.Width() - 1);
  if (target.PixelFormat() == TPixelFormat::pf32bit && x0 <= x1) {
    std::fill(target.ScanLine32(y) + x0, target.ScanLine32(y) + x1 + 1, colour);
    return;
  }
  for (int x = x0; x <= x1; ++x) PutPixel(target, x, y, colour);
}

void DrawVerticalLine(TBitmap& target, int x, int y0, int y1, uint32_t colour) {
  if (x < 0 || x >= target.Width()) return;
  y0 = std::max(y0, 0);
  y1 = std::min(y1, target.Height() - 1);
  for (int y = y0; y <= y1; ++y) PutPixel(target, x, y, colour);
}

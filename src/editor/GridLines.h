#pragma once
// One-pixel horizontal and vertical lines straight into a bitmap's rows: the grid of a view has
// hundreds of them on every redraw. Both ends are included; parts off the bitmap are cut.
#include <cstdint>

class TBitmap;

// `colour` is 0x00RRGGBB.
void DrawHorizontalLine(TBitmap& target, int x0, int x1, int y, uint32_t colour);
void DrawVerticalLine(TBitmap& target, int x, int y0, int y1, uint32_t colour);

// Below this many pixels a cell's grid lines would cover most of it: at such zoom levels the
// views leave the grid out.
constexpr int kSmallestGridCell = 4;
inline bool GridFits(int cellWidth, int cellHeight) {
  return cellWidth >= kSmallestGridCell && cellHeight >= kSmallestGridCell;
}

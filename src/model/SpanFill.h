#pragma once
// Flood fill over spans of a row-major grid of part numbers.
#include <cstdint>

// Replaces the 4-connected region of cells that hold the value of cell (x, y) with `value`.
// `stack` must have room for width * height positions: a cell is painted when it is pushed,
// so no cell is pushed twice and the stack cannot overflow. (x, y) must lie inside the grid.
void FillSpans(uint16_t* cells, int32_t width, int32_t height, int32_t x, int32_t y, uint16_t value,
               uint32_t* stack);

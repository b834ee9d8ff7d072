#include "model/SpanFill.h"

#include <algorithm>
#include <cstddef>

#include "model/CellScan.h"

using cellscan::FindEqual;
using cellscan::FindOther;

namespace {

struct FillState {
  uint16_t target;
  uint16_t value;
  uint32_t* stack;
  size_t top;
};

// Paints and pushes the first cell of every run of the target value in row[left..right]; the
// rest of each run is reached when that cell is popped and grown sideways.
void ScanRow(uint16_t* row, uint32_t rowStart, int32_t left, int32_t right, FillState& s) {
  const int32_t end = right + 1;
  for (int32_t x = FindEqual(row, left, end, s.target); x < end;
       x = FindEqual(row, x, end, s.target)) {
    row[x] = s.value;
    s.stack[s.top++] = rowStart + static_cast<uint32_t>(x);
    x = FindOther(row, x + 1, end, s.target);
  }
}

}  // namespace

void FillSpans(uint16_t* cells, int32_t width, int32_t height, int32_t x, int32_t y, uint16_t value,
               uint32_t* stack) {
  const uint32_t w = static_cast<uint32_t>(width);
  const uint32_t seed = static_cast<uint32_t>(y) * w + static_cast<uint32_t>(x);
  FillState s{cells[seed], value, stack, 0};
  if (s.target == value) return;
  cells[seed] = value;
  s.stack[s.top++] = seed;
  while (s.top > 0) {
    const uint32_t p = s.stack[--s.top];
    const uint32_t py = p / w;
    const uint32_t rowStart = py * w;
    uint16_t* row = cells + rowStart;
    int32_t left = static_cast<int32_t>(p - rowStart);
    while (left > 0 && row[left - 1] == s.target) row[--left] = value;
    const int32_t from = static_cast<int32_t>(p - rowStart) + 1;
    const int32_t end = FindOther(row, from, width, s.target);
    std::fill(row + from, row + end, value);
    const int32_t right = end - 1;
    if (py > 0) ScanRow(row - w, rowStart - w, left, right, s);
    if (py + 1 < static_cast<uint32_t>(height)) ScanRow(row + w, rowStart + w, left, right, s);
  }
}

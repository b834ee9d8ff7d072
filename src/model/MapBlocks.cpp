// The block steps: clipping, writing and saving a block of cells.
#include <algorithm>
#include <cstring>

#include "model/CellMath.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"

using cellmath::Clamp32;

namespace {

// Moves the rows that survived clipping to the front of data. `read` is where the first kept
// entry lies, `rowSkip` how many entries follow each kept row.
void PackRows(std::vector<uint16_t>& data, int64_t read, int64_t rowSkip, int32_t dx, int32_t dy) {
  if ((read == 0 && rowSkip == 0) || dx < 0 || dy < 0) return;
  const int64_t size = static_cast<int64_t>(data.size());
  int64_t write = 0;
  for (int64_t r = 0; r <= dy; ++r) {
    for (int64_t c = 0; c <= dx; ++c, ++read, ++write) {
      if (read >= size || write >= size) return;
      if (read >= 0) data[static_cast<size_t>(write)] = data[static_cast<size_t>(read)];
    }
    read += rowSkip;
  }
}

}  // namespace

void TMap::ClipBlock(TModified& block) {
  TCellRange& dst = block.destination;
  TCellRange& src = block.source;
  int64_t read = 0;
  int64_t rowSkip = 0;
  if (dst.y < 0) {
    const int64_t t = -int64_t{dst.y};
    read += t * (int64_t{src.dx} + 1);
    src.y = Clamp32(src.y + t);
    dst.dy = Clamp32(dst.dy - t);
    src.dy = dst.dy;
    dst.y = 0;
  }
  if (dst.x < 0) {
    const int64_t t = -int64_t{dst.x};
    src.x = Clamp32(src.x + t);
    dst.dx = Clamp32(dst.dx - t);
    src.dx = dst.dx;
    dst.x = 0;
    rowSkip = int64_t{block.srcPitch} - src.dx;
    read += rowSkip;
    block.srcPitch = src.dx;
  }
  src.index = Clamp32(int64_t{Width} * src.y + src.x);
  dst.index = Clamp32(int64_t{Width} * dst.y + dst.x);
  PackRows(block.data, read, rowSkip, src.dx, src.dy);
}

TMap::Size TMap::ClipSize(int32_t x, int32_t y, int32_t dx, int32_t dy) const {
  int64_t w = int64_t{dx} + 1;
  int64_t h = int64_t{dy} + 1;
  if (Width < x + w) w = int64_t{Width} - x;
  if (Height < y + h) h = int64_t{Height} - y;
  return {Clamp32(std::max<int64_t>(w, 0)), Clamp32(std::max<int64_t>(h, 0))};
}

bool TMap::PutCells(int32_t x, int32_t y, int32_t dx, int32_t dy, const TModified& block,
                    Size& written) {
  written = ClipSize(x, y, dx, dy);
  const int64_t w = written.w;
  // A block cut at the right map edge steps through data by its own width.
  const int64_t step =
      (Width < x + int64_t{dx} + 1) ? int64_t{block.source.dx} + 1 : int64_t{block.srcPitch} + 1;
  TMapLayer* layer = EditableLayer(block.layer);
  const int64_t size = static_cast<int64_t>(block.data.size());
  // Cells left of or above the map are skipped rather than wrapped into another row.
  const int64_t firstCol = std::max<int64_t>(0, -int64_t{x});
  const int64_t endCol = w;  // the clipped width never passes the right edge
  for (int64_t r = std::max<int64_t>(0, -int64_t{y}); r < written.h; ++r) {
    const int64_t k = r * step;  // data position of the row's first cell
    if (firstCol >= endCol) continue;
    if (k + firstCol < 0) return false;
    const int64_t end = std::min(endCol, size - k);
    if (layer && end > firstCol) {
      std::memcpy(&layer->Cells[static_cast<size_t>((int64_t{y} + r) * Width + x + firstCol)],
                  &block.data[static_cast<size_t>(k + firstCol)],
                  static_cast<size_t>(end - firstCol) * sizeof(uint16_t));
    }
    if (end < endCol) return false;
  }
  return true;
}

void TMap::PutBlock(int32_t x, int32_t y, int32_t dx, int32_t dy, TModified& block, int32_t& w,
                    int32_t& h) {
  Size written;
  if (!PutCells(x, y, dx, dy, block, written)) Prompter().Beep();
  w = written.w;
  h = written.h;
}

void TMap::SaveCells(int32_t x, int32_t y, int32_t dx, int32_t dy, TModifyRecord& record,
                     const TModified& block, bool after) {
  const Size size = ClipSize(x, y, dx, dy);
  std::vector<uint16_t>& out = after ? record.After : record.Before;
  record.Count = Clamp32(int64_t{size.w} * size.h);
  const TMapLayer* layer = EditableLayer(block.layer);
  if (!layer) return;
  const int64_t available = static_cast<int64_t>(out.size());
  const int64_t firstCol = std::max<int64_t>(0, -int64_t{x});
  const int64_t endCol = size.w;
  for (int64_t r = std::max<int64_t>(0, -int64_t{y}); r < size.h; ++r) {
    const int64_t pos = r * size.w;
    const int64_t end = std::min(endCol, available - pos);
    if (end <= firstCol) break;
    std::memcpy(&out[static_cast<size_t>(pos + firstCol)],
                &layer->Cells[static_cast<size_t>((int64_t{y} + r) * Width + x + firstCol)],
                static_cast<size_t>(end - firstCol) * sizeof(uint16_t));
  }
}

void TMap::SaveBefore(int32_t x, int32_t y, int32_t dx, int32_t dy, TModifyRecord& record,
                      const TModified& block) {
  SaveCells(x, y, dx, dy, record, block, false);
}

void TMap::SaveAfter(int32_t x, int32_t y, int32_t dx, int32_t dy, TModifyRecord& record,
                     const TModified& block) {
  SaveCells(x, y, dx, dy, record, block, true);
}

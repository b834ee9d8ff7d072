#pragma once
// Records shared by the document, the editor and the file code.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TTransparentPixels;

// A rectangle of cells. dx and dy are last minus first (0 for one cell) and are negative
// while a drag runs up or left, until the range is normalised.
struct TCellRange {
  uint8_t active = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t dx = 0;
  int32_t dy = 0;
  int32_t index = 0;  // y * map width + x
};

// Makes dx and dy non-negative by moving x and y to the range's top-left corner, and sets
// index = y * rowLength + x. The map counts rows in map cells, the parts window in parts.
inline void NormaliseCellRange(TCellRange& range, int32_t rowLength) {
  if (range.dx < 0) {
    range.x += range.dx;
    range.dx = -range.dx;
  }
  if (range.dy < 0) {
    range.y += range.dy;
    range.dy = -range.dy;
  }
  range.index = rowLength * range.y + range.x;
}

// A block of part numbers on its way into or out of a layer.
struct TModified {
  uint8_t flag = 0;  // not read by the document
  int32_t layer = 0;
  TCellRange destination;        // where the block is written (the area to cover when tiling)
  TCellRange source;             // where it was read from; dx, dy give the block's size
  std::vector<uint16_t> data;    // (source.dx + 1) part numbers per row, row by row
  int32_t srcPitch = 0;          // distance between two row starts in data, minus one
};

enum TModifyKind : uint8_t { mtEmpty = 0, mtData = 1, mtBegin = 2, mtEnd = 3 };

// One entry of the modification history.
struct TModifyRecord {
  uint8_t Kind = mtEmpty;
  int32_t Layer = 0;
  int32_t StartIndex = 0;  // cell index of the block's top-left cell
  int32_t Width = 0;       // block width in cells
  int32_t Height = 0;
  int32_t Count = 0;       // cells saved in Before and After
  std::vector<uint16_t> Before;
  std::vector<uint16_t> After;
};

// A loaded parts image. The parts window owns these; layers only point at them.
struct TMapChip {
  std::shared_ptr<TBitmap> Image;  // the decoded picture
  std::string FileName;            // full path of the image file
  int64_t FileDate = 0;            // the file's modification time at load, ns since the epoch
  // The pixels the file marks transparent (PNG alpha below 128; none for bitmaps). They hold
  // the colour key Key (0x00BBGGRR) and change with it.
  std::shared_ptr<const TTransparentPixels> Transparent;
  uint32_t Key = 0x0000FF00;
};

// Changing the map size, keeping the top-left corner in place.
#include <algorithm>
#include <cstring>
#include <new>

#include "model/CellMath.h"
#include "model/LayerSpillFile.h"
#include "model/MapDataUnit.h"
#include "platform/LargeMemory.h"

namespace {

constexpr size_t kChunkCells = size_t{1} << 18;

struct Shape {
  int32_t w;
  int32_t h;
  size_t Count() const { return static_cast<size_t>(w) * static_cast<size_t>(h); }
};

// Cells in row `row` of the old shape that the new shape keeps, given that only `stored`
// old cells exist.
size_t KeptInRow(size_t stored, Shape from, Shape to, int32_t row) {
  const size_t start = static_cast<size_t>(row) * static_cast<size_t>(from.w);
  if (start >= stored) return 0;
  return std::min(static_cast<size_t>(std::min(from.w, to.w)), stored - start);
}

void ResizeInMemory(std::vector<uint16_t>& cells, Shape from, Shape to) {
  std::vector<uint16_t> resized;
  ReserveLarge(resized, to.Count());
  resized.assign(to.Count(), 0);
  for (int32_t y = 0; y < std::min(from.h, to.h); ++y) {
    const size_t kept = KeptInRow(cells.size(), from, to, y);
    if (kept == 0) break;
    std::memcpy(&resized[static_cast<size_t>(y) * static_cast<size_t>(to.w)],
                &cells[static_cast<size_t>(y) * static_cast<size_t>(from.w)],
                kept * sizeof(uint16_t));
  }
  cells.swap(resized);
}

// Brings one layer's cells from shape `from` to shape `to`, the kept rows a chunk at a time.
void RefillFromFile(const LayerSpillFile& spill, std::vector<uint16_t>& cells, size_t stored,
                    Shape from, Shape to) {
  // The old cells are in the file now: their array is reused when the new size is close,
  // otherwise given back before the new one is taken.
  if (to.Count() > cells.capacity() || to.Count() < cells.capacity() / 2) {
    std::vector<uint16_t>().swap(cells);
  }
  ReserveLarge(cells, to.Count());
  cells.assign(to.Count(), 0);
  // Few reads, little memory.
  const int32_t rows = std::min(from.h, to.h);
  const int32_t rowsPerChunk =
      static_cast<int32_t>(std::max<size_t>(1, kChunkCells / std::max<size_t>(from.w, 1)));
  std::vector<uint16_t> chunk;
  for (int32_t y0 = 0; y0 < rows; y0 += rowsPerChunk) {
    const size_t first = static_cast<size_t>(y0) * static_cast<size_t>(from.w);
    if (first >= stored) break;
    const int32_t y1 = std::min(rows, y0 + rowsPerChunk);
    chunk.resize(
        std::min(static_cast<size_t>(y1 - y0) * static_cast<size_t>(from.w), stored - first));
    spill.Load(first, chunk.size(), chunk.data());
    for (int32_t y = y0; y < y1; ++y) {
      const size_t kept = KeptInRow(stored, from, to, y);
      if (kept == 0) break;
      std::memcpy(&cells[static_cast<size_t>(y) * static_cast<size_t>(to.w)],
                  &chunk[static_cast<size_t>(y - y0) * static_cast<size_t>(from.w)],
                  kept * sizeof(uint16_t));
    }
  }
}

// Passes one layer through the file. `replaced` tells whether its old cells were given up.
// Out of memory, the layer gets its old cells back from the file before the error goes on.
void ResizeThroughFile(LayerSpillFile& spill, std::vector<uint16_t>& cells, Shape from, Shape to,
                       bool& replaced) {
  const size_t stored = cells.size();
  spill.Store(cells);
  replaced = true;
  try {
    RefillFromFile(spill, cells, stored, from, to);
  } catch (const std::bad_alloc&) {
    std::vector<uint16_t>().swap(cells);
    cells.resize(stored);
    spill.Load(0, stored, cells.data());
    replaced = false;
    throw;
  }
}

// Out of memory part way: the layers already resized go back to the old size, one at a time
// through the file, so that every layer has one size again and nothing the resize added is
// lost. Returns false when even that fails.
bool RollBack(LayerSpillFile& spill, std::vector<TMapLayer>& layers, size_t done, Shape from,
              Shape to) {
  try {
    for (size_t i = 0; i < done; ++i) {
      const size_t stored = layers[i].Cells.size();
      spill.Store(layers[i].Cells);
      RefillFromFile(spill, layers[i].Cells, stored, to, from);
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

bool TMap::Resize(int32_t newWidth, int32_t newHeight) {
  if (newWidth == Width && newHeight == Height) return false;
  if (newWidth < 1 || newHeight < 1 || int64_t{newWidth} * newHeight > kMaxLayerCells) {
    return false;
  }
  const Shape from{std::max(Width, 0), std::max(Height, 0)};
  const Shape to{newWidth, newHeight};
  LayerSpillFile spill;  // a failure here changes nothing
  size_t done = 0;
  bool replaced = false;
  try {
    for (; done < Layers.size(); ++done) {
      replaced = false;
      ResizeThroughFile(spill, Layers[done].Cells, from, to, replaced);
    }
  } catch (const EInOutError&) {
    if (done == 0 && !replaced) throw;
    // Some layers already have the new size: bring the others there in memory so that every
    // layer keeps Width x Height cells, then report the file's failure.
    try {
      for (size_t i = replaced ? done + 1 : done; i < Layers.size(); ++i) {
        ResizeInMemory(Layers[i].Cells, from, to);
      }
    } catch (const std::bad_alloc&) {
      ClearLayers();
    }
    FinishResize(newWidth, newHeight);
    throw;
  } catch (const std::bad_alloc&) {
    if (!replaced && RollBack(spill, Layers, done, from, to)) {
      if (done > 0) Modified = true;  // a shrink's cut-off cells are gone
    } else {
      // Layers of two sizes: an empty document is the only consistent one left.
      ClearLayers();
      FinishResize(newWidth, newHeight);
    }
    throw EAbort("TMap.Resize");
  }
  FinishResize(newWidth, newHeight);
  return true;
}

void TMap::FinishResize(int32_t newWidth, int32_t newHeight) {
  Width = newWidth;
  Height = newHeight;
  FlushHistory();  // the records address cells by the old width
  Modified = true;
}

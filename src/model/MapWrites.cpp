// Reading a block out of a layer, writing it back, and tiling it over a rectangle.
#include <algorithm>
#include <cstring>
#include <string>

#include "model/CellMath.h"
#include "model/MapDataUnit.h"
#include "platform/Language.h"
#include "platform/Prompter.h"

using cellmath::AbortOnFailure;
using cellmath::Clamp32;

namespace {

void ShowLayerMissing(const char* text, int32_t layer) {
  Prompter().MessageBox(nullptr, TranslatedText("TMap", text) + std::to_string(layer) + ")",
                        TranslatedText("TMap", QT_TRANSLATE_NOOP("TMap", "エラー")), MsgIcon::Error,
                        MsgButtons::OK);
}

}  // namespace

bool TMap::ReadBlock(TModified& block) {
  if (!IsValidLayer(block.layer)) {
    ShowLayerMissing(QT_TRANSLATE_NOOP("TMap", "レイヤーが存在しません(layer:"), block.layer);
    return false;
  }
  return AbortOnFailure("TMap.ReadBlock", [&] {
    const int64_t cols = std::max<int64_t>(int64_t{block.source.dx} + 1, 0);
    const int64_t rows = std::max<int64_t>(int64_t{block.source.dy} + 1, 0);
    if (cols * rows > kMaxLayerCells) throw EAbort("TMap.ReadBlock");
    block.data.assign(static_cast<size_t>(cols * rows), 0);
    const std::vector<uint16_t>& cells = Layers[static_cast<size_t>(block.layer)].Cells;
    const int64_t count = static_cast<int64_t>(cells.size());
    // The caller passes a range inside the map; cells outside the layer read as 0.
    for (int64_t r = 0; r < rows; ++r) {
      const int64_t base = block.source.index + r * Width;
      const int64_t first = std::max<int64_t>(0, -base);
      const int64_t end = std::min(cols, count - base);
      if (end > first) {
        std::memcpy(&block.data[static_cast<size_t>(r * cols + first)],
                    &cells[static_cast<size_t>(base + first)],
                    static_cast<size_t>(end - first) * sizeof(uint16_t));
      }
    }
    return true;
  });
}

bool TMap::WriteBlock(TModified& block) {
  if (!block.destination.active) return false;
  if (!EditableLayer(block.layer)) {
    ShowLayerMissing(QT_TRANSLATE_NOOP("TMap", "対象レイヤーが存在しません(layer:"), block.layer);
    return false;
  }
  if (block.data.empty()) return false;
  return AbortOnFailure("TMap.WriteBlock", [&] { return WriteBlockChecked(block); });
}

bool TMap::WriteBlockChecked(TModified& block) {
  ClipBlock(block);
  const TCellRange& dst = block.destination;
  const TCellRange& src = block.source;
  const Size size = ClipSize(dst.x, dst.y, src.dx, src.dy);
  // Before and After hold at least the written rectangle, whatever the data's length.
  const size_t length = std::max(block.data.size(), static_cast<size_t>(size.w) * size.h);
  ReserveHistory(1);
  TModifyRecord& record = History[static_cast<size_t>(modifyCursor)];
  Recycle(record);
  record.Before.resize(length);
  record.After.resize(length);
  record.StartIndex = dst.index;
  record.Layer = block.layer;
  record.Count = 0;
  record.Kind = mtData;
  SaveBefore(dst.x, dst.y, src.dx, src.dy, record, block);
  int32_t w = 0;
  int32_t h = 0;
  PutBlock(dst.x, dst.y, src.dx, src.dy, block, w, h);
  SaveAfter(dst.x, dst.y, src.dx, src.dy, record, block);
  record.Width = w;
  record.Height = h;
  AdvanceCursor();
  Modified = true;
  return true;
}

bool TMap::WriteTiledBlock(TModified& block) {
  if (!block.destination.active || !EditableLayer(block.layer)) return false;
  return AbortOnFailure("TMap.WriteTiledBlock", [&] { return WriteTiledBlockChecked(block); });
}

bool TMap::WriteTiledBlockChecked(TModified& block) {
  ClipBlock(block);
  const TCellRange& dst = block.destination;
  const Size tile{Clamp32(int64_t{block.source.dx} + 1), Clamp32(int64_t{block.source.dy} + 1)};
  // The rectangle is cut at the map edges, so the record's rows are the saved rows.
  const Size rect = ClipSize(dst.x, dst.y, dst.dx, dst.dy);
  if (tile.w < 1 || tile.h < 1 || rect.w < 1 || rect.h < 1) return false;

  TModifyRecord record;
  const size_t length = static_cast<size_t>(rect.w) * rect.h;
  DropRedo();
  record.Before = spareCells_.Take(length);
  record.Before.resize(length);
  record.After = spareCells_.Take(length);
  record.After.resize(length);
  record.Kind = mtData;
  record.StartIndex = dst.index;
  record.Layer = block.layer;
  record.Width = rect.w;
  record.Height = rect.h;
  SaveBefore(dst.x, dst.y, rect.w - 1, rect.h - 1, record, block);
  ReserveHistory(3);
  BeginGroup();
  PutTiles(block, dst.x, dst.y, rect, tile);
  SaveAfter(dst.x, dst.y, rect.w - 1, rect.h - 1, record, block);
  Recycle(History[static_cast<size_t>(modifyCursor)]);
  History[static_cast<size_t>(modifyCursor)] = std::move(record);
  AdvanceCursor();
  EndGroup();
  Modified = true;
  return true;
}

void TMap::PutTiles(const TModified& block, int32_t rx, int32_t ry, Size rect, Size tile) {
  const int64_t pitch = int64_t{block.srcPitch} + 1;
  const int64_t lastEntry = (int64_t{tile.h} - 1) * pitch + tile.w - 1;
  const bool dataCoversTile =
      (tile.h == 1 || pitch >= 1) && lastEntry < static_cast<int64_t>(block.data.size());
  if (!dataCoversTile) {
    PutTilesSlow(block, rx, ry, rect, tile);
    return;
  }
  // Every cell of the rectangle takes the block's entry at its position modulo the tile, so
  // each row is one pattern, and rows repeat every tile height.
  uint16_t* cells = Layers[static_cast<size_t>(block.layer)].Cells.data();
  const size_t rowBytes = static_cast<size_t>(rect.w) * sizeof(uint16_t);
  for (int64_t y = 0; y < rect.h; ++y) {
    uint16_t* row = cells + (ry + y) * Width + rx;
    if (y >= tile.h) {
      std::memcpy(row, row - int64_t{tile.h} * Width, rowBytes);
      continue;
    }
    int64_t filled = std::min<int64_t>(tile.w, rect.w);
    std::memcpy(row, &block.data[static_cast<size_t>(y * pitch)],
                static_cast<size_t>(filled) * sizeof(uint16_t));
    while (filled < rect.w) {
      const int64_t n = std::min<int64_t>(filled, rect.w - filled);
      std::memcpy(row + filled, row, static_cast<size_t>(n) * sizeof(uint16_t));
      filled += n;
    }
  }
}

// Tile by tile, for blocks whose data runs out before the tile's last cell.
void TMap::PutTilesSlow(const TModified& block, int32_t rx, int32_t ry, Size rect, Size tile) {
  bool complete = !block.data.empty();
  for (int64_t ty = 0; !block.data.empty() && ty < rect.h; ty += tile.h) {
    for (int64_t tx = 0; tx < rect.w; tx += tile.w) {
      const int64_t w = std::min<int64_t>(tile.w, rect.w - tx);
      const int64_t h = std::min<int64_t>(tile.h, rect.h - ty);
      Size written;
      if (!PutCells(Clamp32(rx + tx), Clamp32(ry + ty), Clamp32(w - 1), Clamp32(h - 1), block,
                    written)) {
        complete = false;
      }
    }
  }
  // One beep for the whole rectangle rather than one per tile.
  if (!complete) Prompter().Beep();
}

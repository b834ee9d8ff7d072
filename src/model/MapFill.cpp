// Flood fill and replace: whole-layer edits recorded as one group with one record.
#include <memory>

#include "model/CellMath.h"
#include "model/MapDataUnit.h"
#include "model/SpanFill.h"

using cellmath::AbortOnFailure;
using cellmath::Clamp32;

// Everything the edit needs is allocated before the group opens, so a failure leaves neither
// a changed layer without its record nor a group without its end.
template <typename Edit>
void TMap::RecordWholeLayer(int32_t layerIndex, Edit edit) {
  std::vector<uint16_t>& cells = Layers[static_cast<size_t>(layerIndex)].Cells;
  TModifyRecord record;
  record.Kind = mtData;
  record.Layer = layerIndex;
  record.StartIndex = 0;
  record.Width = Width;
  record.Height = Height;
  record.Count = Clamp32(CellCount());
  DropRedo();
  record.Before = spareCells_.Take(cells.size());
  record.Before.assign(cells.begin(), cells.end());
  record.After = spareCells_.Take(cells.size());
  ReserveHistory(3);
  BeginGroup();
  edit(cells);
  record.After.assign(cells.begin(), cells.end());
  Recycle(History[static_cast<size_t>(modifyCursor)]);
  History[static_cast<size_t>(modifyCursor)] = std::move(record);
  AdvanceCursor();
  EndGroup();
  Modified = true;
}

void TMap::FloodFill(int32_t x, int32_t y, TModified& block) {
  if (!Ready || !block.source.active || block.data.empty()) return;
  TMapLayer* layer = EditableLayer(block.layer);
  if (!layer || x < 0 || y < 0 || x >= Width || y >= Height) return;
  const uint16_t value = block.data[0];
  if (layer->Cells[static_cast<size_t>(int64_t{y} * Width + x)] == value) return;
  AbortOnFailure("TMap.FloodFill", [&] {
    std::unique_ptr<uint32_t[]> stack(new uint32_t[static_cast<size_t>(CellCount())]);
    RecordWholeLayer(block.layer, [&](std::vector<uint16_t>& cells) {
      FillSpans(cells.data(), Width, Height, x, y, value, stack.get());
    });
  });
}

bool TMap::ReplaceValue(uint16_t search, uint16_t replacement, int32_t layer) {
  if (!EditableLayer(layer)) return false;
  AbortOnFailure("TMap.ReplaceValue", [&] {
    RecordWholeLayer(layer, [&](std::vector<uint16_t>& cells) {
      for (uint16_t& cell : cells) cell = cell == search ? replacement : cell;
    });
  });
  return true;
}

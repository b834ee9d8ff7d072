#include "model/MapDataUnit.h"

#include <new>

#include "model/CellMath.h"
#include "platform/Errors.h"

TMap::TMap() {
  ResetHistory();
}

TMap::~TMap() {
  Ready = false;
  Layers.clear();
  History.clear();
}

bool TMap::Setup(int32_t width, int32_t height, int32_t partWidth, int32_t partHeight,
                 uint8_t bitsPerCell) {
  Ready = false;
  Width = width;
  Height = height;
  PartWidth = partWidth;
  PartHeight = partHeight;
  BitsPerCell = bitsPerCell;
  ResetHistory();
  Modified = true;
  return true;
}

void TMap::ClearLayers() {
  ForgetAllLayers();  // their records must never be undone onto the layers that follow
  Layers.clear();
  Ready = false;
}

bool TMap::IsValidLayer(int32_t index) const {
  return index >= 0 && index < LayerCount() && index <= 255;
}

bool TMap::HasLayer(int32_t index) const {
  return index >= 0 && index < LayerCount();
}

TMapLayer* TMap::EditableLayer(int32_t index) {
  if (!IsValidLayer(index)) return nullptr;
  TMapLayer& layer = Layers[static_cast<size_t>(index)];
  if (CellCount() <= 0 || static_cast<int64_t>(layer.Cells.size()) != CellCount()) return nullptr;
  return &layer;
}

int64_t TMap::CheckedCellCount(const char* failure) const {
  const int64_t count = CellCount();
  if (Width < 1 || Height < 1 || count > kMaxLayerCells) throw EAbort(failure);
  return count;
}

// Layer operations of the map document.
#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "model/MapDataUnit.h"
#include "platform/Errors.h"
#include "platform/LargeMemory.h"

namespace {
const char* const kAppendFailed = "レイヤ作成に失敗";
const char* const kDuplicateFailed = "レイヤ複製に失敗";

// Appends the layer that `make` builds; running out of memory becomes the silent abort.
template <typename Make>
void AppendOrAbort(std::vector<TMapLayer>& layers, const char* failure, Make make) {
  try {
    layers.push_back(make());
  } catch (const std::bad_alloc&) {
    throw EAbort(failure);
  } catch (const std::length_error&) {
    throw EAbort(failure);
  }
}

}  // namespace

bool TMap::AppendLayer(const std::string& name, TMapChip* chip) {
  const size_t count = static_cast<size_t>(CheckedCellCount(kAppendFailed));
  AppendOrAbort(Layers, kAppendFailed, [&] {
    TMapLayer layer;
    ReserveLarge(layer.Cells, count);
    layer.Cells.assign(count, 0);
    layer.Chip = chip;
    layer.Name = name;
    return layer;
  });
  Ready = true;
  Modified = true;
  return true;
}

bool TMap::DuplicateLayer(int32_t source, const std::string& name) {
  if (!HasLayer(source)) return false;
  CheckedCellCount(kDuplicateFailed);
  AppendOrAbort(Layers, kDuplicateFailed, [&] {
    const TMapLayer& original = Layers[static_cast<size_t>(source)];
    TMapLayer copy;
    copy.Name = name;
    copy.Chip = original.Chip;
    copy.Visible = original.Visible;
    copy.Reserved = original.Reserved;
    ReserveLarge(copy.Cells, original.Cells.size());
    copy.Cells.assign(original.Cells.begin(), original.Cells.end());
    return copy;
  });
  Modified = true;
  return true;
}

void TMap::DeleteLayer(int32_t index) {
  if (!HasLayer(index)) return;
  Layers.erase(Layers.begin() + index);
  RenumberAfterDelete(index);
  Modified = true;
}

void TMap::SwapLayers(int32_t a, int32_t b) {
  if (!HasLayer(a) || !HasLayer(b)) return;
  std::swap(Layers[static_cast<size_t>(a)], Layers[static_cast<size_t>(b)]);
  RenumberAfterSwap(a, b);
  Modified = true;
}

bool TMap::MergeLayer(int32_t destination, int32_t source, uint16_t key) {
  // Merging a layer into itself would only delete it.
  if (!IsValidLayer(destination) || !IsValidLayer(source) || destination == source) return false;
  std::vector<uint16_t>& to = Layers[static_cast<size_t>(destination)].Cells;
  const std::vector<uint16_t>& from = Layers[static_cast<size_t>(source)].Cells;
  const size_t n = std::min(to.size(), from.size());
  for (size_t i = 0; i < n; ++i) {
    if (from[i] != key) to[i] = from[i];
  }
  DeleteLayer(source);
  Modified = true;
  return true;
}

std::string TMap::GetLayerName(int32_t index) const {
  return IsValidLayer(index) ? Layers[static_cast<size_t>(index)].Name : std::string();
}

void TMap::SetLayerName(int32_t index, const std::string& name) {
  if (IsValidLayer(index)) Layers[static_cast<size_t>(index)].Name = name;
  Modified = true;
}

TMapChip* TMap::GetLayerChip(int32_t index) const {
  return HasLayer(index) ? Layers[static_cast<size_t>(index)].Chip : nullptr;
}

void TMap::SetLayerChip(int32_t index, TMapChip* chip) {
  if (!HasLayer(index)) return;
  Layers[static_cast<size_t>(index)].Chip = chip;
  Modified = true;
}

void TMap::ClearLayerChip(int32_t index) {
  if (!HasLayer(index) || !Layers[static_cast<size_t>(index)].Chip) return;
  Layers[static_cast<size_t>(index)].Chip = nullptr;
  Modified = true;
}

void TMap::SetLayerVisible(int32_t index, bool visible) {
  if (HasLayer(index)) Layers[static_cast<size_t>(index)].Visible = visible;
}

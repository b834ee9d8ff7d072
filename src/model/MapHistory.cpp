// The modification history: groups, undo and redo.
#include <algorithm>
#include <cstring>

#include "model/CellMath.h"
#include "model/MapDataUnit.h"

void TMap::Recycle(TModifyRecord& record) {
  spareCells_.Give(std::move(record.Before));
  spareCells_.Give(std::move(record.After));
}

void TMap::ResetHistory() {
  for (TModifyRecord& record : History) Recycle(record);
  History = std::vector<TModifyRecord>(1);
  modifyCursor = 0;
}

// The user flushes to get memory back, so no spare arrays are kept either.
void TMap::FlushHistory() {
  ResetHistory();
  spareCells_.Clear();
}

// Reserving exactly what the next record needs would move the whole history on every write
// of a pen stroke; doubling keeps a stroke linear in its length.
void TMap::ReserveHistory(size_t extra) {
  const size_t needed = static_cast<size_t>(modifyCursor) + 1 + extra;
  if (needed > History.capacity()) History.reserve(std::max(needed, 2 * History.capacity()));
}

void TMap::AdvanceCursor() {
  ++modifyCursor;
  for (size_t i = static_cast<size_t>(modifyCursor) + 1; i < History.size(); ++i) {
    Recycle(History[i]);
  }
  History.resize(static_cast<size_t>(modifyCursor) + 1);
  History[static_cast<size_t>(modifyCursor)].Kind = mtEmpty;
}

void TMap::DropRedo() {
  const size_t cursor = static_cast<size_t>(modifyCursor);
  for (size_t i = cursor; i < History.size(); ++i) Recycle(History[i]);
  History.resize(cursor + 1);
  History[cursor].Kind = mtEmpty;
}

void TMap::WriteMarker(uint8_t kind) {
  TModifyRecord& record = History[static_cast<size_t>(modifyCursor)];
  Recycle(record);  // the slot may still hold a large record that an undo left behind
  record.Kind = kind;
  record.Layer = record.StartIndex = record.Width = record.Height = record.Count = 0;
  record.Before.assign(1, 0);
  record.After.assign(1, 0);
  AdvanceCursor();
}

bool TMap::BeginGroup() {
  WriteMarker(mtBegin);
  return true;
}

bool TMap::EndGroup() {
  WriteMarker(mtEnd);
  return true;
}

bool TMap::CanUndo() const {
  return modifyCursor >= 1;
}

bool TMap::CanRedo() const {
  return static_cast<size_t>(modifyCursor) + 1 < History.size();
}

bool TMap::Undo() {
  if (modifyCursor <= 0) return false;
  return cellmath::AbortOnFailure("TMap.Undo", [this] {
    --modifyCursor;
    // A group that was never closed ends in a data record rather than its closing record.
    const TModifyRecord& top = History[static_cast<size_t>(modifyCursor)];
    if (top.Kind == mtData) ApplyRecord(top, false);
    while (modifyCursor > 0 && History[static_cast<size_t>(modifyCursor)].Kind != mtBegin) {
      --modifyCursor;
      ApplyRecord(History[static_cast<size_t>(modifyCursor)], false);
    }
    Modified = true;
    return true;
  });
}

bool TMap::Redo() {
  if (!CanRedo()) return false;
  return cellmath::AbortOnFailure("TMap.Redo", [this] {
    const int32_t last = static_cast<int32_t>(History.size()) - 1;
    // An open group has no closing record: stop at the end of the history.
    while (modifyCursor < last && History[static_cast<size_t>(modifyCursor)].Kind != mtEnd) {
      ApplyRecord(History[static_cast<size_t>(modifyCursor)], true);
      ++modifyCursor;
    }
    if (modifyCursor < last) ++modifyCursor;
    Modified = true;
    return true;
  });
}

void TMap::ApplyRecord(const TModifyRecord& record, bool after) {
  if (record.Kind != mtData || record.Width <= 0 || record.Height <= 0) return;
  TMapLayer* layer = EditableLayer(record.Layer);
  if (!layer) return;  // the layer is gone
  const std::vector<uint16_t>& values = after ? record.After : record.Before;
  const int64_t cells = CellCount();
  const int64_t available = static_cast<int64_t>(values.size());
  for (int64_t r = 0; r < record.Height; ++r) {
    const int64_t pos = r * record.Width;
    const int64_t index = record.StartIndex + r * Width;
    if (pos >= available || index >= cells) break;
    const int64_t first = std::max<int64_t>(0, -index);
    const int64_t end = std::min({int64_t{record.Width}, cells - index, available - pos});
    if (end > first) {
      std::memcpy(&layer->Cells[static_cast<size_t>(index + first)],
                  &values[static_cast<size_t>(pos + first)],
                  static_cast<size_t>(end - first) * sizeof(uint16_t));
    }
  }
}

void TMap::ForgetAllLayers() {
  for (TModifyRecord& record : History) {
    if (record.Kind == mtData) record.Layer = kGoneLayer;
  }
}

void TMap::RenumberAfterDelete(int32_t index) {
  for (TModifyRecord& record : History) {
    if (record.Kind != mtData) continue;
    if (record.Layer == index) {
      record.Layer = kGoneLayer;
    } else if (record.Layer > index) {
      --record.Layer;
    }
  }
}

void TMap::RenumberAfterSwap(int32_t a, int32_t b) {
  for (TModifyRecord& record : History) {
    if (record.Kind != mtData) continue;
    if (record.Layer == a) {
      record.Layer = b;
    } else if (record.Layer == b) {
      record.Layer = a;
    }
  }
}

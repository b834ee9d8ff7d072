#include "editor/RecoverySnapshot.h"

#include <algorithm>

#include "formats/ProjectWriter.h"

bool TRecoverySnapshot::SameShape(const TMap& document) const {
  if (!map_.IsReady() || map_.GetWidth() != document.GetWidth() ||
      map_.GetHeight() != document.GetHeight() || map_.LayerCount() != document.LayerCount() ||
      map_.GetPartWidth() != document.GetPartWidth() ||
      map_.GetPartHeight() != document.GetPartHeight() ||
      map_.GetBitsPerCell() != document.GetBitsPerCell())
    return false;
  for (int i = 0; i < document.LayerCount(); ++i)
    if (map_.LayerAt(i).Cells.size() != document.LayerAt(i).Cells.size()) return false;
  return true;
}

void TRecoverySnapshot::Reshape(const TMap& document) {
  map_.ClearLayers();
  map_.Setup(document.GetWidth(), document.GetHeight(), document.GetPartWidth(),
             document.GetPartHeight(), document.GetBitsPerCell());
  for (int i = 0; i < document.LayerCount(); ++i) {
    map_.AppendLayer(std::string(), nullptr);
    // A layer read short from an odd file keeps its own length.
    const size_t count = document.LayerAt(i).Cells.size();
    if (map_.LayerAt(i).Cells.size() != count) map_.LayerAt(i).Cells.assign(count, 0);
  }
}

TMapChip* TRecoverySnapshot::ChipFor(const TMapChip* chip) {
  if (!chip) return nullptr;
  for (const auto& kept : chips_)
    if (kept->FileName == chip->FileName) return kept.get();
  chips_.push_back(std::make_unique<TMapChip>());
  chips_.back()->FileName = chip->FileName;
  return chips_.back().get();
}

void TRecoverySnapshot::Take(const TMap& document, const TProjectRecords& records) {
  if (!SameShape(document)) Reshape(document);
  std::vector<std::unique_ptr<TMapChip>> previousChips;
  previousChips.swap(chips_);
  for (int i = 0; i < document.LayerCount(); ++i) {
    const TMapLayer& from = document.LayerAt(i);
    TMapLayer& to = map_.LayerAt(i);
    std::copy(from.Cells.begin(), from.Cells.end(), to.Cells.begin());
    to.Name = from.Name;
    to.Visible = from.Visible;
    to.Chip = ChipFor(from.Chip);
  }
  records_ = records;
  records_.header.bitsPerCell = document.GetBitsPerCell();
  records_.header.relativePaths = 1;
}

TFileResult TRecoverySnapshot::Write(const std::string& path) {
  return WriteProjectFile(path, map_, records_);
}

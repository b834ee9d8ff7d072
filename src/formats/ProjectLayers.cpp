// The reader's second pass: each noted layer chunk, read into the layer that the host appends.
#include <algorithm>

#include "formats/ByteOrder.h"
#include "formats/ByteSource.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/ProjectLoadHost.h"
#include "formats/ProjectReader.h"
#include "formats/ReadFailure.h"
#include "model/MapDataUnit.h"
#include "platform/TextCodec.h"

void TProjectReader::ReadLayers() {
  for (size_t i = 0; i < layers_.size(); ++i) {
    const int index = static_cast<int>(i);
    if (layers_[i].old)
      ReadOldLayer(layers_[i], index);
    else
      ReadLayer(layers_[i], index);
    host_.LayerDone();
  }
}

// A layer's fields must lie inside its own chunk: a chunk too short for its cells would
// otherwise take them from whatever follows it.
void TProjectReader::ReadLayer(const LayerEntry& entry, int index) {
  const uint64_t end = std::min(entry.payload + entry.size, source_->Size());
  uint64_t pos = entry.payload;
  AddLayer(ReadString(pos, end, filetext::kLayerDataMissing), index);
  const std::string stored = ReadString(pos, end, filetext::kLayerDataMissing);
  if (!stored.empty())
    host_.AttachImage(index, ResolveImagePath(stored, projectPath_, records_.header.relativePaths));
  uint8_t visible = 0;
  if (pos >= end) throw EReadFailure(filetext::Tr(filetext::kLayerDataMissing));
  source_->ReadExact(pos++, &visible, 1);
  map_.SetLayerVisible(index, visible != 0);
  host_.SetLayerVisibleState(index, visible != 0);
  std::vector<uint16_t>& cells = CellsOf(index);
  if (end - pos < cells.size() * 2) throw EReadFailure(filetext::Tr(filetext::kLayerDataMissing));
  ReadWideCells(pos, cells);
}

void TProjectReader::ReadOldLayer(const LayerEntry& entry, int index) {
  const char* missing = filetext::kOldLayerDataMissing;
  const uint64_t end = std::min(entry.payload + entry.size, source_->Size());
  uint64_t pos = entry.payload;
  AddLayer(ReadString(pos, end, missing), index);
  if (pos++ >= end) throw EReadFailure(filetext::Tr(missing));  // a byte that carries nothing
  const std::string stored = ReadString(pos, end, missing);
  if (!stored.empty()) host_.AttachImage(index, NormalizePath(stored));
  uint8_t width = 0;
  if (pos >= end) throw EReadFailure(filetext::Tr(missing));
  source_->ReadExact(pos++, &width, 1);
  if (width != 1 && width != 2)
    throw EReadFailure(filetext::Tr(filetext::kBadCellWidth) + " (" + std::to_string(width) + ")");
  std::vector<uint16_t>& cells = CellsOf(index);
  if (end - pos < cells.size() * width) throw EReadFailure(filetext::Tr(missing));
  if (width == 2)
    ReadWideCells(pos, cells);
  else
    ReadNarrowCells(pos, cells);
}

std::string TProjectReader::ReadString(uint64_t& pos, uint64_t end, const char* missing) {
  std::string bytes;
  if (!source_->ReadCString(pos, end, bytes)) throw EReadFailure(filetext::Tr(missing));
  pos += bytes.size() + 1;
  return FromShiftJis(bytes);
}

void TProjectReader::AddLayer(const std::string& name, int index) {
  if (!host_.AddLayer(name) || map_.LayerCount() != index + 1)
    throw EReadFailure(filetext::Tr(filetext::kLayerNotCreated));
}

// The host appended the layer; it must have exactly one map's worth of cells.
std::vector<uint16_t>& TProjectReader::CellsOf(int index) {
  std::vector<uint16_t>& cells = map_.LayerAt(index).Cells;
  const uint64_t expected =
      static_cast<uint64_t>(map_.GetWidth()) * static_cast<uint64_t>(map_.GetHeight());
  if (cells.size() != expected) throw EReadFailure(filetext::Tr(filetext::kLayerNotCreated));
  return cells;
}

void TProjectReader::ReadWideCells(uint64_t pos, std::vector<uint16_t>& cells) {
  source_->ReadExact(pos, cells.data(), cells.size() * 2);
  byteorder::SwapCellsIfBigEndian(cells.data(), cells.size());
}

void TProjectReader::ReadNarrowCells(uint64_t pos, std::vector<uint16_t>& cells) {
  uint8_t block[64 * 1024];
  for (size_t done = 0; done < cells.size();) {
    const size_t n = std::min(sizeof block, cells.size() - done);
    source_->ReadExact(pos + done, block, n);
    std::copy(block, block + n, cells.begin() + static_cast<std::ptrdiff_t>(done));
    done += n;
  }
}

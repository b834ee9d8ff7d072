#include "formats/FMFReader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "formats/ByteOrder.h"
#include "formats/ByteSource.h"
#include "formats/FileTexts.h"
#include "formats/MemoryBudget.h"
#include "formats/ProjectLoadHost.h"
#include "formats/ProjectRecords.h"
#include "formats/ReadFailure.h"
#include "model/MapDataUnit.h"

namespace {

bool Holdable(const TFMFHeader& h) {
  if (h.width == 0 || h.width > kFMFMaxSide || h.height == 0 || h.height > kFMFMaxSide)
    return false;
  if (h.partWidth == 0 || h.partHeight == 0 || h.layerCount == 0) return false;
  return h.bitsPerCell == 8 || h.bitsPerCell == 16;
}

// The document holds every cell in 16 bits, whatever the file's cell width. Cells that the
// file does not hold cost memory that its own size does not account for, so they are bounded
// apart from the machine's budget.
bool FitsInMemory(const TFMFHeader& h, uint64_t fileSize, uint64_t budget) {
  const uint64_t cells = uint64_t{h.width} * h.height * h.layerCount;
  const uint64_t held = std::min(cells, (fileSize - kFMFHeaderSize) / (h.bitsPerCell / 8));
  return 2 * cells <= (budget ? budget : DefaultCellMemoryBudget()) &&
         2 * (cells - held) <= kFMFMissingCellBytes;
}

void ReadCells(TByteSource& source, uint64_t offset, size_t cellBytes,
               std::vector<uint16_t>& cells) {
  if (cellBytes == 2) {
    const size_t got = source.ReadAt(offset, cells.data(), cells.size() * 2);
    byteorder::SwapCellsIfBigEndian(cells.data(), (got + 1) / 2);
    return;
  }
  uint8_t block[64 * 1024];
  for (size_t done = 0; done < cells.size();) {
    const size_t got =
        source.ReadAt(offset + done, block, std::min(sizeof block, cells.size() - done));
    if (got == 0) return;
    std::copy(block, block + got, cells.begin() + static_cast<std::ptrdiff_t>(done));
    done += got;
  }
}

void Import(TByteSource& source, TMap& map, TMapHeaderRecord& record, IProjectLoadHost& host,
            uint64_t budget) {
  TFMFHeader h;
  const TFileResult header = ReadFMFHeader(source, h, budget);
  if (!header) throw EReadFailure(header.reason);
  record.width = static_cast<int32_t>(h.width);
  record.height = static_cast<int32_t>(h.height);
  record.partWidth = h.partWidth;
  record.partHeight = h.partHeight;
  record.layerCount = h.layerCount;
  record.bitsPerCell = h.bitsPerCell;
  record.relativePaths = 0;
  map.ClearLayers();
  if (!map.Setup(record.width, record.height, h.partWidth, h.partHeight, h.bitsPerCell))
    throw EReadFailure(filetext::Tr(filetext::kCannotCreateMap));
  host.BeforeLayers(h.layerCount);
  const size_t cellBytes = h.bitsPerCell / 8;
  const uint64_t layerBytes = uint64_t{cellBytes} * h.width * h.height;
  for (int n = 0; n < h.layerCount; ++n) {
    if (!host.AddLayer("レイヤー" + std::to_string(n)) || map.LayerCount() != n + 1)
      throw EReadFailure(filetext::Tr(filetext::kLayerNotCreated));
    ReadCells(source, kFMFHeaderSize + layerBytes * n, cellBytes, map.LayerAt(n).Cells);
    host.LayerDone();
  }
}

}  // namespace

TFileResult ReadFMFHeader(TByteSource& source, TFMFHeader& h, uint64_t memoryBudget) {
  return RunReader([&] {
    uint8_t bytes[kFMFHeaderSize];
    source.ReadExact(0, bytes, sizeof bytes);
    if (std::memcmp(bytes, "FMF_", 4) != 0) throw EReadFailure(filetext::Tr(filetext::kNotFmf));
    h.dataSize = byteorder::GetU32(bytes + 4);
    h.width = byteorder::GetU32(bytes + 8);
    h.height = byteorder::GetU32(bytes + 12);
    h.partWidth = bytes[16];
    h.partHeight = bytes[17];
    h.layerCount = bytes[18];
    h.bitsPerCell = bytes[19];
    if (!Holdable(h)) throw EReadFailure(filetext::Tr(filetext::kNotFmf));
    if (!FitsInMemory(h, source.Size(), memoryBudget))
      throw EReadFailure(filetext::Tr(filetext::kMapTooLarge));
  });
}

TFileResult ImportFMF(TByteSource& source, TMap& map, TMapHeaderRecord& header,
                      IProjectLoadHost& host, uint64_t memoryBudget) {
  return RunReader([&] { Import(source, map, header, host, memoryBudget); });
}

TFileResult ImportFMFFile(const std::string& path, TMap& map, TMapHeaderRecord& header,
                          IProjectLoadHost& host, uint64_t memoryBudget) {
  return ReadFileWith(path, [&](TByteSource& source) {
    return ImportFMF(source, map, header, host, memoryBudget);
  });
}

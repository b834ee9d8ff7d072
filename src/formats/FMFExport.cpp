#include <algorithm>
#include <vector>

#include "formats/ByteOrder.h"
#include "formats/FMFReader.h"
#include "formats/FileTexts.h"
#include "formats/MapExport.h"
#include "formats/SafeFileWriter.h"
#include "model/MapDataUnit.h"
#include "platform/Language.h"

namespace {

std::string FMFHeader(const TMap& map, uint32_t cellBytes) {
  const uint8_t layers = static_cast<uint8_t>(map.LayerCount());
  // The field has 32 bits; a map of more than 4 GB of cells keeps only the low bits.
  const uint64_t dataSize = uint64_t{cellBytes} * static_cast<uint64_t>(map.GetWidth()) *
                            static_cast<uint64_t>(map.GetHeight()) * layers;
  std::string header = "FMF_";
  byteorder::AppendU32(header, static_cast<uint32_t>(dataSize));
  byteorder::AppendU32(header, static_cast<uint32_t>(map.GetWidth()));
  byteorder::AppendU32(header, static_cast<uint32_t>(map.GetHeight()));
  header.push_back(static_cast<char>(map.GetPartWidth() & 0xFF));
  header.push_back(static_cast<char>(map.GetPartHeight() & 0xFF));
  header.push_back(static_cast<char>(layers));
  header.push_back(static_cast<char>(cellBytes * 8));
  return header;
}

bool WriteCells(TSafeFileWriter& out, const std::vector<uint16_t>& cells, uint32_t cellBytes) {
  if (cellBytes == 2 && byteorder::kHostIsLittleEndian)
    return out.Write(cells.data(), cells.size() * 2);
  std::vector<uint8_t> block(std::min<size_t>(cells.size(), 1 << 16) * cellBytes);
  const size_t perBlock = block.size() / std::max<uint32_t>(cellBytes, 1);
  for (size_t done = 0; done < cells.size(); done += perBlock) {
    const size_t n = std::min(perBlock, cells.size() - done);
    for (size_t i = 0; i < n; ++i) {
      const uint16_t cell = cells[done + i];
      if (cellBytes == 2)
        byteorder::PutU16(&block[i * 2], cell);
      else
        block[i] = static_cast<uint8_t>(cell);
    }
    if (!out.Write(block.data(), n * cellBytes)) return false;
  }
  return true;
}

}  // namespace

TFileResult ExportFMFFile(const TMap& map, const std::string& path) {
  const uint32_t cellBytes = map.GetBitsPerCell() / 8u;
  if (cellBytes != 1 && cellBytes != 2)
    return TFileResult::Failure(
        FillText(filetext::Tr(filetext::kBadBitCount), {std::to_string(map.GetBitsPerCell())}));
  TSafeFileWriter out(path);
  if (!out.Open() || !out.Write(FMFHeader(map, cellBytes)))
    return TFileResult::Failure(out.Error());
  const int layers = map.LayerCount() & 0xFF;
  for (int i = 0; i < layers; ++i)
    if (!WriteCells(out, map.LayerAt(i).Cells, cellBytes)) return TFileResult::Failure(out.Error());
  if (!out.Commit()) return TFileResult::Failure(out.Error());
  return TFileResult::Success();
}

bool TMap::ExportFMF(const std::string& fileName) const {
  return static_cast<bool>(ExportFMFFile(*this, fileName));
}

#include <charconv>

#include "formats/MapExport.h"
#include "formats/SafeFileWriter.h"
#include "model/MapDataUnit.h"

namespace {

void AppendNumber(std::string& line, unsigned value) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  line.append(digits, end);
}

bool WriteLayer(TSafeFileWriter& out, const TMap& map, const TMapLayer& layer) {
  const size_t width = static_cast<size_t>(map.GetWidth());
  std::string line;
  for (size_t start = 0; start + width <= layer.Cells.size(); start += width) {
    line.clear();
    for (size_t x = 0; x < width; ++x) {
      if (x > 0) line += ',';
      AppendNumber(line, layer.Cells[start + x]);
    }
    line += "\r\n";
    if (!out.Write(line)) return false;
  }
  return true;
}

std::string HeaderLine(const TMap& map) {
  std::string line;
  for (int value : {map.GetWidth(), map.GetHeight(), map.GetPartWidth(), map.GetPartHeight(),
                    map.LayerCount(), static_cast<int>(map.GetBitsPerCell())}) {
    if (!line.empty()) line += ',';
    line += std::to_string(value);
  }
  return line + "\r\n";
}

}  // namespace

TFileResult ExportCSVFile(const TMap& map, const std::string& path, TCSVVariant variant) {
  TSafeFileWriter out(path);
  bool ok = out.Open() && (variant == TCSVVariant::V1 || out.Write(HeaderLine(map)));
  for (int i = 0; ok && i < map.LayerCount(); ++i) {
    ok = WriteLayer(out, map, map.LayerAt(i));
    if (ok && variant == TCSVVariant::V1) ok = out.Write("\r\n", 2);
  }
  ok = ok && out.Commit();
  return ok ? TFileResult::Success() : TFileResult::Failure(out.Error());
}

bool TMap::ExportCSV1(const std::string& fileName) const {
  return static_cast<bool>(ExportCSVFile(*this, fileName, TCSVVariant::V1));
}

bool TMap::ExportCSV2(const std::string& fileName) const {
  return static_cast<bool>(ExportCSVFile(*this, fileName, TCSVVariant::V2));
}

#include <cstdint>
#include <new>
#include <string>

#include "formats/BitmapBand.h"
#include "formats/ByteOrder.h"
#include "formats/FileTexts.h"
#include "formats/MapExport.h"
#include "formats/SafeFileWriter.h"
#include "model/MapDataUnit.h"
#include "platform/Language.h"

namespace {

constexpr uint32_t kHeadersSize = 54;

std::string BitmapHeaders(uint32_t width, uint32_t height, uint32_t imageBytes) {
  std::string h = "BM";
  byteorder::AppendU32(h, imageBytes + kHeadersSize);
  byteorder::AppendU32(h, 0);  // two reserved words
  byteorder::AppendU32(h, kHeadersSize);
  byteorder::AppendU32(h, 40);
  byteorder::AppendU32(h, width);
  byteorder::AppendU32(h, height);  // positive: bottom row first
  byteorder::AppendU16(h, 1);
  byteorder::AppendU16(h, 24);
  h.append(24, '\0');  // no compression; size, resolutions and colour counts left 0
  return h;
}

}  // namespace

TFileResult ExportBitmapFile(const TMap& map, const std::string& path, uint16_t transparentPart,
                             bool useColorKey, uint32_t keyColor) {
  const uint64_t width = uint64_t(map.GetWidth()) * uint64_t(map.GetPartWidth());
  const uint64_t height = uint64_t(map.GetHeight()) * uint64_t(map.GetPartHeight());
  const uint64_t rowBytes = (width * 3 + 3) & ~uint64_t{3};
  // The file's size field has 32 bits and its sides are signed 32-bit numbers.
  if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX ||
      rowBytes * height + kHeadersSize > UINT32_MAX)
    return TFileResult::Failure(FillText(filetext::Tr(filetext::kBitmapTooLarge),
                                         {std::to_string(width) + "*" + std::to_string(height)}));
  TSafeFileWriter out(path);
  bool ok = out.Open() && out.Write(BitmapHeaders(static_cast<uint32_t>(width),
                                                  static_cast<uint32_t>(height),
                                                  static_cast<uint32_t>(rowBytes * height)));
  try {
    TBitmapBand band(map, transparentPart, useColorKey, keyColor);
    ok = ok && band.ComposeAll(
                   [&out](const uint8_t* data, size_t size) { return out.Write(data, size); });
  } catch (const std::bad_alloc&) {
    return TFileResult::Failure(filetext::Tr(filetext::kBitmapNoMemory));
  }
  ok = ok && out.Commit();
  return ok ? TFileResult::Success() : TFileResult::Failure(out.Error());
}

bool TMap::ExportBitmap(const std::string& fileName, uint16_t transparentPart, bool useColorKey,
                        uint32_t keyColor) const {
  return static_cast<bool>(
      ExportBitmapFile(*this, fileName, transparentPart, useColorKey, keyColor));
}

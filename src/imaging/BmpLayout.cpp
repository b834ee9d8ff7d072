#include "imaging/BmpLayout.h"

#include <QtGlobal>

#include "imaging/EDIBLoadError.h"
#include "platform/Language.h"

const char* const kBmpReadFailed =
    QT_TRANSLATE_NOOP("ImageTexts", "ファイルを読み込めませんでした");
const char* const kBmpBadFile = QT_TRANSLATE_NOOP("ImageTexts", "異常なファイル");
const char* const kBmpCompressed =
    QT_TRANSLATE_NOOP("ImageTexts", "圧縮されたフォーマットには対応していません");
const char* const kBmpCreateFailed = QT_TRANSLATE_NOOP("ImageTexts", "DIBSection作成に失敗");
const char* const kBmpCoreHeader =
    QT_TRANSLATE_NOOP("ImageTexts", "OS/2形式のビットマップには対応していません");
const char* const kBmpTooLarge = QT_TRANSLATE_NOOP("ImageTexts", "画像が大きすぎます");

std::string ImageText(const char* message) {
  return TranslatedText("ImageTexts", message);
}

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kMinPixelOffset = 54;
constexpr uint32_t kCoreHeaderSize = 12;

uint32_t U16(const uint8_t* p) {
  return p[0] | (p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
int32_t I32(const uint8_t* p) {
  return static_cast<int32_t>(U32(p));
}

[[noreturn]] void Fail(const char* message) {
  throw EDIBLoadError(ImageText(message));
}

bool KnownInfoHeader(uint32_t size) {
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool KnownBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Offsets 10 (pixel array), 14 (header size) and 30 (compression) decide whether we go on.
void CheckFileHeader(const uint8_t* data, size_t size) {
  if (size <= kMinPixelOffset) Fail(kBmpBadFile);
  const uint32_t pixelOffset = U32(data + 10);
  if (pixelOffset < kMinPixelOffset || pixelOffset >= size) Fail(kBmpBadFile);
  const uint32_t headerSize = U32(data + 14);
  // The core header has no compression field; offset 30 holds colours there.
  if (headerSize == kCoreHeaderSize) Fail(kBmpCoreHeader);
  const uint32_t compression = U32(data + 30);
  if (compression >= 1 && compression <= 5) Fail(kBmpCompressed);
  if (!KnownInfoHeader(headerSize) || kFileHeaderSize + headerSize > size) Fail(kBmpCreateFailed);
  if (!KnownBitCount(U16(data + 28))) Fail(kBmpCreateFailed);
}

// Every row but the last with its padding; the last row needs only its pixels.
bool PixelsFit(const BmpLayout& layout, int64_t width, int64_t rows, size_t size) {
  const uint64_t available = size - layout.pixelOffset;
  const uint64_t lastRow = (width * layout.bitCount + 7) / 8;
  if (lastRow > available) return false;
  return static_cast<uint64_t>(rows - 1) <= (available - lastRow) / layout.rowBytes;
}

void ReadPalette(BmpLayout& layout, const uint8_t* data, size_t size) {
  if (layout.bitCount > 8) return;
  const uint32_t full = 1u << layout.bitCount;
  const uint32_t used = U32(data + 46);
  layout.paletteCount = static_cast<int>(used == 0 || used > full ? full : used);
  layout.paletteOffset = kFileHeaderSize + U32(data + 14);
  if (layout.paletteOffset + 4u * layout.paletteCount > size) Fail(kBmpBadFile);
}

}  // namespace

BmpLayout ReadBmpLayout(const uint8_t* data, size_t size) {
  CheckFileHeader(data, size);
  const int64_t width = I32(data + 18);
  const int64_t height = I32(data + 22);
  if (width <= 0 || height == 0) Fail(kBmpBadFile);
  BmpLayout layout;
  layout.bitCount = static_cast<int>(U16(data + 28));
  layout.topDown = height < 0;
  layout.pixelOffset = U32(data + 10);
  layout.rowBytes = static_cast<size_t>((width * layout.bitCount + 31) / 32 * 4);
  const int64_t rows = height < 0 ? -height : height;
  if (!PixelsFit(layout, width, rows, size)) Fail(kBmpBadFile);
  if (width * rows > kBmpMaxPixels) Fail(kBmpTooLarge);
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(rows);
  ReadPalette(layout, data, size);
  return layout;
}

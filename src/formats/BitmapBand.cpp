#include "formats/BitmapBand.h"

#include <algorithm>
#include <cstring>

#include "formats/ByteOrder.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"

TBitmapBand::TBitmapBand(const TMap& map, uint16_t transparentPart, bool useColorKey,
                         uint32_t keyColor, size_t budgetBytes)
    : map_(map),
      transparentPart_(transparentPart),
      useColorKey_(useColorKey),
      key_{static_cast<uint8_t>(keyColor >> 16), static_cast<uint8_t>(keyColor >> 8),
           static_cast<uint8_t>(keyColor)},
      partWidth_(map.GetPartWidth()),
      partHeight_(map.GetPartHeight()),
      partsPerRow_(PartsPerRow(map.GetBitsPerCell())),
      rowBytes_((static_cast<size_t>(map.GetWidth()) * partWidth_ * 3 + 3) & ~size_t{3}),
      rows_(BandRows(rowBytes_, partHeight_, budgetBytes)),
      pixels_(rowBytes_ * static_cast<size_t>(rows_)) {}

int TBitmapBand::BandRows(size_t rowBytes, int partHeight, size_t budgetBytes) {
  if (partHeight < 1) return 1;
  if (rowBytes == 0) return partHeight;
  return static_cast<int>(
      std::clamp<size_t>(budgetBytes / rowBytes, 1, static_cast<size_t>(partHeight)));
}

bool TBitmapBand::ComposeAll(const TBandWriter& write) {
  for (int y = map_.GetHeight() - 1; y >= 0; --y) {
    // The part's lowest rows come first in the file.
    for (int end = partHeight_; end > 0; end -= rows_) {
      const int first = std::max(0, end - rows_);
      Compose(y, first, end - first);
      if (!write(pixels_.data(), rowBytes_ * static_cast<size_t>(end - first))) return false;
    }
  }
  return true;
}

void TBitmapBand::Compose(int y, int first, int count) {
  std::fill_n(pixels_.begin(), rowBytes_ * static_cast<size_t>(count), uint8_t{0});
  const int width = map_.GetWidth();
  for (int i = 0; i < map_.LayerCount(); ++i) {
    const TMapLayer& layer = map_.LayerAt(i);
    if (!layer.Visible || !layer.Chip || !layer.Chip->Image) continue;
    const TBitmap& image = *layer.Chip->Image;
    const uint16_t* row = layer.Cells.data() + static_cast<size_t>(y) * width;
    for (int x = 0; x < width; ++x)
      if (row[x] != transparentPart_) DrawCell(image, row[x], x, first, count);
  }
}

// The part's rows lie far apart in the image; asking for all of them at once lets the memory
// fetch them side by side instead of one after the other.
void TBitmapBand::Prefetch(const TBitmap& image, int64_t top, int count, int64_t leftByte,
                           size_t rowBytes) const {
#if defined(__GNUC__)
  for (int r = 0; r < count; ++r) {
    const uint8_t* row = image.ScanLine(static_cast<int>(top) + r) + leftByte;
    for (size_t offset = 0; offset < rowBytes; offset += 64) __builtin_prefetch(row + offset);
    __builtin_prefetch(row + rowBytes - 1);
  }
#endif
}

// A part whose rectangle is not wholly inside the image leaves the cell as it was.
void TBitmapBand::DrawCell(const TBitmap& image, uint16_t part, int x, int first, int count) {
  const int64_t left = int64_t{partWidth_} * (part % partsPerRow_);
  const int64_t top = int64_t{partHeight_} * (part / partsPerRow_);
  if (left + partWidth_ > image.Width() || top + partHeight_ > image.Height()) return;
  const int bytesPerPixel = image.PixelFormat() == TPixelFormat::pf24bit ? 3 : 4;
  uint8_t* target = pixels_.data() + static_cast<size_t>(x) * partWidth_ * 3;
  Prefetch(image, top + first, count, left * bytesPerPixel,
           static_cast<size_t>(partWidth_) * bytesPerPixel);
  for (int r = 0; r < count; ++r) {
    const uint8_t* source =
        image.ScanLine(static_cast<int>(top) + first + r) + left * bytesPerPixel;
    uint8_t* row = target + static_cast<size_t>(count - 1 - r) * rowBytes_;
    if (useColorKey_)
      CopyRowKeyed(source, bytesPerPixel, row);
    else
      CopyRow(source, bytesPerPixel, row);
  }
}

namespace {

uint32_t PixelAt(const uint8_t* p) { return p[0] | (p[1] << 8) | (uint32_t{p[2]} << 16); }


// Copies `count` pixels of a row to 24-bit pixels.
void CopyPixels(const uint8_t* source, int bytesPerPixel, int count, uint8_t* target) {
  if (bytesPerPixel == 3 || count <= 0) {
    std::memcpy(target, source, static_cast<size_t>(count) * 3);
    return;
  }
  // Four bytes at a time, each store's fourth byte overwritten by the next pixel; the last
  // pixel stores exactly three so that nothing beyond the row is touched.
  for (int i = 0; i < count - 1; ++i, source += 4, target += 3) std::memcpy(target, source, 4);
  std::memcpy(target, source, 3);
}

// The pixel's colour for the key comparison: one load for 32-bit pixels.
template <int BytesPerPixel>
uint32_t Colour(const uint8_t* p) {
  if constexpr (BytesPerPixel == 4 && byteorder::kHostIsLittleEndian) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v & 0xFFFFFF;
  } else {
    return PixelAt(p);
  }
}

// Runs of pixels that differ from the key are copied whole; key pixels are skipped.
template <int BytesPerPixel>
void CopyPixelsKeyed(const uint8_t* source, int count, uint32_t key, uint8_t* target) {
  int i = 0;
  while (i < count) {
    if (Colour<BytesPerPixel>(source + i * BytesPerPixel) == key) {
      ++i;
      continue;
    }
    const int start = i;
    do ++i;
    while (i < count && Colour<BytesPerPixel>(source + i * BytesPerPixel) != key);
    CopyPixels(source + start * BytesPerPixel, BytesPerPixel, i - start, target + start * 3);
  }
}

}  // namespace

void TBitmapBand::CopyRow(const uint8_t* source, int bytesPerPixel, uint8_t* target) const {
  CopyPixels(source, bytesPerPixel, partWidth_, target);
}

void TBitmapBand::CopyRowKeyed(const uint8_t* source, int bytesPerPixel, uint8_t* target) const {
  const uint32_t key = PixelAt(key_);
  if (bytesPerPixel == 4)
    CopyPixelsKeyed<4>(source, partWidth_, key, target);
  else
    CopyPixelsKeyed<3>(source, partWidth_, key, target);
}

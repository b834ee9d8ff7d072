#include "formats/BitmapBand.h"

#include <algorithm>
#include <cstring>

#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"

TBitmapBand::TBitmapBand(const TMap& map, uint16_t transparentPart, bool useColorKey,
                         uint32_t keyColor)
    : map_(map),
      transparentPart_(transparentPart),
      useColorKey_(useColorKey),
      key_{static_cast<uint8_t>(keyColor >> 16), static_cast<uint8_t>(keyColor >> 8),
           static_cast<uint8_t>(keyColor)},
      partWidth_(map.GetPartWidth()),
      partHeight_(map.GetPartHeight()),
      partsPerRow_(PartsPerRow(map.GetBitsPerCell())),
      rowBytes_((static_cast<size_t>(map.GetWidth()) * partWidth_ * 3 + 3) & ~size_t{3}),
      pixels_(rowBytes_ * static_cast<size_t>(partHeight_)) {}

void TBitmapBand::Compose(int y) {
  std::fill(pixels_.begin(), pixels_.end(), 0);
  const int width = map_.GetWidth();
  for (int i = 0; i < map_.LayerCount(); ++i) {
    const TMapLayer& layer = map_.LayerAt(i);
    if (!layer.Visible || !layer.Chip || !layer.Chip->Image) continue;
    const TBitmap& image = *layer.Chip->Image;
    const uint16_t* row = layer.Cells.data() + static_cast<size_t>(y) * width;
    for (int x = 0; x < width; ++x)
      if (row[x] != transparentPart_) DrawCell(image, row[x], x);
  }
}

// A part whose rectangle is not wholly inside the image leaves the cell as it was.
void TBitmapBand::DrawCell(const TBitmap& image, uint16_t part, int x) {
  const int64_t left = int64_t{partWidth_} * (part % partsPerRow_);
  const int64_t top = int64_t{partHeight_} * (part / partsPerRow_);
  if (left + partWidth_ > image.Width() || top + partHeight_ > image.Height()) return;
  const int bytesPerPixel = image.PixelFormat() == TPixelFormat::pf24bit ? 3 : 4;
  uint8_t* target = pixels_.data() + static_cast<size_t>(x) * partWidth_ * 3;
  for (int r = 0; r < partHeight_; ++r) {
    const uint8_t* source = image.ScanLine(static_cast<int>(top) + r) + left * bytesPerPixel;
    uint8_t* row = target + static_cast<size_t>(partHeight_ - 1 - r) * rowBytes_;
    if (useColorKey_)
      CopyRowKeyed(source, bytesPerPixel, row);
    else
      CopyRow(source, bytesPerPixel, row);
  }
}

void TBitmapBand::CopyRow(const uint8_t* source, int bytesPerPixel, uint8_t* target) const {
  if (bytesPerPixel == 3) {
    std::memcpy(target, source, static_cast<size_t>(partWidth_) * 3);
    return;
  }
  for (int i = 0; i < partWidth_; ++i, source += 4, target += 3) {
    target[0] = source[0];
    target[1] = source[1];
    target[2] = source[2];
  }
}

void TBitmapBand::CopyRowKeyed(const uint8_t* source, int bytesPerPixel, uint8_t* target) const {
  for (int i = 0; i < partWidth_; ++i, source += bytesPerPixel, target += 3) {
    if (source[0] == key_[0] && source[1] == key_[1] && source[2] == key_[2]) continue;
    target[0] = source[0];
    target[1] = source[1];
    target[2] = source[2];
  }
}

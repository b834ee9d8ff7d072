#pragma once
// One map row of the exported bitmap: part-height pixel rows of the whole map's width, in the
// order a bottom-up bitmap file stores them (the band's lowest pixel row first), 24 bits per
// pixel, each row padded to a multiple of 4 bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

class TMap;
class TBitmap;

class TBitmapBand {
 public:
  TBitmapBand(const TMap& map, uint16_t transparentPart, bool useColorKey, uint32_t keyColor);

  // Draws map row `y` afresh: black, then every visible layer that has a parts image.
  void Compose(int y);
  const uint8_t* Data() const { return pixels_.data(); }
  size_t Size() const { return pixels_.size(); }
  size_t RowBytes() const { return rowBytes_; }

  // Parts per row of a parts image: 16 for 8-bit maps, 256 for 16-bit maps.
  static int PartsPerRow(uint8_t bitsPerCell) { return bitsPerCell == 16 ? 256 : 16; }

 private:
  void DrawCell(const TBitmap& image, uint16_t part, int x);
  void Prefetch(const TBitmap& image, int64_t top, int64_t leftByte, size_t rowBytes) const;
  void CopyRow(const uint8_t* source, int bytesPerPixel, uint8_t* target) const;
  void CopyRowKeyed(const uint8_t* source, int bytesPerPixel, uint8_t* target) const;

  const TMap& map_;
  uint16_t transparentPart_;
  bool useColorKey_;
  uint8_t key_[3];  // blue, green, red as the pixels store them
  int partWidth_;
  int partHeight_;
  int partsPerRow_;
  size_t rowBytes_;
  std::vector<uint8_t> pixels_;
};

#pragma once
// A band of the exported bitmap: a few pixel rows of the whole map's width, in the order a
// bottom-up bitmap file stores them (the band's lowest pixel row first), 24 bits per pixel,
// each row padded to a multiple of 4 bytes. A band never crosses a row of parts, and holds as
// many pixel rows as fit a fixed budget, so memory does not grow with the part height.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class TMap;
class TBitmap;

class TBitmapBand {
 public:
  // Bytes a band may hold; a single pixel row wider than this is still one band (at most
  // 10000 cells of 255 pixels: 7.3 MiB).
  static constexpr size_t kBudgetBytes = size_t{4} << 20;

  TBitmapBand(const TMap& map, uint16_t transparentPart, bool useColorKey, uint32_t keyColor,
              size_t budgetBytes = kBudgetBytes);

  // Draws the whole picture band by band in file order (bottom pixel row first) and hands
  // each band to `write`; stops early when `write` returns false.
  using TBandWriter = std::function<bool(const uint8_t* data, size_t size)>;
  bool ComposeAll(const TBandWriter& write);
  // Draws pixel rows first .. first + count - 1 of map row `y` (counted from the top of the
  // row of parts) afresh: black, then every visible layer that has a parts image.
  void Compose(int y, int first, int count);
  const uint8_t* Data() const { return pixels_.data(); }
  size_t Size() const { return pixels_.size(); }
  size_t RowBytes() const { return rowBytes_; }
  int Rows() const { return rows_; }

  // Pixel rows per band: as many of a part's rows as fit `budgetBytes`, at least one.
  static int BandRows(size_t rowBytes, int partHeight, size_t budgetBytes);
  // Parts per row of a parts image: 16 for 8-bit maps, 256 for 16-bit maps.
  static int PartsPerRow(uint8_t bitsPerCell) { return bitsPerCell == 16 ? 256 : 16; }

 private:
  void DrawCell(const TBitmap& image, uint16_t part, int x, int first, int count);
  void Prefetch(const TBitmap& image, int64_t top, int count, int64_t leftByte,
                size_t rowBytes) const;
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
  int rows_;
  std::vector<uint8_t> pixels_;
};

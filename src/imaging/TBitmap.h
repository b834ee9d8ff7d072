#pragma once
// Our own pixel surface: the parts images and every back buffer of the editor.
#include <cstddef>
#include <cstdint>
#include <vector>

#include <QImage>

#include "imaging/AlignedAllocator.h"

enum class TPixelFormat { pf24bit, pf32bit };

// A device-independent bitmap in memory: rows top to bottom, each row `Stride()` bytes
// (a multiple of 4; rows of 256 bytes or more are padded to a cache-line multiple of odd
// count, so that a column of rows does not crowd a few cache sets). 32-bit pixels are B, G, R, X
// (read as 0xXXRRGGBB); the screen format is 32 bits with X = 0. 24-bit pixels are B, G, R.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf32bit);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return stride_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  TPixelFormat PixelFormat() const { return format_; }
  static int BytesPerPixel(TPixelFormat format) { return format == TPixelFormat::pf24bit ? 3 : 4; }
  // Converts in place, keeping the picture (24 -> 32 writes X = 0, 32 -> 24 drops X).
  void SetPixelFormat(TPixelFormat format) {
    if (format != format_) Convert(format);
  }
  // Resizes to width x height; the contents are zeroed. Negative sizes count as 0; sizes
  // whose rows or whole picture do not fit memory raise std::length_error or std::bad_alloc.
  void SetSize(int width, int height);
  // Fills every pixel with the 32-bit value 0xXXRRGGBB (24-bit bitmaps drop X).
  void Fill(uint32_t pixel);

  // Row `row` (0 = top, not checked: 0 <= row < Height()).
  uint8_t* ScanLine(int row) { return reinterpret_cast<uint8_t*>(ScanLine32(row)); }
  const uint8_t* ScanLine(int row) const {
    return reinterpret_cast<const uint8_t*>(ScanLine32(row));
  }
  // The same row as 32-bit pixels (for 32-bit bitmaps; rows start on a 4-byte boundary).
  uint32_t* ScanLine32(int row) { return words_.data() + static_cast<size_t>(row) * (stride_ / 4); }
  const uint32_t* ScanLine32(int row) const {
    return words_.data() + static_cast<size_t>(row) * (stride_ / 4);
  }

  // A QImage that shares this bitmap's memory (no copy), for QPainter lines, hatches and text:
  // Format_RGB32 for 32 bits, Format_BGR888 for 24 bits, a null image when empty. Valid until
  // the bitmap is resized, converted or destroyed. QPainter writes X = 0xFF into the pixels it
  // touches. The const view never writes to this bitmap (Qt copies before any change).
  QImage View();
  QImage View() const;

  // Exchanges the pictures of two bitmaps; cannot fail.
  void Swap(TBitmap& other) noexcept;

 private:
  void Convert(TPixelFormat format);

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  TPixelFormat format_ = TPixelFormat::pf32bit;
  // Whole rows; 32-bit words keep every row on a 4-byte boundary, the allocator puts row 0
  // on a cache line.
  std::vector<uint32_t, AlignedAllocator<uint32_t, 64>> words_;
};

#pragma once
// Pixel surfaces and the routines that read bitmap files into them and copy rectangles
// between them: the inner loops of every redraw.
#include <cstdint>
#include <string>
#include <vector>

#include <QImage>

enum class TPixelFormat { pf24bit, pf32bit };

// A device-independent bitmap in memory: rows top to bottom, each row `Stride()` bytes
// (a multiple of 4). 32-bit pixels are B, G, R, X (read as 0xXXRRGGBB); the screen format is
// 32 bits with X = 0. 24-bit pixels are B, G, R.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf32bit);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return stride_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  TPixelFormat PixelFormat() const { return format_; }
  // Converts in place, keeping the picture.
  void SetPixelFormat(TPixelFormat format);
  // Resizes to width x height; the contents are zeroed.
  void SetSize(int width, int height);

  uint8_t* ScanLine(int row) { return pixels_.data() + static_cast<size_t>(row) * stride_; }
  const uint8_t* ScanLine(int row) const {
    return pixels_.data() + static_cast<size_t>(row) * stride_;
  }

  // A QImage that shares this bitmap's memory (no copy), for QPainter lines, hatches and text.
  // Valid until the bitmap is resized, converted or destroyed.
  QImage View();
  QImage View() const;

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  TPixelFormat format_ = TPixelFormat::pf32bit;
  std::vector<uint8_t> pixels_;
};

// Reads an uncompressed Windows bitmap file into `target` in the screen format.
// Raises EInOutError (file layer) or std::runtime_error with the program's messages; the
// target keeps its previous picture on failure.
void CDIBLoadFromFile(TBitmap& target, const std::string& path);

// 0x00BBGGRR -> the 32-bit pixel value 0x00RRGGBB.
uint32_t ColorToDIB32(uint32_t colour);

void CDIBCopyRect32(TBitmap& dest, int dstX, int dstY, int dstW, int dstH, TBitmap& src, int srcX,
                    int srcY, int srcW, int srcH);
void CDIBCopyRectUseKey32(TBitmap& dest, int dstX, int dstY, int dstW, int dstH, TBitmap& src,
                          int srcX, int srcY, int srcW, int srcH, uint32_t key);

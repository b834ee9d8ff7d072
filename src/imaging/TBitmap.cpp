#include "imaging/TBitmap.h"

#include <climits>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace {

constexpr int64_t kCacheLine = 64;

// Rows a power-of-two multiple of the cache line apart all fall into a few cache sets; small
// parts drawn from such a column of rows then evict each other and the destination.
int StrideFor(int width, TPixelFormat format) {
  const int64_t bytes = static_cast<int64_t>(width) * TBitmap::BytesPerPixel(format);
  int64_t stride = (bytes + 3) & ~int64_t{3};
  if (stride >= 4 * kCacheLine) {
    stride = (stride + kCacheLine - 1) / kCacheLine * kCacheLine;
    if ((stride / kCacheLine) % 2 == 0) stride += kCacheLine;
  }
  if (stride > INT_MAX) throw std::length_error("bitmap row too long");
  return static_cast<int>(stride);
}

void Row24To32(const uint8_t* in, uint8_t* out, int width) {
  for (int x = 0; x < width; ++x, in += 3, out += 4) {
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
    out[3] = 0;
  }
}

void Row32To24(const uint8_t* in, uint8_t* out, int width) {
  for (int x = 0; x < width; ++x, in += 4, out += 3) {
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
  }
}

QImage::Format QtFormat(TPixelFormat format) {
  return format == TPixelFormat::pf32bit ? QImage::Format_RGB32 : QImage::Format_BGR888;
}

}  // namespace

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) {
  SetSize(width, height);
}

void TBitmap::SetSize(int width, int height) {
  width = width < 0 ? 0 : width;
  height = height < 0 ? 0 : height;
  const int stride = StrideFor(width, format_);
  words_.assign(static_cast<size_t>(stride / 4) * static_cast<size_t>(height), 0);
  width_ = width;
  height_ = height;
  stride_ = stride;
}

void TBitmap::Convert(TPixelFormat format) {
  TBitmap converted(width_, height_, format);
  for (int y = 0; y < height_; ++y) {
    if (format == TPixelFormat::pf32bit)
      Row24To32(ScanLine(y), converted.ScanLine(y), width_);
    else
      Row32To24(ScanLine(y), converted.ScanLine(y), width_);
  }
  Swap(converted);
}

void TBitmap::Fill(uint32_t pixel) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(pixel), static_cast<uint8_t>(pixel >> 8),
                            static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 24)};
  const int bpp = BytesPerPixel(format_);
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = ScanLine(y);
    for (int x = 0; x < width_; ++x) std::memcpy(row + x * bpp, bytes, bpp);
  }
}

QImage TBitmap::View() {
  if (Empty()) return QImage();
  return QImage(ScanLine(0), width_, height_, stride_, QtFormat(format_));
}

QImage TBitmap::View() const {
  if (Empty()) return QImage();
  const uchar* bits = ScanLine(0);
  return QImage(bits, width_, height_, stride_, QtFormat(format_));
}

void TBitmap::Swap(TBitmap& other) noexcept {
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(stride_, other.stride_);
  std::swap(format_, other.format_);
  words_.swap(other.words_);
}

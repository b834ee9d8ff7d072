// PNG files of every depth and colour type through Qt's reader, into 32-bit pixels with X = 0.
#include "imaging/PngLoad.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <cstring>

#include "imaging/BmpLayout.h"
#include "imaging/EDIBLoadError.h"
#include "imaging/PartsImage.h"
#include "imaging/TBitmap.h"

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t kHeaderEnd = 24;  // signature, IHDR length and type, width, height
constexpr int kOpaqueAlpha = 128;

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// The size the header claims, checked before Qt allocates anything for it.
QSize CheckedHeaderSize(const uint8_t* data, size_t size) {
  if (size < kHeaderEnd || std::memcmp(data + 12, "IHDR", 4) != 0)
    throw EDIBLoadError(ImageText(kPngBadFile));
  const int64_t width = BigEndian32(data + 16), height = BigEndian32(data + 20);
  if (width == 0 || height == 0) throw EDIBLoadError(ImageText(kPngBadFile));
  if (width * height > kBmpMaxPixels) throw EDIBLoadError(ImageText(kBmpTooLarge));
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

// Qt refuses images above its own allocation limit (256 MB unless changed); ours, checked
// above, is the bitmap reader's. Sixteen-bit PNGs decode at 8 bytes a pixel.
class ScopedAllocationLimit {
 public:
  explicit ScopedAllocationLimit(const QSize& size) : previous_(QImageReader::allocationLimit()) {
    const int64_t megabytes = int64_t{size.width()} * size.height() * 8 / (1 << 20) + 1;
    if (previous_ != 0 && megabytes > previous_)
      QImageReader::setAllocationLimit(static_cast<int>(megabytes));
  }
  ~ScopedAllocationLimit() { QImageReader::setAllocationLimit(previous_); }
  ScopedAllocationLimit(const ScopedAllocationLimit&) = delete;
  ScopedAllocationLimit& operator=(const ScopedAllocationLimit&) = delete;

 private:
  int previous_;
};

QImage ReadImage(const uint8_t* data, size_t size, const QSize& expected) {
  QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, QByteArrayLiteral("png"));
  QImage image;
  {
    const ScopedAllocationLimit limit(expected);
    if (!reader.read(&image) || image.size() != expected)
      throw EDIBLoadError(ImageText(kPngBadFile));
  }
  // RGB32 keeps alpha at 0xFF; every other format goes through straight (not premultiplied)
  // alpha, so that the colour of a half-transparent pixel is its own.
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
    image.convertTo(QImage::Format_ARGB32);
  if (image.isNull()) throw EDIBLoadError(ImageText(kBmpCreateFailed));
  return image;
}

// QRgb is 0xAARRGGBB, the surface's 0xXXRRGGBB with X = 0 once alpha is cleared.
void CopyRow(const QRgb* in, uint32_t* out, int row, int width, uint32_t keyPixel,
             TTransparentPixels& transparent) {
  for (int x = 0; x < width; ++x) {
    if (qAlpha(in[x]) < kOpaqueAlpha) {
      out[x] = keyPixel;
      transparent.Mark(x, row);
    } else {
      out[x] = in[x] & 0x00FFFFFF;
    }
  }
}

}  // namespace

void ReadPngSize(const uint8_t* data, size_t size, int& width, int& height) {
  const QSize found = CheckedHeaderSize(data, size);
  width = found.width();
  height = found.height();
}

bool PngMayBeTransparent(const uint8_t* data, size_t size) {
  if (size < kHeaderEnd + 6 || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
  const uint8_t colourType = data[25];
  if (colourType == 4 || colourType == 6) return true;  // grey or RGB with alpha
  for (size_t at = 8; size - at >= 12;) {
    const uint32_t length = BigEndian32(data + at);
    if (std::memcmp(data + at + 4, "tRNS", 4) == 0) return true;
    if (std::memcmp(data + at + 4, "IDAT", 4) == 0 || length > size - at - 12) return false;
    at += 12 + size_t{length};
  }
  return false;
}

bool IsPng(const uint8_t* data, size_t size) {
  return size >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0;
}

void DecodePng(const uint8_t* data, size_t size, uint32_t keyPixel, TBitmap& out,
               TTransparentPixels& transparent) {
  const QSize expected = CheckedHeaderSize(data, size);
  const QImage image = ReadImage(data, size, expected);
  TBitmap picture;
  TTransparentPixels clear;
  try {
    picture.SetSize(image.width(), image.height());
    clear.Reset(image.width(), image.height());
  } catch (const std::exception&) {
    throw EDIBLoadError(ImageText(kBmpCreateFailed));
  }
  for (int y = 0; y < image.height(); ++y) {
    CopyRow(reinterpret_cast<const QRgb*>(image.constScanLine(y)), picture.ScanLine32(y), y,
            image.width(), keyPixel, clear);
  }
  out.Swap(picture);
  transparent.Swap(clear);
}

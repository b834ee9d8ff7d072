#pragma once
// The loader's reading of a bitmap file's headers: where the colour table and the pixel rows
// lie, all checked to lie inside the buffer. Internal to imaging/.
#include <cstddef>
#include <cstdint>

class TBitmap;

struct BmpLayout {
  int width = 0;
  int height = 0;  // rows, always positive
  bool topDown = false;
  int bitCount = 0;
  size_t paletteOffset = 0;
  int paletteCount = 0;  // entries present for 1, 4 and 8 bits; 0 otherwise
  size_t pixelOffset = 0;
  size_t rowBytes = 0;  // one stored row with its padding to 4 bytes
};

// Messages of the loader.
extern const char* const kBmpReadFailed;
extern const char* const kBmpBadFile;
extern const char* const kBmpCompressed;
extern const char* const kBmpCreateFailed;
extern const char* const kBmpCoreHeader;
extern const char* const kBmpTooLarge;

// Pictures above this many pixels are refused rather than allocated (1 GiB at 32 bits).
constexpr int64_t kBmpMaxPixels = int64_t{1} << 28;

// Checks the headers of the `size` bytes at `data`; raises EDIBLoadError.
BmpLayout ReadBmpLayout(const uint8_t* data, size_t size);
// Decodes the rows that `layout` describes into `out`, which must be width x height at 32 bits.
void DecodeBmpPixels(const BmpLayout& layout, const uint8_t* data, TBitmap& out);

#pragma once
// Builds bitmap files in memory for the loader's tests, and pictures for the copies' tests.
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/TBitmap.h"

struct BmpLayoutDesc {
  int width = 1;
  int height = 1;  // negative: rows are stored top-down
  int bitCount = 24;
  uint32_t headerSize = 40;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB, written as B, G, R, 0
  // Stored rows in file order, without padding (the builder pads each to 4 bytes).
  std::vector<std::vector<uint8_t>> rows;
};

std::string BuildBmp(const BmpLayoutDesc& desc);
void PutU16(std::string& file, size_t offset, uint32_t value);
void PutU32(std::string& file, size_t offset, uint32_t value);

// Pictures: rows separated by '/', one character per pixel (blanks ignored); a pixel's value
// is its character code, so 'A' is 0x00000041.
TBitmap Picture(const std::string& rows, TPixelFormat format = TPixelFormat::pf32bit);
// The inverse: 32-bit pixels below 0x80 print as their character, others as '?'.
std::string PictureOf(const TBitmap& bitmap);
uint32_t PixelAt(const TBitmap& bitmap, int x, int y);

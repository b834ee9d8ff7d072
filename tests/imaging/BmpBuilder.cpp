#include "BmpBuilder.h"

#include <cstring>

void PutU16(std::string& file, size_t offset, uint32_t value) {
  file[offset] = static_cast<char>(value);
  file[offset + 1] = static_cast<char>(value >> 8);
}

void PutU32(std::string& file, size_t offset, uint32_t value) {
  PutU16(file, offset, value & 0xFFFF);
  PutU16(file, offset + 2, value >> 16);
}

std::string BuildBmp(const BmpLayoutDesc& desc) {
  std::string file(14 + desc.headerSize, '\0');
  file[0] = 'B';
  file[1] = 'M';
  PutU32(file, 14, desc.headerSize);
  PutU32(file, 18, static_cast<uint32_t>(desc.width));
  PutU32(file, 22, static_cast<uint32_t>(desc.height));
  PutU16(file, 26, 1);
  PutU16(file, 28, desc.bitCount);
  PutU32(file, 30, desc.compression);
  PutU32(file, 46, desc.colorsUsed);
  for (uint32_t c : desc.palette) {
    file += {static_cast<char>(c), static_cast<char>(c >> 8), static_cast<char>(c >> 16), '\0'};
  }
  PutU32(file, 10, static_cast<uint32_t>(file.size()));
  for (const auto& row : desc.rows) {
    file.append(row.begin(), row.end());
    file.append((4 - row.size() % 4) % 4, '\0');
  }
  PutU32(file, 2, static_cast<uint32_t>(file.size()));
  return file;
}

TBitmap Picture(const std::string& rows, TPixelFormat format) {
  std::vector<std::string> lines(1);
  for (char c : rows) {
    if (c == '/')
      lines.emplace_back();
    else if (c != ' ')
      lines.back() += c;
  }
  TBitmap bitmap(static_cast<int>(lines[0].size()), static_cast<int>(lines.size()));
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) bitmap.ScanLine32(y)[x] = lines[y][x];
  }
  bitmap.SetPixelFormat(format);
  return bitmap;
}

uint32_t PixelAt(const TBitmap& bitmap, int x, int y) {
  const int bpp = TBitmap::BytesPerPixel(bitmap.PixelFormat());
  uint32_t value = 0;
  std::memcpy(&value, bitmap.ScanLine(y) + x * bpp, bpp);
  return value;
}

std::string PictureOf(const TBitmap& bitmap) {
  std::string out;
  for (int y = 0; y < bitmap.Height(); ++y) {
    if (y > 0) out += '/';
    for (int x = 0; x < bitmap.Width(); ++x) {
      const uint32_t p = PixelAt(bitmap, x, y);
      out += p < 0x80 ? static_cast<char>(p) : '?';
    }
  }
  return out;
}

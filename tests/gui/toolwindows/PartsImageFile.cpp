#include "PartsImageFile.h"

#include <fstream>
#include <vector>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

uint32_t TileColour(int part) {
  return 0x101010u * static_cast<uint32_t>(1 + part % 13) ^
         (static_cast<uint32_t>(part * 37 % 256) << 16) ^
         0x0000C0u * static_cast<uint32_t>(part % 2);
}

void WriteBmp24(const std::string& path, int width, int height,
                const std::function<uint32_t(int, int)>& pixel) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + imageSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      const uint32_t rgb = pixel(x, y);
      out.push_back(rgb & 0xFF);
      out.push_back((rgb >> 8) & 0xFF);
      out.push_back((rgb >> 16) & 0xFF);
    }
    out.resize(start + stride, 0);
  }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

void WritePartsImage(const std::string& path, int columns, int rows, int partSize) {
  WriteBmp24(path, columns * partSize, rows * partSize, [=](int x, int y) {
    const int part = (y / partSize) * columns + x / partSize;
    const int cx = x % partSize, cy = y % partSize;
    const bool key = part == 2 && cx >= partSize / 4 && cx < partSize * 3 / 4 &&
                     cy >= partSize / 4 && cy < partSize * 3 / 4;
    return key ? 0x00FF00u : TileColour(part);
  });
}

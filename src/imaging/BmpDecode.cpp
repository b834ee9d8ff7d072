// Turns the stored rows of every uncompressed depth into 32-bit pixels with X = 0.
#include <array>

#include "imaging/BmpLayout.h"
#include "imaging/TBitmap.h"

namespace {

using Palette = std::array<uint32_t, 256>;

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return (r << 16) | (g << 8) | b;
}

// Indices past the stored colours read as black.
Palette ReadPalette(const BmpLayout& layout, const uint8_t* data) {
  Palette palette{};
  const uint8_t* entry = data + layout.paletteOffset;
  for (int i = 0; i < layout.paletteCount; ++i, entry += 4) {
    palette[i] = Rgb(entry[2], entry[1], entry[0]);
  }
  return palette;
}

void DecodeIndexedRow(const uint8_t* in, uint32_t* out, int width, int bits,
                      const Palette& palette) {
  const int perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  for (int x = 0; x < width; ++x) {
    const int shift = 8 - bits * (x % perByte + 1);
    out[x] = palette[(in[x / perByte] >> shift) & mask];
  }
}

void Decode8Row(const uint8_t* in, uint32_t* out, int width, const Palette& palette) {
  for (int x = 0; x < width; ++x) out[x] = palette[in[x]];
}

// 5-bit channels scale as round(c * 255 / 31), so pure white stays 255.
void Decode16Row(const uint8_t* in, uint32_t* out, int width) {
  static const std::array<uint32_t, 32> expand = [] {
    std::array<uint32_t, 32> table{};
    for (uint32_t c = 0; c < 32; ++c) table[c] = (c * 255 + 15) / 31;
    return table;
  }();
  for (int x = 0; x < width; ++x, in += 2) {
    const uint32_t v = in[0] | (in[1] << 8);
    out[x] = Rgb(expand[(v >> 10) & 31], expand[(v >> 5) & 31], expand[v & 31]);
  }
}

void Decode24Row(const uint8_t* in, uint32_t* out, int width) {
  for (int x = 0; x < width; ++x, in += 3) out[x] = Rgb(in[2], in[1], in[0]);
}

void Decode32Row(const uint8_t* in, uint32_t* out, int width) {
  for (int x = 0; x < width; ++x, in += 4) out[x] = Rgb(in[2], in[1], in[0]);
}

void DecodeRow(const BmpLayout& layout, const Palette& palette, const uint8_t* in, uint32_t* out) {
  switch (layout.bitCount) {
    case 1:
    case 4:
      return DecodeIndexedRow(in, out, layout.width, layout.bitCount, palette);
    case 8:
      return Decode8Row(in, out, layout.width, palette);
    case 16:
      return Decode16Row(in, out, layout.width);
    case 24:
      return Decode24Row(in, out, layout.width);
    default:
      return Decode32Row(in, out, layout.width);
  }
}

}  // namespace

void DecodeBmpPixels(const BmpLayout& layout, const uint8_t* data, TBitmap& out) {
  const Palette palette = ReadPalette(layout, data);
  const uint8_t* stored = data + layout.pixelOffset;
  for (int r = 0; r < layout.height; ++r, stored += layout.rowBytes) {
    const int row = layout.topDown ? r : layout.height - 1 - r;
    DecodeRow(layout, palette, stored, out.ScanLine32(row));
  }
}

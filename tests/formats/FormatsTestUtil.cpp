#include "FormatsTestUtil.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "formats/ProjectReader.h"
#include "imaging/DIBDrawUnit.h"

void BuildMap(TMap& map, int width, int height, int partSize, uint8_t bits,
              const std::vector<std::string>& layers) {
  map.ClearLayers();
  map.Setup(width, height, partSize, partSize, bits);
  for (size_t i = 0; i < layers.size(); ++i) {
    map.AppendLayer("L" + std::to_string(i), nullptr);
    std::istringstream in(layers[i]);
    std::string token;
    size_t cell = 0;
    while (in >> token)
      if (token != "/") map.LayerAt(static_cast<int>(i)).Cells.at(cell++) =
                            static_cast<uint16_t>(std::stoul(token));
    if (!layers[i].empty()) {  // an empty picture leaves the layer all 0
      EXPECT_EQ(cell, map.LayerAt(static_cast<int>(i)).Cells.size()) << layers[i];
    }
  }
}

std::string LayerPicture(const TMap& map, int layer) {
  std::string out;
  const auto& cells = map.LayerAt(layer).Cells;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += i % map.GetWidth() == 0 ? " / " : " ";
    out += std::to_string(cells[i]);
  }
  return out;
}

void RandomMap(TMap& map, std::mt19937& random, const std::vector<TMapChip*>& chips) {
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  map.ClearLayers();
  map.Setup(pick(2, 40), pick(2, 40), pick(2, 255), pick(2, 255), pick(0, 1) ? 16 : 8);
  const int layers = pick(1, 6);
  static const char* const names[] = {"レイヤー", "背景", "a", "", "長い名前のレイヤー", "x y"};
  for (int i = 0; i < layers; ++i) {
    TMapChip* chip = chips.empty() || pick(0, 2) == 0
                         ? nullptr
                         : chips[static_cast<size_t>(pick(0, int(chips.size()) - 1))];
    map.AppendLayer(std::string(names[pick(0, 5)]) + std::to_string(i), chip);
    map.SetLayerVisible(i, pick(0, 3) != 0);
    for (auto& cell : map.LayerAt(i).Cells) cell = static_cast<uint16_t>(pick(0, 65535));
  }
}

std::string U16(uint16_t v) { return std::string{char(v & 0xFF), char(v >> 8)}; }
std::string U32(uint32_t v) { return U16(uint16_t(v & 0xFFFF)) + U16(uint16_t(v >> 16)); }

std::string Chunk(const std::string& id, const std::string& payload, bool pad) {
  std::string out = id + U32(uint32_t(payload.size())) + payload;
  if (pad && payload.size() % 2) out += '\0';
  return out;
}

std::string Riff(const std::string& chunks) {
  return "RIFF" + U32(uint32_t(chunks.size() + 4)) + "UMF_" + chunks;
}

std::string HeaderPayload(uint32_t w, uint32_t h, uint32_t pw, uint32_t ph, uint8_t layers,
                          uint8_t bits, uint8_t relative) {
  return U32(w) + U32(h) + U32(pw) + U32(ph) + std::string{char(layers), char(bits),
                                                           char(relative), char(0xFF)};
}

std::string Lay1Payload(const std::string& name, const std::string& path, uint8_t visible,
                        const std::vector<uint16_t>& cells) {
  std::string out = name + '\0' + path + '\0' + char(visible);
  for (uint16_t c : cells) out += U16(c);
  return out;
}

std::string SmallProject(uint32_t w, uint32_t h, const std::vector<std::vector<uint16_t>>& cells,
                         const std::string& extraChunks) {
  std::string chunks = Chunk("UMFh", HeaderPayload(w, h, 16, 16, uint8_t(cells.size()), 8));
  chunks += extraChunks;
  for (size_t i = 0; i < cells.size(); ++i)
    chunks += Chunk("LAY1", Lay1Payload("L" + std::to_string(i), "", 1, cells[i]));
  return Riff(chunks);
}

std::vector<WalkedChunk> WalkRiff(const std::string& bytes) {
  std::vector<WalkedChunk> chunks;
  auto u32 = [&](size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + size_t(i)]);
    return v;
  };
  EXPECT_GE(bytes.size(), 12u);
  if (bytes.size() < 12) return chunks;
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(bytes.substr(8, 4), "UMF_");
  EXPECT_EQ(u32(4), bytes.size() - 8);
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const uint32_t size = u32(at + 4);
    chunks.push_back({bytes.substr(at, 4), size, at + 8});
    at += 8 + size + (size & 1);
  }
  EXPECT_EQ(at, bytes.size()) << "chunks do not end where the file ends";
  return chunks;
}

std::shared_ptr<TBitmap> NumberedParts(int partSize, int columns, int rows, bool bits24) {
  auto bitmap = std::make_shared<TBitmap>(partSize * columns, partSize * rows,
                                          bits24 ? TPixelFormat::pf24bit : TPixelFormat::pf32bit);
  const int bpp = bits24 ? 3 : 4;
  for (int y = 0; y < bitmap->Height(); ++y)
    for (int x = 0; x < bitmap->Width(); ++x) {
      const int number = (y / partSize) * columns + x / partSize;
      uint8_t* p = bitmap->ScanLine(y) + x * bpp;
      p[0] = uint8_t(number & 0xFF);
      p[1] = uint8_t(number >> 8);
      p[2] = 0x80;
    }
  return bitmap;
}

void SaveBmp24(const TBitmap& bitmap, const std::string& path) {
  const int w = bitmap.Width(), h = bitmap.Height();
  const int row = (w * 3 + 3) & ~3;
  const int bpp = bitmap.PixelFormat() == TPixelFormat::pf24bit ? 3 : 4;
  std::string out = "BM" + U32(uint32_t(54 + row * h)) + U32(0) + U32(54) + U32(40) +
                    U32(uint32_t(w)) + U32(uint32_t(h)) + U16(1) + U16(24) +
                    std::string(24, '\0');
  for (int y = h - 1; y >= 0; --y) {
    std::string line(size_t(row), '\0');
    for (int x = 0; x < w; ++x)
      for (int k = 0; k < 3; ++k) line[size_t(x * 3 + k)] = char(bitmap.ScanLine(y)[x * bpp + k]);
    out += line;
  }
  std::ofstream(path, std::ios::binary) << out;
}

TProjectRecords TestRecords() {
  TProjectRecords records;
  SetDefaultRecords(records, kDefaultWorkAreaWidth);
  return records;
}

ScopedFailingCall::ScopedFailingCall(Call call) {
  TFileSystemCalls calls = FileSystemCalls();
  if (call == Sync) calls.sync = [](int) { return errno = EIO, -1; };
  if (call == Close) calls.close = [](int fd) { return close(fd), errno = EIO, -1; };
  saved_ = SetFileSystemCalls(calls);
}

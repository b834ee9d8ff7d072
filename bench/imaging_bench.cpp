// The inner loops of every redraw, against a plain memcpy of one full-HD frame.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "imaging/DIBDrawUnit.h"

namespace {

constexpr int kFrameWidth = 1920;
constexpr int kFrameHeight = 1080;
constexpr int kPart = 32;
constexpr uint32_t kKey = 0x0000FF00;  // pure green, as a colour value and as a pixel

// A 512 x 512 parts image of noise with about a quarter of its pixels in the key colour.
const TBitmap& Parts() {
  static const TBitmap parts = [] {
    TBitmap bitmap(512, 512);
    std::mt19937 random(1);
    for (int y = 0; y < bitmap.Height(); ++y) {
      for (int x = 0; x < bitmap.Width(); ++x) {
        const uint32_t noise = random() & 0xFFFFFF;
        bitmap.ScanLine32(y)[x] = noise % 4 == 0 ? ColorToDIB32(kKey) : noise;
      }
    }
    return bitmap;
  }();
  return parts;
}

// Fills every cell x cell square of a full-HD frame with one of the 256 parts, as a redraw of
// the map view does.
template <class Copy>
void FillFrame(benchmark::State& state, int cell, Copy copy, int partCount = 256) {
  TBitmap frame(kFrameWidth, kFrameHeight);
  TBitmap parts = Parts();
  for (auto _ : state) {
    int n = 0;
    for (int y = 0; y < kFrameHeight; y += cell) {
      for (int x = 0; x < kFrameWidth; x += cell, ++n) {
        const int part = n % partCount;
        copy(frame, x, y, cell, parts, part % 16 * kPart, part / 16 * kPart);
      }
    }
    benchmark::DoNotOptimize(frame.ScanLine(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kFrameWidth * kFrameHeight);
}

void Plain(TBitmap& frame, int x, int y, int cell, TBitmap& parts, int sx, int sy) {
  CDIBCopyRect32(frame, x, y, cell, cell, parts, sx, sy, kPart, kPart);
}

void Keyed(TBitmap& frame, int x, int y, int cell, TBitmap& parts, int sx, int sy) {
  CDIBCopyRectUseKey32(frame, x, y, cell, cell, parts, sx, sy, kPart, kPart, kKey);
}

void BM_BufferCopy(benchmark::State& state) {
  const size_t bytes = size_t{kFrameWidth} * kFrameHeight * 4;
  std::vector<uint8_t> from(bytes, 1);
  std::vector<uint8_t> to(bytes, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kFrameWidth * kFrameHeight);
}

void BM_CopyRect32_1x(benchmark::State& state) {
  FillFrame(state, 32, Plain);
}
void BM_CopyRectUseKey32_1x(benchmark::State& state) {
  FillFrame(state, 32, Keyed);
}
// A map covered by one part: every copy reads the same 32 source rows.
void BM_CopyRectUseKey32_1x_OnePart(benchmark::State& state) {
  FillFrame(state, 32, Keyed, 1);
}
void BM_CopyRect32_Half(benchmark::State& state) {
  FillFrame(state, 16, Plain);
}
void BM_CopyRectUseKey32_Double(benchmark::State& state) {
  FillFrame(state, 64, Keyed);
}

// A 4096 x 4096 24-bit file, written once; after the first read it comes from the page cache.
std::string BigBitmapFile() {
  const std::string path =
      (std::filesystem::temp_directory_path() / "brimwell-bench-4096.bmp").string();
  constexpr int kSide = 4096;
  std::vector<uint8_t> file(54 + size_t{kSide} * kSide * 3);
  auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&file[at], &v, 4); };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, kSide);
  put32(22, kSide);
  file[26] = 1;
  file[28] = 24;
  for (size_t i = 54; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 7);
  std::FILE* out = std::fopen(path.c_str(), "wb");
  std::fwrite(file.data(), 1, file.size(), out);
  std::fclose(out);
  return path;
}

void BM_LoadBmp24_4096(benchmark::State& state) {
  static const std::string path = BigBitmapFile();
  TBitmap target;
  CDIBLoadFromFile(target, path);  // warms the page cache
  for (auto _ : state) {
    CDIBLoadFromFile(target, path);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * 4096 * 4096);
}

}  // namespace

BENCHMARK(BM_BufferCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyRect32_1x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyRectUseKey32_1x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyRectUseKey32_1x_OnePart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyRect32_Half)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyRectUseKey32_Double)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBmp24_4096)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

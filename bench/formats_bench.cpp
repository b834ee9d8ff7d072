// The file code against plain fwrite/fread of the same bytes. A 4000 x 4000 map of 4 layers
// (128 MB of cells) for the project file and FMF; a 256 x 256 map of 32 x 32 parts (an
// 8192 x 8192 bitmap) and a wide map of tall parts for the bitmap export; a 1000 x 1000 map of
// 4 layers for Tiled's TMX and JSON beside FMF.
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "formats/FMFReader.h"
#include "formats/MapExport.h"
#include "formats/PlainProjectHost.h"
#include "formats/ProjectReader.h"
#include "formats/ProjectWriter.h"
#include "formats/TiledExport.h"
#include "formats/TiledImport.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"
#include "platform/LargeMemory.h"

namespace {

constexpr int kSide = 4000;
constexpr int kLayers = 4;
constexpr size_t kCellBytes = size_t{kSide} * kSide * kLayers * 2;

std::string BenchFile(const char* name) {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / "brimwell-bench";
    std::filesystem::create_directories(d);
    return d;
  }();
  return (dir / name).string();
}

void FillLayers(TMap& map, int layers) {
  std::mt19937 random(1);
  for (int i = 0; i < layers; ++i) {
    map.AppendLayer("layer" + std::to_string(i), nullptr);
    for (auto& cell : map.LayerAt(i).Cells) cell = static_cast<uint16_t>(random() & 0xFF);
  }
}

TMap& BigMap() {
  static TMap* map = [] {
    auto* m = new TMap;
    m->Setup(kSide, kSide, 32, 32, 16);
    FillLayers(*m, kLayers);
    return m;
  }();
  return *map;
}

// With `synced`, flushed to the disk before closing, as a save that survives a power cut is.
void BM_RawWrite(benchmark::State& state, bool synced) {
  std::vector<char> buffer(kCellBytes, 1);
  const std::string path = BenchFile("raw.bin");
  for (auto _ : state) {
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(buffer.data(), 1, buffer.size(), f);
    if (synced) {
      std::fflush(f);
      fsync(fileno(f));
    }
    std::fclose(f);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kCellBytes));
}

void BM_RawRead(benchmark::State& state) {
  const std::string path = BenchFile("raw.bin");
  {
    std::vector<char> buffer(kCellBytes, 1);
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(buffer.data(), 1, buffer.size(), f);
    std::fclose(f);
  }
  for (auto _ : state) {
    // A reader has to allocate what it reads into, as the project reader does (with the
    // same huge-page advice).
    std::vector<char> buffer;
    ReserveLarge(buffer, kCellBytes);
    buffer.resize(kCellBytes);
    FILE* f = std::fopen(path.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
    std::fclose(f);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kCellBytes));
}

// The same read into a buffer that is already there: the floor for any reader.
void BM_RawReadReused(benchmark::State& state) {
  const std::string path = BenchFile("raw.bin");
  std::vector<char> buffer(kCellBytes, 1);
  for (auto _ : state) {
    FILE* f = std::fopen(path.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
    std::fclose(f);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kCellBytes));
}

void BM_SaveProject(benchmark::State& state) {
  TMap& map = BigMap();
  TProjectRecords records;
  SetDefaultRecords(records, kDefaultWorkAreaWidth);
  for (auto _ : state)
    if (!WriteProjectFile(BenchFile("big.bwp"), map, records)) state.SkipWithError("save failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kCellBytes));
}

void BM_OpenProject(benchmark::State& state) {
  TProjectRecords records;
  SetDefaultRecords(records, kDefaultWorkAreaWidth);
  WriteProjectFile(BenchFile("big.bwp"), BigMap(), records);
  TMap map;
  for (auto _ : state) {
    TPlainProjectHost host(map);
    if (!ReadProjectFile(BenchFile("big.bwp"), map, records, host))
      state.SkipWithError("open failed");
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kCellBytes));
}

void BM_ExportFMF16(benchmark::State& state) {
  TMap& map = BigMap();
  for (auto _ : state)
    if (!map.ExportFMF(BenchFile("big.fmf"))) state.SkipWithError("export failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kCellBytes));
}

// Parts images of 16 x `rows` parts of `part` x `part` pixels, green (the key) in one corner
// of each part.
std::shared_ptr<TBitmap> PartsImage(int seed, int part = 32, int rows = 16) {
  auto image = std::make_shared<TBitmap>(16 * part, rows * part, TPixelFormat::pf32bit);
  for (int y = 0; y < image->Height(); ++y)
    for (int x = 0; x < image->Width(); ++x) {
      uint8_t* p = image->ScanLine(y) + x * 4;
      const bool key = x % part < part / 4 && y % part < part / 4;
      p[0] = key ? 0 : uint8_t(x + seed);
      p[1] = key ? 0xFF : uint8_t(y * 3);
      p[2] = key ? 0 : uint8_t(seed * 40);
    }
  return image;
}

void BM_ExportBitmap(benchmark::State& state) {
  TMap map;
  map.Setup(256, 256, 32, 32, 8);
  FillLayers(map, 4);
  std::vector<TMapChip> chips(4);
  for (int i = 0; i < 4; ++i) {
    chips[size_t(i)].Image = PartsImage(i);
    map.SetLayerChip(i, &chips[size_t(i)]);
  }
  for (auto _ : state)
    if (!map.ExportBitmap(BenchFile("big.bmp"), 0, true, 0x0000FF00))
      state.SkipWithError("export failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * 8192 * 8192 * 3);
}

// A 1000 x 2 map of 255 x 255 parts (a 255000 x 510 bitmap): one row of parts is 195 MB.
void BM_ExportBitmapWide(benchmark::State& state) {
  TMap map;
  map.Setup(1000, 2, 255, 255, 8);
  FillLayers(map, 2);
  std::vector<TMapChip> chips(2);
  for (int i = 0; i < 2; ++i) {
    chips[size_t(i)].Image = PartsImage(i, 255, 1);
    for (auto& cell : map.LayerAt(i).Cells) cell %= 16;
    map.SetLayerChip(i, &chips[size_t(i)]);
  }
  for (auto _ : state)
    if (!map.ExportBitmap(BenchFile("wide.bmp"), 5, true, 0x0000FF00))
      state.SkipWithError("export failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * 255000 * 510 * 3);
}

// 1000 x 1000 cells, 4 layers of 8-bit parts; two layers name a parts image of 16 x 16 parts
// (not on disk, so the import measures the reading alone), two have none.
struct TiledBench {
  TMap map;
  TProjectRecords records;
  TMapChip chip;
  TiledBench() {
    SetDefaultRecords(records, kDefaultWorkAreaWidth);
    records.transparentPart.enabled = 1;
    map.Setup(1000, 1000, 32, 32, 8);
    FillLayers(map, 4);
    chip.Image = std::make_shared<TBitmap>(512, 512, TPixelFormat::pf32bit);
    chip.FileName = BenchFile("absent-parts.bmp");
    map.SetLayerChip(0, &chip);
    map.SetLayerChip(2, &chip);
  }
};

TiledBench& Tiled1000() {
  static TiledBench* bench = new TiledBench;
  return *bench;
}

constexpr int64_t kTiledCells = 1000 * 1000 * 4;

void BM_ExportFMF1000(benchmark::State& state) {
  TiledBench& b = Tiled1000();
  for (auto _ : state)
    if (!ExportFMFFile(b.map, BenchFile("t.fmf"))) state.SkipWithError("export failed");
  state.SetItemsProcessed(int64_t(state.iterations()) * kTiledCells);
}

void BM_ImportFMF1000(benchmark::State& state) {
  ExportFMFFile(Tiled1000().map, BenchFile("t.fmf"));
  TMap map;
  TMapHeaderRecord header;
  for (auto _ : state) {
    TPlainProjectHost host(map);
    if (!ImportFMFFile(BenchFile("t.fmf"), map, header, host)) state.SkipWithError("failed");
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * kTiledCells);
}

void BM_ExportTiled(benchmark::State& state, TTiledFormat format, const char* name) {
  TiledBench& b = Tiled1000();
  for (auto _ : state)
    if (!ExportTiledFile(b.map, b.records, BenchFile(name), format))
      state.SkipWithError("export failed");
  state.SetItemsProcessed(int64_t(state.iterations()) * kTiledCells);
}

void BM_ImportTiled(benchmark::State& state, TTiledFormat format, const char* name) {
  TiledBench& b = Tiled1000();
  ExportTiledFile(b.map, b.records, BenchFile(name), format);
  TMap map;
  TProjectRecords records;
  for (auto _ : state) {
    TPlainProjectHost host(map);
    if (!ImportTiledFile(BenchFile(name), map, records, host)) state.SkipWithError("failed");
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * kTiledCells);
}

}  // namespace

BENCHMARK_CAPTURE(BM_RawWrite, plain, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_RawWrite, synced, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawReadReused)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportFMF16)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportBitmapWide)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportFMF1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportTiled, tmx, TTiledFormat::Tmx, "t.tmx")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportTiled, json, TTiledFormat::Json, "t.tmj")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ImportFMF1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ImportTiled, tmx, TTiledFormat::Tmx, "t.tmx")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ImportTiled, json, TTiledFormat::Json, "t.tmj")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();

// Bulk operations of the map document on one N x N layer, against a plain copy of a layer.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "model/MapDataUnit.h"

namespace {

std::unique_ptr<TMap> MakeMap(int n, int layers) {
  auto map = std::make_unique<TMap>();
  map->Setup(n, n, 32, 32, 16);
  for (int i = 0; i < layers; ++i) map->AppendLayer("layer", nullptr);
  return map;
}

TModified OneCell(uint16_t value) {
  TModified block;
  block.source.active = 1;
  block.destination.active = 1;
  block.data = {value};
  return block;
}

void BM_LayerCopy(benchmark::State& state) {
  const size_t cells = static_cast<size_t>(state.range(0)) * static_cast<size_t>(state.range(0));
  std::vector<uint16_t> from(cells, 1);
  std::vector<uint16_t> to(cells, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), cells * sizeof(uint16_t));
    benchmark::ClobberMemory();
  }
}

void BM_FloodFill(benchmark::State& state) {
  auto map = MakeMap(static_cast<int>(state.range(0)), 1);
  const uint16_t value = 1;
  for (auto _ : state) {
    TModified block = OneCell(value);
    map->FloodFill(0, 0, block);
    state.PauseTiming();
    map->Undo();  // the next fill drops the undone record and reuses its arrays, as in use
    state.ResumeTiming();
  }
}

void BM_ReplaceValue(benchmark::State& state) {
  auto map = MakeMap(static_cast<int>(state.range(0)), 1);
  std::vector<uint16_t>& cells = map->LayerAt(0).Cells;
  for (size_t i = 0; i < cells.size(); ++i) cells[i] = static_cast<uint16_t>(i % 7);
  const uint16_t search = 3;
  const uint16_t replacement = 9;
  for (auto _ : state) {
    map->ReplaceValue(search, replacement, 0);
    state.PauseTiming();
    map->Undo();
    state.ResumeTiming();
  }
}

void BM_WriteTiledBlock(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto map = MakeMap(n, 1);
  for (auto _ : state) {
    TModified block;
    block.source = {1, 0, 0, 1, 1, 0};
    block.destination = {1, 0, 0, n - 1, n - 1, 0};
    block.srcPitch = 1;
    block.data = {1, 2, 3, 4};
    map->WriteTiledBlock(block);
    state.PauseTiming();
    map->Undo();
    state.ResumeTiming();
  }
}

void BM_UndoRedo(benchmark::State& state) {
  auto map = MakeMap(static_cast<int>(state.range(0)), 1);
  map->ReplaceValue(0, 5, 0);
  for (auto _ : state) {
    map->Undo();
    map->Redo();
  }
}

void BM_Resize(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto map = MakeMap(n, 4);
  bool grown = false;
  for (auto _ : state) {
    map->Resize(grown ? n : n + 100, grown ? n : n - 100);
    grown = !grown;
  }
}

// One pen stroke of N one-cell writes on a fresh document, as a long mouse drag makes.
void BM_LongStroke(benchmark::State& state) {
  const int writes = static_cast<int>(state.range(0));
  const int side = 256;
  for (auto _ : state) {
    state.PauseTiming();
    auto map = MakeMap(side, 1);
    state.ResumeTiming();
    map->BeginGroup();
    for (int i = 0; i < writes; ++i) {
      TModified block = OneCell(static_cast<uint16_t>(i));
      block.destination.x = i % side;
      block.destination.y = (i / side) % side;
      block.destination.index = block.destination.y * side + block.destination.x;
      map->WriteBlock(block);
    }
    map->EndGroup();
    state.PauseTiming();
    map.reset();  // freeing the history is not part of the stroke
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_LayerCopy)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceValue)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTiledBlock)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedo)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resize)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongStroke)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// The editor thread's part of a recovery copy: the snapshot of the document's cells, against
// one memcpy of the same cells. Maps of 1000 x 1000 and 4000 x 4000 cells with 4 layers.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "editor/RecoverySnapshot.h"
#include "model/MapDataUnit.h"

namespace {

constexpr int kLayers = 4;

const TMap& Document(int side) {
  static std::map<int, std::unique_ptr<TMap>> made;
  std::unique_ptr<TMap>& map = made[side];
  if (!map) {
    map = std::make_unique<TMap>();
    map->Setup(side, side, 32, 32, 16);
    std::mt19937 random(1);
    for (int i = 0; i < kLayers; ++i) {
      map->AppendLayer("layer" + std::to_string(i), nullptr);
      for (auto& cell : map->LayerAt(i).Cells) cell = static_cast<uint16_t>(random() & 0xFF);
    }
  }
  return *map;
}

void CountBytes(benchmark::State& state, int side) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * side * side * kLayers * 2);
}

// Every snapshot after the first: the arrays of the previous one are reused.
void BM_RecoverySnapshot(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const TMap& document = Document(side);
  const TProjectRecords records;
  TRecoverySnapshot snapshot;
  snapshot.Take(document, records);
  for (auto _ : state) {
    snapshot.Take(document, records);
    benchmark::DoNotOptimize(snapshot.Document().LayerAt(0).Cells.data());
  }
  CountBytes(state, side);
}

// The first snapshot of a document: fresh arrays.
void BM_RecoverySnapshotFirst(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const TMap& document = Document(side);
  const TProjectRecords records;
  for (auto _ : state) {
    auto snapshot = std::make_unique<TRecoverySnapshot>();
    snapshot->Take(document, records);
    benchmark::DoNotOptimize(snapshot->Document().LayerAt(0).Cells.data());
    state.PauseTiming();  // the arrays are freed after the write, on no one's wait
    snapshot.reset();
    state.ResumeTiming();
  }
  CountBytes(state, side);
}

// The yardstick: one memcpy of all the cells into arrays that were touched before.
void BM_CellsMemcpy(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const TMap& document = Document(side);
  std::vector<std::vector<uint16_t>> copies;
  for (int i = 0; i < kLayers; ++i) copies.push_back(document.LayerAt(i).Cells);
  for (auto _ : state) {
    for (int i = 0; i < kLayers; ++i) {
      const std::vector<uint16_t>& cells = document.LayerAt(i).Cells;
      std::memcpy(copies[static_cast<size_t>(i)].data(), cells.data(), cells.size() * 2);
    }
    benchmark::DoNotOptimize(copies[0].data());
  }
  CountBytes(state, side);
}

}  // namespace

BENCHMARK(BM_RecoverySnapshot)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecoverySnapshotFirst)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_CellsMemcpy)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

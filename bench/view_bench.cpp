// Full redraws of the main view against a plain copy of its back buffer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 1080;

std::vector<std::unique_ptr<TMapChip>> chips;

// A 200 x 200 map of four visible layers with 32 x 32 parts, transparency and grid on.
void BuildEditor() {
  CreateApplicationObjects();
  MainForm->CreateNewMap(200, 200, 1, 32, 32, 8);
  for (int i = 1; i < 4; ++i) LayerForm->AddLayer("layer" + std::to_string(i));
  std::mt19937 random(7);
  for (int l = 0; l < 4; ++l) {
    auto image = std::make_shared<TBitmap>(512, 512, TPixelFormat::pf32bit);
    for (int y = 0; y < 512; ++y)
      for (int x = 0; x < 512; ++x) {
        const uint32_t value = (x / 4 + y / 4) % 5 == 0 ? 0x00FF00 : random() & 0xFFFFFF;
        std::memcpy(image->ScanLine(y) + x * 4, &value, 4);
      }
    auto chip = std::make_unique<TMapChip>();
    chip->Image = image;
    Map->SetLayerChip(l, chip.get());
    chips.push_back(std::move(chip));
    for (uint16_t& cell : Map->LayerAt(l).Cells) cell = random() % 256;
  }
  MainForm->show();
  MainForm->N17Click();  // transparency on
}

// Zooms, then sizes the window so that the view (which loses a scroll bar when the map fits)
// is exactly 1920 x 1080.
void Zoom(int cellWidth) {
  MainForm->Z1Click();
  while (MainForm->CellWidth > cellWidth) MainForm->O1Click();
  for (int i = 0; i < 3; ++i) {
    QApplication::processEvents();
    MainForm->resize(MainForm->width() + kViewWidth - MainForm->ViewWidth,
                     MainForm->height() + kViewHeight - MainForm->ViewHeight);
    QApplication::processEvents();
    MainForm->FormResize();
  }
}

void Check(benchmark::State& state) {
  if (MainForm->ViewWidth != kViewWidth || MainForm->ViewHeight != kViewHeight)
    state.SkipWithError("the view did not reach 1920 x 1080");
}

void BM_FullRedraw_1x(benchmark::State& state) {
  Zoom(32);
  Check(state);
  for (auto _ : state) MainForm->UpdateFullCanvas();
}
BENCHMARK(BM_FullRedraw_1x)->Unit(benchmark::kMillisecond);

// The smallest zoom that shows the map's whole width: 8-pixel cells.
void BM_FullRedraw_Half(benchmark::State& state) {
  Zoom(8);
  Check(state);
  for (auto _ : state) MainForm->UpdateFullCanvas();
}
BENCHMARK(BM_FullRedraw_Half)->Unit(benchmark::kMillisecond);

void BM_BufferCopy(benchmark::State& state) {
  const TBitmap& buffer = MainForm->BackBuffer;
  std::vector<uint8_t> copy(static_cast<size_t>(buffer.Stride()) * buffer.Height());
  for (auto _ : state) {
    std::memcpy(copy.data(), buffer.ScanLine(0), copy.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BufferCopy)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  BuildEditor();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  DestroyApplicationObjects();
  return 0;
}

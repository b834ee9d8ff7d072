// Full redraws of the main view against a plain copy of its back buffer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/StatusBar.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 1080;

std::vector<std::unique_ptr<TMapChip>> chips;

constexpr uint32_t kKey = 0x00FF00;
// The parts images: parts 0-127 opaque, 128-254 with holes of the colour key, 255 all key.
std::shared_ptr<TBitmap> PartsImage(std::mt19937& random) {
  auto image = std::make_shared<TBitmap>(512, 512, TPixelFormat::pf32bit);
  for (int y = 0; y < 512; ++y)
    for (int x = 0; x < 512; ++x) {
      const int part = (y / 32) * 16 + x / 32;
      const bool hole = part == 255 || (part >= 128 && (x / 4 + y / 4) % 3 == 0);
      image->ScanLine32(y)[x] = hole ? kKey : random() & 0xFFFFFF;
    }
  return image;
}

// Like a drawn map: an opaque ground layer, and above it three layers that are mostly empty
// (part 255) with here and there a part with holes (25 %) or an opaque one (5 %).
uint16_t TypicalPart(int layer, std::mt19937& random) {
  if (layer == 0) return random() % 128;
  const int dice = random() % 100;
  if (dice < 25) return 128 + random() % 127;
  return dice < 30 ? random() % 128 : 255;
}

// The worst case for transparency: every cell of every layer holds a part with holes.
uint16_t HoledPart(int, std::mt19937& random) {
  return 128 + random() % 127;
}

// A 200 x 200 map of four visible layers with 32 x 32 parts, transparency and grid on.
void BuildEditor() {
  CreateApplicationObjects();
  MainForm->CreateNewMap(200, 200, 1, 32, 32, 8);
  for (int i = 1; i < 4; ++i) LayerForm->AddLayer("layer" + std::to_string(i));
  std::mt19937 random(7);
  for (int l = 0; l < 4; ++l) {
    auto chip = std::make_unique<TMapChip>();
    chip->Image = PartsImage(random);
    Map->SetLayerChip(l, chip.get());
    chips.push_back(std::move(chip));
  }
  MainForm->show();
  MainForm->N17Click();  // transparency on
}

void FillMap(uint16_t (*part)(int, std::mt19937&)) {
  std::mt19937 random(11);
  for (int l = 0; l < 4; ++l)
    for (uint16_t& cell : Map->LayerAt(l).Cells) cell = part(l, random);
}

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

void Redraw(benchmark::State& state, int cellWidth, uint16_t (*part)(int, std::mt19937&)) {
  FillMap(part);
  Zoom(cellWidth);
  if (MainForm->ViewWidth != kViewWidth || MainForm->ViewHeight != kViewHeight)
    state.SkipWithError("the view did not reach 1920 x 1080");
  for (auto _ : state) MainForm->UpdateFullCanvas();
}

void BM_FullRedraw_1x(benchmark::State& state) {
  Redraw(state, 32, TypicalPart);
}
BENCHMARK(BM_FullRedraw_1x)->Unit(benchmark::kMillisecond);

// The smallest zoom that shows the map's whole width: 8-pixel cells.
void BM_FullRedraw_Half(benchmark::State& state) {
  Redraw(state, 8, TypicalPart);
}
BENCHMARK(BM_FullRedraw_Half)->Unit(benchmark::kMillisecond);

void BM_FullRedraw_1x_AllHoled(benchmark::State& state) {
  Redraw(state, 32, HoledPart);
}
BENCHMARK(BM_FullRedraw_1x_AllHoled)->Unit(benchmark::kMillisecond);

void BM_FullRedraw_Half_AllHoled(benchmark::State& state) {
  Redraw(state, 8, HoledPart);
}
BENCHMARK(BM_FullRedraw_Half_AllHoled)->Unit(benchmark::kMillisecond);

// Part numbers on every one of the 240 x 135 cells.
void BM_FullRedraw_Half_PartNumbers(benchmark::State& state) {
  MainForm->P2Click();
  Redraw(state, 8, TypicalPart);
  MainForm->P2Click();
}
BENCHMARK(BM_FullRedraw_Half_PartNumbers)->Unit(benchmark::kMillisecond);

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

// The preview of a 1000 x 1000 map at one pixel per cell, in a miniature area of 1000 x 1000.
void BM_RefreshPreview(benchmark::State& state) {
  MainForm->CreateNewMap(1000, 1000, 1, 32, 32, 8);
  for (int i = 1; i < 4; ++i) LayerForm->AddLayer("layer" + std::to_string(i));
  for (int l = 0; l < 4; ++l) Map->SetLayerChip(l, chips[static_cast<size_t>(l)].get());
  FillMap(TypicalPart);
  MainForm->Records.colorKey.enabled = 1;
  TPreviewForm& preview = *PreviewForm;
  while (preview.GetPreviewScale() > 1) preview.ToolButton3Click();
  preview.PreviewWidth = 1000;  // no scroll bars: the map fits
  preview.resize(1000, preview.ToolBarHeight() + preview.StatusBar->height() + 1000);
  QApplication::processEvents();
  preview.FormResize();
  if (preview.PreviewWidth != 1000 || preview.PreviewHeight != 1000)
    state.SkipWithError("the preview did not reach 1000 x 1000");
  for (auto _ : state) preview.RefreshPreview();
}
BENCHMARK(BM_RefreshPreview)->Unit(benchmark::kMillisecond);

// Opening and saving a 4000 x 4000 map of 4 layers through the editor, progress window
// included; formats_bench's BM_OpenProject and BM_SaveProject do the same without windows.
std::string BenchProject() {
  const auto dir = std::filesystem::temp_directory_path() / "brimwell-bench";
  std::filesystem::create_directories(dir);
  return (dir / "editor.bwp").string();
}

void BuildBigMap() {
  MainForm->CreateNewMap(4000, 4000, 1, 32, 32, 16);
  for (int i = 1; i < 4; ++i) LayerForm->AddLayer("layer" + std::to_string(i));
  std::mt19937 random(1);
  for (int l = 0; l < 4; ++l)
    for (uint16_t& cell : Map->LayerAt(l).Cells) cell = static_cast<uint16_t>(random() & 0xFF);
}

void BM_EditorSaveProject(benchmark::State& state) {
  BuildBigMap();
  for (auto _ : state)
    if (!MainForm->SaveProjectFile(BenchProject())) state.SkipWithError("save failed");
}
BENCHMARK(BM_EditorSaveProject)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EditorOpenProject(benchmark::State& state) {
  BuildBigMap();
  MainForm->SaveProjectFile(BenchProject());
  for (auto _ : state)
    if (!MainForm->OpenProjectFile(BenchProject())) state.SkipWithError("open failed");
}
BENCHMARK(BM_EditorOpenProject)->Unit(benchmark::kMillisecond)->UseRealTime();

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

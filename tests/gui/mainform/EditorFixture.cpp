#include "EditorFixture.h"

#include <QTest>
#include <cstring>

#include "windows/LayerFormUnit.h"

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so for every window that is raised or activated.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void EditorTest::SetUp() {
  if (!previousHandler) previousHandler = qInstallMessageHandler(QuietMessages);
  QApplication::setQuitOnLastWindowClosed(false);
  CreateApplicationObjects();
  MainForm->CreateNewMap(100, 100, 1, 32, 32, 8);
  MainForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(MainForm));
  MainForm->FormResize();
}

void EditorTest::TearDown() {
  DestroyApplicationObjects();
}

void EditorTest::NewMap(int width, int height, int partSize, int bitsPerCell) {
  ASSERT_TRUE(MainForm->CreateNewMap(width, height, 1, partSize, partSize,
                                     static_cast<uint8_t>(bitsPerCell)));
  MainForm->FormResize();
}

void EditorTest::AddLayer(const std::string& name) {
  ASSERT_TRUE(LayerForm->AddLayer(name));
}

uint32_t PartColour(int part) {
  static const uint32_t colours[] = {0x202020, 0xC03030, 0x3050C0, 0xE0C040,
                                     0x808000, 0x008080, 0x800080, 0x404080};
  return colours[part % 8];
}

void EditorTest::GiveLayerParts(int layer) {
  const int size = Map->GetPartWidth();
  auto image = std::make_shared<TBitmap>(16 * size, 2 * size, TPixelFormat::pf32bit);
  for (int y = 0; y < image->Height(); ++y) {
    for (int x = 0; x < image->Width(); ++x) {
      const int part = (y / size) * 16 + x / size;
      const int cx = x % size, cy = y % size;
      const bool key =
          part == 2 && cx >= size / 4 && cx < size * 3 / 4 && cy >= size / 4 && cy < size * 3 / 4;
      const uint32_t value = key ? 0x00FF00 : PartColour(part);
      std::memcpy(image->ScanLine(y) + x * 4, &value, 4);
    }
  }
  auto chip = std::make_unique<TMapChip>();
  chip->Image = image;
  Map->SetLayerChip(layer, chip.get());
  chips.push_back(std::move(chip));
}

void EditorTest::FillLayer(int layer, uint16_t part) {
  auto& cells = Map->LayerAt(layer).Cells;
  std::fill(cells.begin(), cells.end(), part);
}

void EditorTest::SetCell(int layer, int x, int y, uint16_t part) {
  Map->LayerAt(layer).Cells[static_cast<size_t>(y) * Map->GetWidth() + x] = part;
}

uint32_t Pixel(const TBitmap& bitmap, int x, int y) {
  const uint8_t* p = bitmap.ScanLine(y);
  if (bitmap.PixelFormat() == TPixelFormat::pf24bit) {
    p += x * 3;
  } else {
    p += x * 4;
  }
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16);
}

std::string Title() {
  return MainForm->windowTitle().toStdString();
}

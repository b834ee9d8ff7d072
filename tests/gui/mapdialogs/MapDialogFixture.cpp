#include "MapDialogFixture.h"

#include <cstring>
#include <sstream>

namespace {

const uint32_t kSmudge = 0x123456;

}  // namespace

void MapDialogTest::SmudgeView() {
  TBitmap& buffer = MainForm->BackBuffer;
  std::memcpy(buffer.ScanLine(8) + 8 * TBitmap::BytesPerPixel(buffer.PixelFormat()), &kSmudge, 3);
  ASSERT_EQ(CellPixel(0, 0), kSmudge);
}

bool MapDialogTest::ViewRedrawn() const {
  return CellPixel(0, 0) != kSmudge;
}

// A pixel inside the cell, clear of grid lines and of part 2's green square.
uint32_t MapDialogTest::CellPixel(int x, int y) const {
  return Pixel(MainForm->BackBuffer, x * MainForm->CellWidth + 8, y * MainForm->CellHeight + 8);
}

std::string MapDialogTest::Cells(int layer) const {
  std::ostringstream out;
  const int width = Map->GetWidth();
  const auto& cells = Map->LayerAt(layer).Cells;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out << (i % width == 0 ? " / " : " ");
    out << cells[i];
  }
  return out.str();
}

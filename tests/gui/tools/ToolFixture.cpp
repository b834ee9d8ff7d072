#include "ToolFixture.h"

#include <QTest>
#include <sstream>

#include "editor/MapView.h"
#include "editor/StatusBar.h"
#include "windows/ChipFormUnit.h"

void ToolTest::SetUpMap(int width, int height) {
  NewMap(width, height, 16);
  GiveLayerParts(0);
  MainForm->UpdateFullCanvas();
}

QPoint ToolTest::CellCentre(int column, int row) const {
  return {column * MainForm->CellWidth + MainForm->CellWidth / 2,
          row * MainForm->CellHeight + MainForm->CellHeight / 2};
}

void ToolTest::Press(int column, int row, Qt::MouseButton button, Qt::KeyboardModifiers keys) {
  QTest::mousePress(MainForm->View, button, keys, CellCentre(column, row));
}

void ToolTest::Move(int column, int row) {
  QTest::mouseMove(MainForm->View, CellCentre(column, row));
}

void ToolTest::Release(int column, int row, Qt::MouseButton button, Qt::KeyboardModifiers keys) {
  QTest::mouseRelease(MainForm->View, button, keys, CellCentre(column, row));
}

void ToolTest::Drag(QPoint from, QPoint to, Qt::MouseButton button, Qt::KeyboardModifiers keys) {
  Press(from.x(), from.y(), button, keys);
  Move(to.x(), to.y());
  Release(to.x(), to.y(), button, keys);
}

void ToolTest::Click(int column, int row, Qt::MouseButton button) {
  Press(column, row, button);
  Release(column, row, button);
}

void ToolTest::Key(Qt::Key key, Qt::KeyboardModifiers keys) {
  QTest::keyClick(MainForm->View, key, keys);
}

void ToolTest::PickParts(int x, int y, int dx, int dy) {
  ChipForm->Selection = {1, x, y, dx, dy, y * ChipForm->PartsPerRow + x};
}

std::string ToolTest::Cells(int layer, int x, int y, int width, int height) const {
  std::ostringstream out;
  for (int r = 0; r < height; ++r) {
    if (r) out << " / ";
    for (int c = 0; c < width; ++c) {
      if (c) out << ' ';
      out << Map->LayerAt(layer).Cells[static_cast<size_t>(y + r) * Map->GetWidth() + x + c];
    }
  }
  return out.str();
}

void ToolTest::SetCells(int layer, int x, int y, const std::string& picture) {
  std::istringstream in(picture);
  std::string token;
  int c = 0, r = 0;
  while (in >> token) {
    if (token == "/") {
      ++r;
      c = 0;
      continue;
    }
    SetCell(layer, x + c++, y + r, static_cast<uint16_t>(std::stoi(token)));
  }
}

std::string ToolTest::Panel(int index) const {
  return MainForm->StatusBar->PanelText(index).toStdString();
}

int ToolTest::Groups() const {
  int groups = 0;
  const auto& history = Map->GetHistory();
  for (int i = 0; i < Map->GetModifyCursor(); ++i) groups += history[i].Kind == mtBegin;
  return groups;
}

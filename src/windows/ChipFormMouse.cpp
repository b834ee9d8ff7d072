// Picking a part or a block of parts with the mouse, and the status texts that follow it.
#include <algorithm>
#include <string>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/StatusBar.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"

void TChipForm::SetStatusText(int panel, const QString& text) {
  StatusBar->SetPanelText(panel, text);
}

void TChipForm::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift, int x, int y) {
  if (shift & Qt::ControlModifier) {
    ShowPixelColour(x, y);
    return;
  }
  const int column = x / DrawWidth + ScrollX, row = y / DrawHeight + ScrollY;
  Selection = {1, column, row, 0, 0, row * PartsPerRow + column};
  LastCell = QPoint(x / DrawWidth, y / DrawHeight);
  if (column < PartsPerRow && row < PartsPerRow) {
    if (MainForm) MainForm->ExitPattern();
    Dragging = true;
  } else {
    Selection.active = 0;
  }
}

void TChipForm::ShowPixelColour(int x, int y) {
  if (x < 0 || y < 0 || x >= BackBuffer.Width() || y >= BackBuffer.Height()) return;
  const uint32_t pixel = BackBuffer.ScanLine32(y)[x];
  Prompter().ShowMessage("R:" + std::to_string((pixel >> 16) & 0xFF) +
                         " G:" + std::to_string((pixel >> 8) & 0xFF) +
                         " B:" + std::to_string(pixel & 0xFF));
}

void TChipForm::FormMouseMove(int x, int y) {
  const QPoint cell(x / DrawWidth, y / DrawHeight);
  if (Dragging) {
    if (cell == LastCell) return;
    LastCell = cell;
    // The block's far corner stays on the part grid.
    Selection.dx =
        std::clamp(cell.x() + ScrollX - Selection.x, -Selection.x, PartsPerRow - 1 - Selection.x);
    Selection.dy =
        std::clamp(cell.y() + ScrollY - Selection.y, -Selection.y, PartsPerRow - 1 - Selection.y);
    Selection.active = 1;
    UpdateFullCanvas();
  }
  ShowCursorStatus(cell);
}

void TChipForm::ShowCursorStatus(const QPoint& cell) {
  const int column = cell.x() + ScrollX, row = cell.y() + ScrollY;
  if (column >= 0 && row >= 0 && column < PartsPerRow && row < PartsPerRow)
    SetStatusText(0, tr("座標(%1, %2)=(%3)").arg(column).arg(row).arg(row * PartsPerRow + column));
  else
    SetStatusText(0, tr("座標(有効パーツ範囲外)"));
}

void TChipForm::FormMouseUp(int, int) {
  Dragging = false;
  FixSelection(Selection);
  ShowSelectionStatus();
  UpdateFullCanvas();
}

void TChipForm::ShowSelectionStatus() {
  const TCellRange& s = Selection;
  SetStatusText(1, tr("範囲(%1, %2)-(%3, %4)").arg(s.x).arg(s.y).arg(s.x + s.dx).arg(s.y + s.dy));
  if (!s.active)
    SetStatusText(2, tr("選択なし"));
  else if (s.dx > 0 || s.dy > 0)
    SetStatusText(2, tr("選択(%1 ... %2)").arg(s.index).arg(s.dy * PartsPerRow + s.index + s.dx));
  else
    SetStatusText(2, tr("選択(%1)").arg(s.index));
}

// The view's mouse handlers and the tool commands.
#include <QAction>
#include <QToolButton>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/MapView.h"
#include "editor/Resources.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/LayerFormUnit.h"

QCursor TMainForm::ToolCursor(TToolKind tool) const {
  switch (tool) {
    case TToolKind::Pen:
      return EditorCursor(crPen);
    case TToolKind::TilePen:
      return EditorCursor(crTilePen);
    case TToolKind::Fill:
      return EditorCursor(crPaintCan);
    case TToolKind::PatternSelect:
      return EditorCursor(crDropper);
    case TToolKind::RectSelect:
      return QCursor(Qt::CrossCursor);
    case TToolKind::Hand:
      return EditorCursor(crHand);
  }
  return QCursor(Qt::ArrowCursor);
}

// The five Tool-menu commands: only their own item stays checked.
void TMainForm::SelectTool(TToolKind tool) {
  const std::pair<QAction*, TToolKind> items[] = {{P1, TToolKind::Pen},
                                                  {M1, TToolKind::TilePen},
                                                  {F1, TToolKind::Fill},
                                                  {A2, TToolKind::RectSelect},
                                                  {N24, TToolKind::PatternSelect}};
  for (const auto& [item, kind] : items)
    if (kind != tool) item->setChecked(false);
  Tool = tool;
  for (const auto& [item, kind] : items)
    if (kind == tool) item->setChecked(true);
  if (View) View->setCursor(ToolCursor(tool));
  ToolButtonMediator();
}

void TMainForm::P1Click() {
  SelectTool(TToolKind::Pen);
}

void TMainForm::M1Click() {
  SelectTool(TToolKind::TilePen);
}

void TMainForm::F1Click() {
  SelectTool(TToolKind::Fill);
  ActiveFrameShown = false;
  if (View) View->update();
}

void TMainForm::A2Click() {
  SelectTool(TToolKind::RectSelect);
}

void TMainForm::N24Click() {
  SelectTool(TToolKind::PatternSelect);
  D2Click();
}

void TMainForm::PenToolButtonClick() {
  D2Click();
  P1Click();
}

void TMainForm::MPenToolButtonClick() {
  D2Click();
  M1Click();
}

void TMainForm::FillToolButtonClick() {
  D2Click();
  F1Click();
}

// Drops the floating block at the selection on the current layer; a place right of or below
// the map, or a hidden layer, only beeps.
void TMainForm::WriteSelectData(bool redraw) {
  if (!Map) return;
  if (!CurrentLayerVisible() || Selection.x >= Map->GetWidth() || Selection.y >= Map->GetHeight()) {
    Prompter().Beep();
    return;
  }
  SelectData.destination = Selection;
  SelectData.layer = LayerForm->GetCurrentLayerIndex();
  SelectData.flag = 0;
  SelectData.srcPitch = SelectData.source.dx;
  Map->BeginGroup();
  Map->WriteBlock(SelectData);
  Map->EndGroup();
  SelectData.source.active = 0;
  if (!redraw) return;
  const TCellRange& from = SelectData.source;
  UpdateCanvas(from.x - ScrollX, from.y - ScrollY, from.dx, from.dy);
  ToolButtonMediator();
}

void TMainForm::ExitPattern() {
  PatternMode = false;
  PatternData.destination.active = 0;
  PatternData.source.active = 0;
  PatternData.data.assign(1, 0);
}

// --- mouse --------------------------------------------------------------------------------------

void TMainForm::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
  if (!Map) return;
  Dragging = false;
  QPoint viewCell, mapCell;
  PointToCell(x, y, viewCell, mapCell);
  LastCell = viewCell;
  MouseButton = button;
  Dragging = true;
}

void TMainForm::FormMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
  if (!Map || !LayerForm) return;
  QPoint viewCell, mapCell;
  PointToCell(x, y, viewCell, mapCell);
  if (viewCell == LastCell) return;
  if (!isActiveWindow()) activateWindow();
  if (!(Tool == TToolKind::TilePen && Dragging)) DrawActiveGridLine(mapCell.x(), mapCell.y());
  LastCell = viewCell;
  UpdateCursorPanel(viewCell, mapCell);
}

void TMainForm::FormMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  if (!Map) return;
  Dragging = false;
  MouseButton = Qt::NoButton;
}

void TMainForm::UpdateCursorPanel(const QPoint& viewCell, const QPoint& mapCell) {
  const bool outside =
      viewCell.x() + ScrollX >= Map->GetWidth() || viewCell.y() + ScrollY >= Map->GetHeight();
  const int layer = LayerForm ? LayerForm->GetCurrentLayerIndex() : -1;
  if (outside || !Map->IsValidLayer(layer)) {
    SetStatusText(0, "カーソル座標(マップ範囲外)");
    return;
  }
  const int part =
      Map->LayerAt(layer).Cells[static_cast<size_t>(mapCell.y()) * Map->GetWidth() + mapCell.x()];
  SetStatusText(0, "カーソル座標(" + std::to_string(mapCell.x()) + ", " +
                       std::to_string(mapCell.y()) + ")=(" + std::to_string(part) + ")");
}

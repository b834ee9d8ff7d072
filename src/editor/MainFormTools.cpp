// The tool commands, and the writes and pattern picks that the tools make.
#include <QAction>
#include <QToolButton>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/MapView.h"
#include "editor/Resources.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/PreviewFormUnit.h"

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

// Only the chosen item of the five Tool-menu commands stays checked.
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
  EndPendingDrag();
  SelectTool(TToolKind::Pen);
}

void TMainForm::M1Click() {
  EndPendingDrag();
  SelectTool(TToolKind::TilePen);
}

void TMainForm::F1Click() {
  EndPendingDrag();
  SelectTool(TToolKind::Fill);
  // The fill shows no cursor frame: the window gets the back buffer without it.
  ActiveFrameShown = false;
  if (View) View->update();
}

void TMainForm::A2Click() {
  EndPendingDrag();
  SelectTool(TToolKind::RectSelect);
}

void TMainForm::N24Click() {
  EndPendingDrag();
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

// After a right-button pick: the tool that was current before it.
void TMainForm::ReturnToSavedTool() {
  switch (SavedTool) {
    case TToolKind::Pen:
      P1Click();
      break;
    case TToolKind::TilePen:
      M1Click();
      break;
    case TToolKind::Fill:
      F1Click();
      break;
    case TToolKind::RectSelect:
      A2Click();
      break;
    case TToolKind::PatternSelect:
    case TToolKind::Hand:
      break;
  }
}

// --- blocks -------------------------------------------------------------------------------------

// The block the pen, tiling pen and fill write, placed at the selection on the current layer:
// the pattern in pattern mode, else the parts window's selection. Without a parts selection the
// tiling writes keep the block of the last write, when there was one. The document clips the
// block it is given in place, so `block` is a copy and the pattern stays whole.
bool TMainForm::TakeBlock(TModified& block, bool keepLastBlock) {
  const int layer = CurrentLayerIndex();
  if (PatternMode) {
    block = PatternData;
    block.layer = layer;
    block.destination = Selection;
    return true;
  }
  CurrentData.layer = layer;
  CurrentData.destination = Selection;
  const bool selected = ChipForm && ChipForm->SetCurrentData(CurrentData);
  if (!selected && !(keepLastBlock && !CurrentData.data.empty())) return false;
  block = CurrentData;
  return true;
}

void TMainForm::WriteCurrentData(bool redraw) {
  if (!Map) return;
  if (!CurrentLayerVisible()) {
    Prompter().Beep();
    return;
  }
  if (IsFailedSelection(Selection)) {
    Selection.active = 0;
    return;
  }
  TModified block;
  if (!TakeBlock(block, false)) return;
  const int column = Selection.x - ScrollX, row = Selection.y - ScrollY;
  const int dx = block.source.dx, dy = block.source.dy;
  Map->WriteBlock(block);
  Selection.active = 0;
  if (!redraw) return;
  UpdateCanvas(column, row, dx, dy);
  ToolButtonMediator();
}

void TMainForm::WriteTileCurrentData(bool redraw) {
  if (!Map) return;
  if (IsFailedSelection(Selection)) {
    Selection.active = 0;
    return;
  }
  TModified block;
  if (TakeBlock(block, true)) Map->WriteTiledBlock(block);
  if (!redraw) return;
  Selection.active = 0;
  UpdateFullCanvas();
  ToolButtonMediator();
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
  SelectData.layer = CurrentLayerIndex();
  SelectData.flag = 0;
  SelectData.srcPitch = SelectData.source.dx;
  const TCellRange from = SelectData.source;
  TModified block = SelectData;  // the floating block stays whole when the drop is clipped
  Map->BeginGroup();
  Map->WriteBlock(block);
  Map->EndGroup();
  SelectData.source.active = 0;
  if (!redraw) return;
  UpdateCanvas(from.x - ScrollX, from.y - ScrollY, from.dx, from.dy);
  ToolButtonMediator();
}

// --- pattern ------------------------------------------------------------------------------------

void TMainForm::SetPatternSelect() {
  if (!Map || !Selection.active) return;
  TModified pattern;
  pattern.source = Selection;
  pattern.srcPitch = Selection.dx;
  pattern.layer = CurrentLayerIndex();
  if (!Map->ReadBlock(pattern)) return;
  PatternData = std::move(pattern);
  PatternMode = true;
  const bool oneCell = Selection.dx == 0 && Selection.dy == 0;
  if (ChipForm) ChipForm->Selectchip(oneCell ? PatternData.data[0] : -1);
  ToolButtonMediator();
}

void TMainForm::ExitPattern() {
  PatternMode = false;
  PatternData.destination.active = 0;
  PatternData.source.active = 0;
  PatternData.data.assign(1, 0);
}

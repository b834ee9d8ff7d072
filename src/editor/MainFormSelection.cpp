// The map selection, the copy buffer and the Edit commands.
#include <QAction>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "model/MapDataUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

void TMainForm::FixSelection(TCellRange& range) {
  if (range.dx < 0) {
    range.x += range.dx;
    range.dx = -range.dx;
  }
  if (range.dy < 0) {
    range.y += range.dy;
    range.dy = -range.dy;
  }
  range.index = (Map ? Map->GetWidth() : 0) * range.y + range.x;
}

bool TMainForm::CurrentLayerVisible() const {
  if (!LayerForm) return false;
  const int layer = LayerForm->GetCurrentLayerIndex();
  return layer >= 0 && LayerForm->GetLayerVisibleState(layer);
}

bool TMainForm::SelectAll(bool redraw) {
  if (!Map) return false;
  Selection = {1, 0, 0, Map->GetWidth() - 1, Map->GetHeight() - 1, 0};
  if (redraw) {
    UpdateFullCanvas();
    ToolButtonMediator();
  }
  return true;
}

// Cut, copy and paste act on the current layer; until they are in place they report that
// nothing was done.
bool TMainForm::CutToCurrentSelection(bool) {
  return false;
}

bool TMainForm::CopyOfCurrentSelection() {
  return false;
}

bool TMainForm::PasteToCurrentSelection(bool) {
  return false;
}

void TMainForm::DebugOut_CopyData() {}

void TMainForm::Cut1Click() {
  if (Cut1->isEnabled()) CutToCurrentSelection(true);
}

void TMainForm::Copy1Click() {
  if (Copy1->isEnabled()) CopyOfCurrentSelection();
}

void TMainForm::V1Click() {
  if (V1->isEnabled()) PasteToCurrentSelection(true);
}

void TMainForm::A1Click() {
  SelectAll(true);
}

void TMainForm::D2Click() {
  if (!D2->isEnabled()) return;
  if (Floating) {
    Floating = false;
    WriteSelectData(true);
    if (PreviewForm) PreviewForm->RefreshPreview();
  }
  if (!Selection.active) {
    SetStatusText(1, "選択範囲なし");
    return;
  }
  Selection.active = 0;
  UpdateFullCanvas();
}

// Undo and redo discard a floating block (it is not dropped) and the selection.
void TMainForm::UndoOrRedo(bool undo) {
  Floating = false;
  Selection.active = 0;
  D2Click();
  if (!(undo ? Map->Undo() : Map->Redo())) return;
  UpdateFullCanvas();
  ToolButtonMediator();
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TMainForm::Cancel1Click() {
  if (Map && Cancel1->isEnabled()) UndoOrRedo(true);
}

void TMainForm::Repeat1Click() {
  if (Map && Repeat1->isEnabled()) UndoOrRedo(false);
}

void TMainForm::N25Click() {
  if (!Map) return;
  Map->FlushHistory();
  ToolButtonMediator();
}

// The map selection, the copy buffer and the Edit commands.
#include <QAction>

#include "editor/CommandGuard.h"
#include "editor/CopyDump.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "model/MapDataUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

bool Within(int32_t value, int64_t last) {
  return value >= 0 && value <= last;
}

}  // namespace

void TMainForm::FixSelection(TCellRange& range) {
  NormaliseCellRange(range, Map ? Map->GetWidth() : 0);
}

bool TMainForm::IsFailedSelection(const TCellRange& range) {
  if (!Map || !range.active) return true;
  const int64_t width = Map->GetWidth(), height = Map->GetHeight();
  return !Within(range.x, width - 1) || !Within(range.y, height - 1) ||
         !Within(range.dx, width - 1) || !Within(range.dy, height - 1) ||
         !Within(range.index, width * height - 1);
}

bool TMainForm::CurrentLayerVisible() const {
  const int layer = CurrentLayerIndex();
  return layer >= 0 && LayerForm->GetLayerVisibleState(layer);
}

// The Edit commands act on what the user sees, so a floating block lands before them.
void TMainForm::DropFloating(bool redraw) {
  if (!Floating) return;
  Floating = false;
  WriteSelectData(redraw);
  if (PreviewForm) PreviewForm->RefreshPreview();
}

bool TMainForm::SelectAll(bool redraw) {
  if (!Map) return false;
  EndPendingDrag();
  DropFloating(redraw);
  Selection = {1, 0, 0, Map->GetWidth() - 1, Map->GetHeight() - 1, 0};
  if (redraw) {
    UpdateFullCanvas();
    ToolButtonMediator();
  }
  return true;
}

// The start of cut, copy and paste: the drag ends, a floating block lands, and an unusable
// selection is given up.
bool TMainForm::SelectionUsable(bool redraw) {
  EndPendingDrag();
  DropFloating(redraw);
  if (!IsFailedSelection(Selection)) return true;
  Selection.active = 0;
  return false;
}

bool TMainForm::ReadCopyBuffer() {
  CopyData.source = Selection;
  CopyData.srcPitch = Selection.dx;
  CopyData.layer = CurrentLayerIndex();
  return Map->ReadBlock(CopyData);
}

bool TMainForm::CutToCurrentSelection(bool redraw) {
  if (!SelectionUsable(redraw) || !ReadCopyBuffer()) return false;
  FixSelection(Selection);
  WriteTileCurrentData(redraw);
  if (PreviewForm) PreviewForm->RefreshPreview();
  return true;
}

bool TMainForm::CopyOfCurrentSelection() {
  if (!SelectionUsable(true) || !ReadCopyBuffer()) return false;
  ToolButtonMediator();
  return true;
}

bool TMainForm::PasteToCurrentSelection(bool redraw) {
  if (!SelectionUsable(redraw) || !CopyData.source.active) return false;
  CopyData.destination = Selection;
  CopyData.layer = CurrentLayerIndex();
  // The selection lies on the map, so the document clips nothing at the left or top and the
  // buffer stays as it was.
  Map->BeginGroup();
  Map->WriteBlock(CopyData);
  Map->EndGroup();
  if (redraw) {
    UpdateFullCanvas();
    ToolButtonMediator();
    if (PreviewForm) PreviewForm->RefreshPreview();
  }
  return true;
}

void TMainForm::DebugOut_CopyData() {
  WriteCopyDump(CopyData, "copy.txt");
}

void TMainForm::Cut1Click() {
  if (Cut1->isEnabled()) Guarded("TMainForm.Cut1Click", [this] { CutToCurrentSelection(true); });
}

void TMainForm::Copy1Click() {
  if (Copy1->isEnabled()) Guarded("TMainForm.Copy1Click", [this] { CopyOfCurrentSelection(); });
}

void TMainForm::V1Click() {
  if (V1->isEnabled()) Guarded("TMainForm.V1Click", [this] { PasteToCurrentSelection(true); });
}

void TMainForm::A1Click() {
  SelectAll(true);
}

void TMainForm::D2Click() {
  if (!D2->isEnabled()) return;
  EndPendingDrag();
  DropFloating(true);
  if (!Selection.active) {
    SetStatusText(1, tr("選択範囲なし").toStdString());
    return;
  }
  Selection.active = 0;
  UpdateFullCanvas();
}

// Undo and redo discard a floating block (it is not dropped) and the selection.
void TMainForm::UndoOrRedo(bool undo) {
  EndPendingDrag();
  Floating = false;
  Selection.active = 0;
  D2Click();
  if (!(undo ? Map->Undo() : Map->Redo())) return;
  UpdateFullCanvas();
  ToolButtonMediator();
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TMainForm::Cancel1Click() {
  if (Map && Cancel1->isEnabled()) Guarded("TMainForm.Cancel1Click", [this] { UndoOrRedo(true); });
}

void TMainForm::Repeat1Click() {
  if (Map && Repeat1->isEnabled()) Guarded("TMainForm.Repeat1Click", [this] { UndoOrRedo(false); });
}

void TMainForm::N25Click() {
  if (!Map) return;
  EndPendingDrag();
  Map->FlushHistory();
  ToolButtonMediator();
}

// The view's mouse handlers. A drag belongs to the button and the tool that began it: other
// buttons are ignored until it ends, and a drag whose release never comes is ended by the next
// press, by a move without its button, by a command, or when the window loses activation.
#include <QCoreApplication>
#include <QEvent>

#include "editor/CommandGuard.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/MapView.h"
#include "model/MapDataUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

// Marks a mouse handler as running, so that commands it calls do not end its own drag.
class HandlerScope {
 public:
  explicit HandlerScope(int& depth) : depth_(depth) { ++depth_; }
  ~HandlerScope() { --depth_; }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;

 private:
  int& depth_;
};

bool Contains(const TCellRange& range, const QPoint& cell) {
  return cell.x() >= range.x && cell.x() <= range.x + range.dx && cell.y() >= range.y &&
         cell.y() <= range.y + range.dy;
}

bool IsSelectTool(TToolKind tool) {
  return tool == TToolKind::RectSelect || tool == TToolKind::PatternSelect;
}

}  // namespace

// --- press --------------------------------------------------------------------------------------

void TMainForm::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
  // The right button picks a pattern; the middle one works like the left. Extra buttons do nothing.
  const bool known =
      button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
  if (!Map || !known) return;
  HandlerScope scope(mouseHandlerDepth_);
  Guarded("TMainForm.FormMouseDown", [&] {
    if (Dragging) {
      if (button != MouseButton) return;  // a second button during a drag
      ReleaseDrag(MouseButton);           // the release of the last press never came
    }
    CloseStroke();
    QPoint viewCell, mapCell;
    PointToCell(x, y, viewCell, mapCell);
    PressAt(button, shift, viewCell, mapCell);
  });
}

void TMainForm::PressAt(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& viewCell,
                        const QPoint& mapCell) {
  Dragging = false;
  LastCell = viewCell;
  MouseButton = button;
  UpdateCursorPanel(viewCell, mapCell);
  if (button == Qt::RightButton) {
    // A pick while space holds the hand returns to the tool the hand stands in for.
    if (Tool != TToolKind::Hand) SavedTool = Tool;
    SelectTool(TToolKind::PatternSelect);
    D2Click();
  }
  DragTool = Tool;
  switch (Tool) {
    case TToolKind::Pen:
      D2Click();
      SelectCell(mapCell);
      Map->BeginGroup();
      StrokeOpen = true;
      WriteCurrentData(true);
      break;
    case TToolKind::TilePen:
      D2Click();
      SelectCell(mapCell);
      DrawActiveGridLineFill(viewCell.x(), viewCell.y());
      ActiveFrameShown = false;
      if (View) View->update();
      break;
    case TToolKind::Fill:
      D2Click();
      SelectCell(mapCell);
      break;
    case TToolKind::RectSelect:
    case TToolKind::PatternSelect:
      PressSelectTool(shift, mapCell);
      break;
    case TToolKind::Hand:
      break;
  }
  Dragging = true;
}

void TMainForm::SelectCell(const QPoint& mapCell) {
  Selection = {1, mapCell.x(), mapCell.y(), 0, 0, mapCell.y() * Map->GetWidth() + mapCell.x()};
}

void TMainForm::PressSelectTool(Qt::KeyboardModifiers shift, const QPoint& mapCell) {
  const bool ctrl = shift & Qt::ControlModifier;
  if (Selection.active && Contains(Selection, mapCell)) {
    if (!Floating) {
      LiftSelection(!ctrl);
    } else if (ctrl) {
      // Stamp a copy where the block is and drag the same block on.
      Floating = false;
      WriteSelectData(false);
      if (PreviewForm) PreviewForm->RefreshPreview();
      KeepFloating();
    }
    return;
  }
  if (Floating) DropFloating(true);
  D2Click();
  SelectCell(mapCell);
}

// Takes the selected cells of the current layer as the floating block; a cut leaves the current
// block tiled where they were.
void TMainForm::LiftSelection(bool cut) {
  FixSelection(Selection);
  SelectData.layer = CurrentLayerIndex();
  SelectData.source = Selection;
  SelectData.srcPitch = Selection.dx;
  if (!Map->ReadBlock(SelectData)) return;
  SelectData.destination = Selection;
  if (cut) CutToCurrentSelection(false);
  Floating = true;
}

// After a stamp the block floats on from where it was stamped with the cells it holds, which
// are the stamped cells (and, where the stamp was cut off at the map's edge, the cells that
// did not land).
void TMainForm::KeepFloating() {
  FixSelection(Selection);
  SelectData.layer = CurrentLayerIndex();
  SelectData.source = Selection;
  SelectData.source.active = 1;
  SelectData.srcPitch = Selection.dx;
  SelectData.destination = Selection;
  Floating = true;
}

// --- move ---------------------------------------------------------------------------------------

void TMainForm::FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y) {
  if (!Map || !LayerForm) return;
  HandlerScope scope(mouseHandlerDepth_);
  Guarded("TMainForm.FormMouseMove", [&] {
    if (Dragging && !(buttons & MouseButton)) ReleaseDrag(MouseButton);  // its release was lost
    QPoint viewCell, mapCell;
    PointToCell(x, y, viewCell, mapCell);
    if (viewCell == LastCell) return;
    if (!isActiveWindow()) activateWindow();
    if (!(Tool == TToolKind::TilePen && Dragging)) DrawActiveGridLine(mapCell.x(), mapCell.y());
    if (Dragging) {
      if (DragTo(x, y, viewCell, mapCell)) return;  // the floating block moved
    } else {
      UpdateMoveCursor(mapCell);
    }
    LastCell = viewCell;
    UpdateCursorPanel(viewCell, mapCell);
  });
}

// The hand may take over any drag while space is held; otherwise a drag acts only for the
// tool that began it.
bool TMainForm::DragToolIs(TToolKind tool) const {
  return Tool == tool && (tool == TToolKind::Hand || DragTool == tool);
}

bool TMainForm::DragTo(int x, int y, const QPoint& viewCell, const QPoint& mapCell) {
  if (DragToolIs(TToolKind::Pen)) {
    SelectCell(mapCell);
    if (!StrokeOpen) {
      Map->BeginGroup();
      StrokeOpen = true;
    }
    WriteCurrentData(true);
  } else if (DragToolIs(TToolKind::Hand)) {
    SetHorizPosition(ScrollX + LastCell.x() - viewCell.x());
    SetVertPosition(ScrollY + LastCell.y() - viewCell.y());
  } else if (DragToolIs(TToolKind::TilePen) || DragToolIs(TToolKind::RectSelect) ||
             DragToolIs(TToolKind::PatternSelect)) {
    return DragRectangle(x, y, viewCell, mapCell);
  }
  return false;
}

// True when it moved the floating block rather than the rectangle's corner.
bool TMainForm::DragRectangle(int x, int y, const QPoint& viewCell, const QPoint& mapCell) {
  if (Floating) {
    Selection.x += viewCell.x() - LastCell.x();
    Selection.y += viewCell.y() - LastCell.y();
    SelectData.destination = Selection;
    LastCell = viewCell;
    UpdateFullCanvas();
    return true;
  }
  Selection.dx = mapCell.x() - Selection.x;
  Selection.dy = mapCell.y() - Selection.y;
  Selection.active = 1;
  AutoScroll(x, y);
  UpdateFullCanvas();
  return false;
}

// One cell per move into another cell while the mouse is at the view's edge; y counts from the
// top of the toolbar.
void TMainForm::AutoScroll(int x, int y) {
  if (x / CellWidth >= ViewWidth / CellWidth - 1) SetHorizPosition(ScrollX + 1);
  if (y / CellHeight >= ViewHeight / CellHeight - 1) SetVertPosition(ScrollY + 1);
  if (x < CellWidth) SetHorizPosition(ScrollX - 1);
  if (y < CellHeight) SetVertPosition(ScrollY - 1);
}

// Over the selection the rectangle-select tool's cross offers to move it. The tiling pen and
// the pattern select keep their own cursors.
void TMainForm::UpdateMoveCursor(const QPoint& mapCell) {
  if (!View || !(IsSelectTool(Tool) || Tool == TToolKind::TilePen) || !Selection.active) return;
  const bool over = Contains(Selection, mapCell);
  const Qt::CursorShape shape = View->cursor().shape();
  if (over && shape == Qt::CrossCursor)
    View->setCursor(QCursor(Qt::SizeAllCursor));
  else if (!over && shape == Qt::SizeAllCursor)
    View->setCursor(ToolCursor(Tool));
}

void TMainForm::UpdateCursorPanel(const QPoint& viewCell, const QPoint& mapCell) {
  const bool outside =
      viewCell.x() + ScrollX >= Map->GetWidth() || viewCell.y() + ScrollY >= Map->GetHeight();
  cursorCell_ = outside ? QPoint(-1, -1) : mapCell;
  if (outside || !Map->IsValidLayer(CurrentLayerIndex())) {
    SetStatusText(
        0, QCoreApplication::translate("TMainForm", "カーソル座標(マップ範囲外)").toStdString());
    return;
  }
  RefreshCursorPanel();
}

// An edit under a mouse that does not move changes the part the panel names.
void TMainForm::RefreshCursorPanel() {
  const int x = cursorCell_.x(), y = cursorCell_.y(), layer = CurrentLayerIndex();
  if (!Map || !Map->IsValidLayer(layer) || x < 0 || y < 0 || x >= Map->GetWidth() ||
      y >= Map->GetHeight())
    return;
  const int part = Map->LayerAt(layer).Cells[static_cast<size_t>(y) * Map->GetWidth() + x];
  SetStatusText(0, QCoreApplication::translate("TMainForm", "カーソル座標(%1, %2)=(%3)")
                       .arg(x)
                       .arg(y)
                       .arg(part)
                       .toStdString());
}

// --- release ------------------------------------------------------------------------------------

void TMainForm::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
  if (!Map) return;
  HandlerScope scope(mouseHandlerDepth_);
  // A release that no press on the view began (or of a second button) changes nothing.
  if (!Dragging || button != MouseButton) return;
  Guarded("TMainForm.FormMouseUp", [&] { ReleaseDrag(button); });
}

void TMainForm::ReleaseDrag(Qt::MouseButton button) {
  Dragging = false;
  MouseButton = Qt::NoButton;
  if (DragToolIs(TToolKind::TilePen)) {
    FixSelection(Selection);
    WriteTileCurrentData(true);
    if (PreviewForm) PreviewForm->RefreshPreview();
  } else if (DragToolIs(TToolKind::Fill)) {
    ReleaseFill();
  } else if (DragToolIs(TToolKind::PatternSelect) || DragToolIs(TToolKind::RectSelect)) {
    ReleaseSelectTool(button);
  } else if (DragToolIs(TToolKind::Hand)) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  // The pen's group closes with its button, whatever tool is current by then.
  CloseStroke();
  if (Selection.active) FixSelection(Selection);
}

void TMainForm::ReleaseFill() {
  if (!Selection.active) return;
  TModified block;
  if (TakeBlock(block, false)) Map->FloodFill(Selection.x, Selection.y, block);
  ToolButtonMediator();
  Selection.active = 0;
  UpdateFullCanvas();
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TMainForm::ReleaseSelectTool(Qt::MouseButton button) {
  if (Selection.active) {
    FixSelection(Selection);
    if (DragTool == TToolKind::PatternSelect) {
      // The pattern is read from the map, so a block moved with this tool lands first.
      if (Floating) DropFloating(false);
      SetPatternSelect();
      D2Click();
    } else {
      UpdateFullCanvas();
    }
    ToolButtonMediator();
  }
  if (button == Qt::RightButton) ReturnToSavedTool();
}

// --- strokes and lost releases ------------------------------------------------------------------

void TMainForm::CloseStroke() {
  if (!StrokeOpen) return;
  StrokeOpen = false;
  if (!Map) return;
  Map->EndGroup();
  ToolButtonMediator();
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TMainForm::EndPendingDrag() {
  if (mouseHandlerDepth_ > 0) return;
  HandlerScope scope(mouseHandlerDepth_);
  Guarded("TMainForm.EndPendingDrag", [&] {
    if (Map && Dragging) ReleaseDrag(MouseButton);
    CloseStroke();
  });
}

// The history a stroke wrote into may already be gone, so nothing is closed here.
void TMainForm::ResetToolState() {
  Dragging = false;
  MouseButton = Qt::NoButton;
  StrokeOpen = false;
  Floating = false;
  SelectData = TModified();
  ExitPattern();
}

// A modal window or another application taking over may swallow the release.
void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) EndPendingDrag();
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
}

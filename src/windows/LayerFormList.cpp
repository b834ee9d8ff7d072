// What the list's check boxes, mouse and keys do, and folding the window.
#include <QListWidgetItem>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerCheckList.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

void TLayerForm::RedrawCurrentLayerViews() {
  if (ChipForm) ChipForm->UpdateFullCanvas();
  if (MainForm) {
    MainForm->UpdateFullCanvas();
    MainForm->FormatTittle();
  }
}

void TLayerForm::RedrawAfterLayerChange() {
  RedrawCurrentLayerViews();
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TLayerForm::CheckListClickCheck(QListWidgetItem* item) {
  if (filling_ || !Map) return;
  const int layer = RowOfLayer(CheckList->row(item));
  if (!Map->IsValidLayer(layer)) return;
  Map->SetLayerVisible(layer, item->checkState() == Qt::Checked);
  RedrawAfterLayerChange();
}

bool TLayerForm::PopupAllowedAt(const QPoint& pos) const {
  return pos.x() > kCheckBoxColumn && CheckList->itemAt(pos) != nullptr;
}

void TLayerForm::CheckListMouseMove(const QPoint& pos) {
  if (PopupAllowedAt(pos))
    CheckList->viewport()->setCursor(Qt::PointingHandCursor);
  else
    CheckList->viewport()->unsetCursor();
}

void TLayerForm::CheckListMouseUp() {
  RedrawCurrentLayerViews();
}

void TLayerForm::CheckListKeyUp(int key) {
  if (key == Qt::Key_Up || key == Qt::Key_Down) RedrawAfterLayerChange();
}

void TLayerForm::CheckListDblClick(const QPoint& pos) {
  if (pos.x() > kCheckBoxColumn) OpenCurrentLayerSetting();
}

void TLayerForm::showEvent(QShowEvent* event) {
  TToolWindow::showEvent(event);
  if (ChipForm) ChipForm->UpdateFullCanvas();
}

void TLayerForm::ToolButton4Click() {
  ToggleFolded(ToolButton4, {StatusBar, CheckList});
}

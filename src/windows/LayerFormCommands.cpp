// Copying, deleting, merging and reordering layers, and the layer settings.
#include <QLineEdit>
#include <exception>

#include "editor/Globals.h"
#include "formats/ImagePath.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/CopyLayerDialogUnit.h"
#include "windows/LayerCheckList.h"
#include "windows/LayerFormUnit.h"
#include "windows/NewLayerDialogUnit.h"

namespace {

const uint16_t kMergeKey = 255;

}  // namespace

void TLayerForm::CopyCurrentLayer() {
  if (!Map || LayerLimitReached()) return;
  const int layer = GetCurrentLayerIndex();
  if (layer < 0) return;
  TCopyLayerDialog dialog(this);
  dialog.SetSourceName(QString::fromStdString(Map->GetLayerName(layer)));
  if (dialog.exec() != QDialog::Accepted) return;
  const std::string name = dialog.NewName().toStdString();
  try {
    if (!Map->DuplicateLayer(layer, name)) return;
  } catch (const std::exception&) {
    Prompter().MessageBox(nullptr,
                          tr("メモリーが足りない為、レイヤーを複製できません。").toStdString(),
                          tr("エラー").toStdString(), MsgIcon::Warning, MsgButtons::OK);
    return;
  }
  // The new row is checked, and the document's flag follows the check box.
  Map->SetLayerVisible(Map->LayerCount() - 1, true);
  InsertTopRow(name);
  CheckDelLayerButton();
  RedrawAfterLayerChange();
  UpdateLayerCount();
}

void TLayerForm::DeleteCurrentLayer() {
  const int rows = CheckList->count();
  if (rows == 1) {
    Prompter().MessageBox(
        nullptr, tr("レイヤーは最低限１つは必要なので、これ以上削除できません。").toStdString(),
        tr("警告").toStdString(), MsgIcon::Warning, MsgButtons::OK);
    return;
  }
  const int row = CheckList->currentRow();
  if (!Map || row < 0) return;
  Map->DeleteLayer(rows - 1 - row);
  // The layer below the deleted one moves up into its row; after the bottom row, the top.
  filling_ = true;
  delete CheckList->takeItem(row);
  CheckList->setCurrentRow(row < rows - 1 ? row : 0);
  filling_ = false;
  RedrawAfterLayerChange();
  UpdateLayerCount();
  CheckDelLayerButton();
}

void TLayerForm::MergeCurrentLayer() {
  const int layer = GetCurrentLayerIndex();
  if (!Map || layer <= 0) return;
  if (!Map->MergeLayer(layer - 1, layer, kMergeKey)) return;
  filling_ = true;
  delete CheckList->takeItem(CheckList->currentRow());
  CheckList->setCurrentRow(CheckList->count() - layer);
  filling_ = false;
  RedrawAfterLayerChange();
  UpdateLayerCount();
  CheckDelLayerButton();
}

bool TLayerForm::CheckListDragOver(const QPoint& pos) const {
  if (CheckList->count() == 0 || pos.x() <= kCheckBoxColumn) return false;
  const QListWidgetItem* item = CheckList->itemAt(pos);
  return item && CheckList->row(item) != CheckList->currentRow();
}

// Each layer takes its name, cells, image and visibility along; the rows follow.
void TLayerForm::CheckListDragDrop(const QPoint& pos) {
  QListWidgetItem* target = CheckList->itemAt(pos);
  QListWidgetItem* source = CheckList->currentItem();
  if (!Map || !target || !source || target == source) return;
  const int rows = CheckList->count();
  const int from = CheckList->row(source), to = CheckList->row(target);
  Map->SwapLayers(rows - 1 - from, rows - 1 - to);
  filling_ = true;
  const QString text = source->text();
  const Qt::CheckState state = source->checkState();
  source->setText(target->text());
  source->setCheckState(target->checkState());
  target->setText(text);
  target->setCheckState(state);
  CheckList->setCurrentRow(to);
  filling_ = false;
  RedrawAfterLayerChange();
}

void TLayerForm::OpenCurrentLayerSetting() {
  const int layer = GetCurrentLayerIndex();
  if (!Map || layer < 0) return;
  const TMapChip* chip = Map->GetLayerChip(layer);
  TNewLayerDialog dialog(this);
  dialog.setWindowTitle(tr("レイヤー設定"));
  dialog.SetLayerName(QString::fromStdString(Map->GetLayerName(layer)));
  QStringList items = ChipFileNames();
  const int none = items.size();
  items << tr("参照なし");
  dialog.SetChipSetItems(items);
  dialog.SetChipSetText(chip ? QString::fromStdString(FileNamePart(chip->FileName))
                             : tr("参照なし"));
  if (dialog.exec() != QDialog::Accepted) return;
  const QString name = dialog.LayerName();
  Map->SetLayerName(layer, name.toStdString());
  filling_ = true;
  CheckList->currentItem()->setText(name);
  filling_ = false;
  // Without a choice the layer keeps its image.
  const int chosen = dialog.ChosenChipSetIndex();
  if (chosen >= 0) {
    Map->ClearLayerChip(layer);
    if (chosen != none && ChipForm) Map->SetLayerChip(layer, ChipForm->GetMapChipAddr(chosen));
  }
  RedrawAfterLayerChange();
}

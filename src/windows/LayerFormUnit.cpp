// Creation, reset, adding layers and the queries the rest of the editor asks.
#include "windows/LayerFormUnit.h"

#include <QEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/StatusBar.h"
#include "formats/ImagePath.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerCheckList.h"
#include "windows/NewLayerDialogUnit.h"

namespace {

const int kMaxLayers = 255;

}  // namespace

TLayerForm::TLayerForm(QWidget* parent) : TToolWindow(parent, QString(), &TMainForm::L2) {
  CreateToolBar();
  CheckList = new TLayerCheckList(this, this);
  CheckList->setEnabled(false);
  connect(CheckList, &QListWidget::itemChanged, this,
          [this](QListWidgetItem* item) { CheckListClickCheck(item); });
  connect(CheckList, &QListWidget::currentRowChanged, this, [this] {
    if (!filling_) RedrawCurrentLayerViews();
  });
  StatusBar = new TStatusBar(this);
  StatusBar->AddPanel(QString(), 100);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(ToolBar1);
  layout->addWidget(CheckList);
  layout->addWidget(StatusBar);
  CreatePopupMenu();
  if (MainForm) Place(MainForm->Records.layerWin);
  RetranslateUi();
  show();
  CheckDelLayerButton();
}

void TLayerForm::CreateToolBar() {
  ToolBar1 = MakeToolBar();
  ToolBar1->addSeparator();
  AddLayerToolButton =
      AddToolButton(ToolBar1, "addlayer", QString(), [this] { AddLayerToolButtonClick(); });
  CopyLayerToolButton =
      AddToolButton(ToolBar1, "copylayer", QString(), [this] { CopyCurrentLayer(); });
  DelLayerToolButton =
      AddToolButton(ToolBar1, "dellayer", QString(), [this] { DeleteCurrentLayer(); });
  DelLayerToolButton->setEnabled(false);
  LayerOptToolButton =
      AddToolButton(ToolBar1, "layeropt", QString(), [this] { OpenCurrentLayerSetting(); });
  ToolBar1->addSeparator();
  ToolButton4 = AddToolButton(ToolBar1, "fold", QString(), [this] { ToolButton4Click(); });
}

void TLayerForm::CreatePopupMenu() {
  PopupMenu1 = new QMenu(this);
  CopyLayerMenuItem = PopupMenu1->addAction(QString(), this, [this] { CopyCurrentLayer(); });
  DeleteLayerMenuItem = PopupMenu1->addAction(QString(), this, [this] { DeleteCurrentLayer(); });
  MergeLayerMenuItem = PopupMenu1->addAction(QString(), this, [this] { MergeCurrentLayer(); });
  PopupMenu1->addSeparator();
  LayerSettingMenuItem =
      PopupMenu1->addAction(QString(), this, [this] { OpenCurrentLayerSetting(); });
}

void TLayerForm::RetranslateUi() {
  setWindowTitle(tr("レイヤー"));
  AddLayerToolButton->setToolTip(tr("新規レイヤーを作成"));
  CopyLayerToolButton->setToolTip(tr("選択レイヤーを複製"));
  DelLayerToolButton->setToolTip(tr("選択レイヤーを削除"));
  LayerOptToolButton->setToolTip(tr("選択レイヤーの設定ウィンドウを開く"));
  ToolButton4->setToolTip(FoldHint());
  CopyLayerMenuItem->setText(tr("レイヤーを複製..."));
  DeleteLayerMenuItem->setText(tr("レイヤーを削除"));
  MergeLayerMenuItem->setText(tr("下のレイヤーと合成"));
  LayerSettingMenuItem->setText(tr("レイヤー設定..."));
  UpdateLayerCount();
}

void TLayerForm::changeEvent(QEvent* event) {
  TToolWindow::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
}

void TLayerForm::Init() {
  filling_ = true;
  CheckList->clear();
  filling_ = false;
  AddedLayerCount = 0;
  UpdateLayerCount();
  CheckDelLayerButton();
}

bool TLayerForm::LayerLimitReached() const {
  if (!Map || Map->LayerCount() < kMaxLayers) return false;
  Prompter().MessageBox(nullptr,
                        tr("作成できるレイヤ数は255レイヤです。上限を超えてます。").toStdString(),
                        tr("警告").toStdString(), MsgIcon::Warning, MsgButtons::OK);
  return true;
}

void TLayerForm::AddLayerToolButtonClick() {
  if (LayerLimitReached()) return;
  AddLayer("レイヤー" + std::to_string(AddedLayerCount));
}

bool TLayerForm::AddLayer(const std::string& name) {
  if (!Map) return false;
  if (!name.empty()) return AddNamedLayer(name, nullptr);
  if (LayerLimitReached()) return false;
  TNewLayerDialog dialog(this);
  dialog.SetLayerName(QStringLiteral("レイヤー%1").arg(Map->LayerCount()));
  dialog.SetChipSetItems(ChipFileNames());
  dialog.SetChipSetText(tr("参照なし"));
  if (dialog.exec() != QDialog::Accepted) return false;
  TMapChip* chip = ChipForm ? ChipForm->GetMapChipAddr(dialog.ChosenChipSetIndex()) : nullptr;
  return AddNamedLayer(dialog.LayerName().toStdString(), chip);
}

bool TLayerForm::AddNamedLayer(const std::string& name, TMapChip* chip) {
  if (!Map) return false;
  try {
    Map->AppendLayer(name, chip);
  } catch (const std::exception&) {
    Prompter().MessageBox(nullptr,
                          tr("メモリーが足りない為、レイヤーを作成できません。").toStdString(),
                          tr("エラー").toStdString(), MsgIcon::Error, MsgButtons::OK);
    return false;
  }
  CheckList->setEnabled(true);
  InsertTopRow(name);
  ++AddedLayerCount;
  RedrawAfterLayerChange();
  CheckDelLayerButton();
  UpdateLayerCount();
  return true;
}

// The file names (without folder) of the loaded parts images, in the parts window's order.
QStringList TLayerForm::ChipFileNames() const {
  QStringList names;
  for (int i = 0; ChipForm && i < ChipForm->GetMapChipCount(); ++i)
    names << QString::fromStdString(FileNamePart(ChipForm->GetMapChipName(i)));
  return names;
}

void TLayerForm::InsertTopRow(const std::string& name) {
  auto* item = new QListWidgetItem(QString::fromStdString(name));
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  filling_ = true;
  item->setCheckState(Qt::Checked);
  CheckList->insertItem(0, item);
  CheckList->setCurrentRow(0);
  filling_ = false;
}

void TLayerForm::CheckDelLayerButton() {
  const bool enabled = CheckList->count() >= 2;
  DelLayerToolButton->setEnabled(enabled);
  DeleteLayerMenuItem->setEnabled(enabled);
}

void TLayerForm::UpdateLayerCount() {
  StatusBar->SetPanelText(0, tr("レイヤー数：%1").arg(CheckList->count()));
}

int TLayerForm::GetCurrentMapIndex() const {
  return CheckList->count() - 1 - CheckList->currentRow();
}

int TLayerForm::GetCurrentLayerIndex() const {
  if (CheckList->count() == 0 || CheckList->currentRow() < 0) return -1;
  return GetCurrentMapIndex();
}

int TLayerForm::RowOfLayer(int layer) const {
  return CheckList->count() - 1 - layer;
}

bool TLayerForm::GetLayerVisibleState(int layer) const {
  const QListWidgetItem* item = CheckList->item(RowOfLayer(layer));
  return item && item->checkState() == Qt::Checked;
}

// A change shows at once, as a click on the check box would.
bool TLayerForm::SetLayerVisibleState(int layer, bool visible) {
  QListWidgetItem* item = CheckList->item(RowOfLayer(layer));
  if (!item) return false;
  item->setCheckState(visible ? Qt::Checked : Qt::Unchecked);
  return item->checkState() == Qt::Checked;
}

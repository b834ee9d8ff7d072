#include "windows/LayerFormUnit.h"

#include <QListWidget>
#include <QVBoxLayout>
#include <exception>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/PreviewFormUnit.h"

TLayerForm::TLayerForm(QWidget* parent)
    : TToolWindow(parent, QStringLiteral("レイヤー"), &TMainForm::L2) {
  CheckList = new QListWidget(this);
  QFont font = CheckList->font();
  font.setPixelSize(16);
  CheckList->setFont(font);
  CheckList->setEnabled(false);
  StatusBar = new TStatusBar(this);
  StatusBar->AddPanel(QString(), 100);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(CheckList);
  layout->addWidget(StatusBar);
  connect(CheckList, &QListWidget::itemChanged, this,
          [this](QListWidgetItem* item) { CheckListClickCheck(item); });
  connect(CheckList, &QListWidget::currentRowChanged, this, [this] { CurrentRowChanged(); });
  if (MainForm) Place(MainForm->Records.layerWin);
  UpdateLayerCount();
  show();
  CheckDelLayerButton();
}

void TLayerForm::Init() {
  filling_ = true;
  CheckList->clear();
  filling_ = false;
  AddedLayerCount = 0;
}

bool TLayerForm::AddLayer(const std::string& name) {
  // Naming a layer in a dialog arrives with the layer dialogs; until then only named layers
  // can be added.
  if (!Map || name.empty()) return false;
  try {
    if (!Map->AppendLayer(name, nullptr)) throw std::runtime_error("append");
  } catch (const std::exception&) {
    Prompter().MessageBox(nullptr, "メモリーが足りない為、レイヤーを作成できません。", "エラー",
                          MsgIcon::Error, MsgButtons::OK);
    return false;
  }
  CheckList->setEnabled(true);
  auto* item = new QListWidgetItem(QString::fromStdString(name));
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  filling_ = true;
  item->setCheckState(Qt::Checked);
  CheckList->insertItem(0, item);
  filling_ = false;
  CheckList->setCurrentRow(0);
  ++AddedLayerCount;
  if (ChipForm) ChipForm->UpdateFullCanvas();
  if (MainForm) MainForm->FormatTittle();
  if (PreviewForm) PreviewForm->RefreshPreview();
  CheckDelLayerButton();
  UpdateLayerCount();
  return true;
}

// Copying, deleting and the layer settings are not available yet.
void TLayerForm::CopyCurrentLayer() {}

void TLayerForm::DeleteCurrentLayer() {}

void TLayerForm::OpenCurrentLayerSetting() {}

void TLayerForm::CheckDelLayerButton() {}

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

bool TLayerForm::SetLayerVisibleState(int layer, bool visible) {
  QListWidgetItem* item = CheckList->item(RowOfLayer(layer));
  if (!item) return false;
  item->setCheckState(visible ? Qt::Checked : Qt::Unchecked);
  return item->checkState() == Qt::Checked;
}

void TLayerForm::CheckListClickCheck(QListWidgetItem* item) {
  if (filling_ || !Map) return;
  const int layer = RowOfLayer(CheckList->row(item));
  if (!Map->IsValidLayer(layer)) return;
  Map->SetLayerVisible(layer, item->checkState() == Qt::Checked);
  RedrawOtherWindows();
}

void TLayerForm::CurrentRowChanged() {
  if (!filling_ && Map) RedrawOtherWindows();
}

// What is drawn and the title depend on the current layer and on the shown layers.
void TLayerForm::RedrawOtherWindows() {
  if (ChipForm) ChipForm->UpdateFullCanvas();
  if (MainForm) {
    MainForm->UpdateFullCanvas();
    MainForm->FormatTittle();
  }
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TLayerForm::UpdateLayerCount() {
  StatusBar->SetPanelText(0, QStringLiteral("レイヤー数：%1").arg(CheckList->count()));
}

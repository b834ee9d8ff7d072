#include "windows/NewLayerDialogUnit.h"

#include <QLineEdit>

#include "windows/ChoiceComboBox.h"
#include "windows/DialogSupport.h"

TNewLayerDialog::TNewLayerDialog(QWidget* parent)
    : CenteredDialog(parent),
      NameEdit(new QLineEdit(this)),
      ChipSetCombo(new ChoiceComboBox(this)),
      OKButton(MakeAcceptButton(QStringLiteral("OK"), this)),
      CancelButton(MakeCancelButton(this)) {
  setWindowTitle(tr("新規レイヤーの作成"));
  NameEdit->setObjectName(QStringLiteral("NameEdit"));
  NameEdit->setToolTip(tr("レイヤーの名前を入力します"));
  NameEdit->setMinimumWidth(200);
  ChipSetCombo->setObjectName(QStringLiteral("ChipSetCombo"));
  OKButton->setDefault(true);

  SetFixedLayout(MakeFormLayout({{tr("レイヤー名"), NameEdit}, {tr("チップセット"), ChipSetCombo}},
                                OKButton, CancelButton, this));
}

void TNewLayerDialog::SetLayerName(const QString& name) {
  NameEdit->setText(name);
}

QString TNewLayerDialog::LayerName() const {
  return NameEdit->text();
}

void TNewLayerDialog::SetChipSetItems(const QStringList& fileNames) {
  ChipSetCombo->SetItems(fileNames);
}

void TNewLayerDialog::SetChipSetText(const QString& text) {
  ChipSetCombo->SetText(text);
}

int TNewLayerDialog::ChosenChipSetIndex() const {
  return ChipSetCombo->ChosenIndex();
}

void TNewLayerDialog::showEvent(QShowEvent* event) {
  CenteredDialog::showEvent(event);
  NameEdit->setFocus();
  NameEdit->selectAll();
}

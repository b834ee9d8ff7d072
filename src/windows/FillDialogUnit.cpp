#include "windows/FillDialogUnit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "windows/DialogSupport.h"
#include "windows/FillItemDelegate.h"

TFillDialog::TFillDialog(QWidget* parent)
    : CenteredDialog(parent),
      ComboBox1(new QComboBox(this)),
      StaticText1(new QLabel(this)),
      StaticText2(new QLabel(this)),
      FillButton(MakeAcceptButton(tr("塗り潰し"), this)),
      CancelButton(MakeCancelButton(this)) {
  setWindowTitle(tr("塗りつぶし"));
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(false);
  ComboBox1->setItemDelegate(new FillItemDelegate(ComboBox1));
  ComboBox1->addItems({tr("選択パーツ"), tr("定義パターン"),
                       QStringLiteral("-"), tr("透明パーツ")});
  // Keys and the list step over a separator that cannot be chosen.
  if (auto* items = qobject_cast<QStandardItemModel*>(ComboBox1->model()))
    items->item(kSeparator)->setFlags(Qt::NoItemFlags);
  ComboBox1->setCurrentIndex(kSelectedParts);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFillDialog::ComboBox1Change);
  StaticText1->setText(tr("選択範囲内を塗り潰す場合は"));
  StaticText2->setText(tr("タイリングペンを使用して下さい"));
  FillButton->setDefault(true);

  auto* group = new QGroupBox(tr("塗りつぶす内容"), this);
  auto* inGroup = new QVBoxLayout(group);
  inGroup->addWidget(ComboBox1);
  auto* layout = new QVBoxLayout;
  layout->addWidget(group);
  layout->addWidget(StaticText1);
  layout->addWidget(StaticText2);
  layout->addLayout(MakeButtonRow(FillButton, CancelButton));
  SetFixedLayout(layout);
  setTabOrder(ComboBox1, FillButton);
  setTabOrder(FillButton, CancelButton);
  ComboBox1->setFocus();
}

int TFillDialog::ItemIndex() const {
  return ComboBox1->currentIndex();
}

void TFillDialog::ComboBox1Change(int index) {
  if (index == kSeparator) ComboBox1->setCurrentIndex(kSelectedParts);
}

#include "windows/NewDialogUnit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "windows/DialogSupport.h"

TNewDialog::TNewDialog(QWidget* parent) : CenteredDialog(parent) {
  setWindowTitle(tr("新規マップの作成"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* grid = new QGridLayout;
  Edit1 = AddSizeRow(grid, 0, QT_TR_NOOP("マップの横幅(Width):"), QT_TR_NOOP("チップ"), "100", 5);
  Edit2 = AddSizeRow(grid, 1, QT_TR_NOOP("マップの縦幅(Height):"), QT_TR_NOOP("チップ"), "100", 5);
  Edit3 = AddSizeRow(grid, 2, QT_TR_NOOP("1チップの横幅(Width):"), QT_TR_NOOP("Pixel"), "32", 3);
  Edit4 = AddSizeRow(grid, 3, QT_TR_NOOP("1チップの縦幅(Height):"), QT_TR_NOOP("Pixel"), "32", 3);

  grid->addWidget(new QLabel(tr("データサイズ:"), this), 4, 0);
  RadioButton1 = new QRadioButton(tr("8ビット"), this);
  RadioButton2 = new QRadioButton(tr("16ビット"), this);
  RadioButton1->setChecked(true);
  auto* radios = new QHBoxLayout;
  radios->addWidget(RadioButton1);
  radios->addWidget(RadioButton2);
  grid->addLayout(radios, 4, 1, 1, 2);

  Label10 = new QLabel(this);
  Label11 = new QLabel(this);
  grid->addWidget(Label10, 5, 0, 1, 3);
  grid->addWidget(Label11, 6, 0, 1, 3);

  OKButton = MakeButton(QStringLiteral("OK"), this, &TNewDialog::OKButtonClick);
  CancelButton = MakeCancelButton(this);
  OKButton->setDefault(true);
  grid->addLayout(MakeButtonRow(OKButton, CancelButton), 7, 0, 1, 3);

  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Edit3);
  setTabOrder(Edit3, Edit4);
  setTabOrder(Edit4, OKButton);
  setTabOrder(OKButton, CancelButton);
  setTabOrder(CancelButton, RadioButton1);
  setTabOrder(RadioButton1, RadioButton2);

  for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4})
    connect(edit, &QLineEdit::textChanged, this, [this] { UpdateInfo(); });
  connect(RadioButton1, &QRadioButton::clicked, this, [this] { UpdateInfo(); });
  connect(RadioButton2, &QRadioButton::clicked, this, [this] { UpdateInfo(); });
  UpdateInfo();
  SetFixedLayout(grid);
}

QLineEdit* TNewDialog::AddSizeRow(QGridLayout* grid, int row, const char* label, const char* unit,
                                  const char* text, int maxLength) {
  auto* edit = new QLineEdit(QString::fromUtf8(text), this);
  edit->setMaxLength(maxLength);
  grid->addWidget(new QLabel(tr(label), this), row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(new QLabel(tr(unit), this), row, 2);
  return edit;
}

void TNewDialog::UpdateInfo() {
  MapWidth = FieldValue(Edit1, 1);
  MapHeight = FieldValue(Edit2, 1);
  PartWidth = FieldValue(Edit3, 32);
  PartHeight = FieldValue(Edit4, 32);
  ByteSize = RadioButton1->isChecked() ? 1 : 2;
  // Wide enough for five-digit sizes of any value the fields can hold.
  const long long dataSize = static_cast<long long>(MapWidth) * MapHeight * ByteSize + 20;
  Label10->setText(tr("FMFデータサイズ：%1 byte").arg(dataSize));
  const long long parts = ByteSize == 1 ? 16 : 256;
  Label11->setText(
      tr("最大パーツ画像サイズ：%1 * %2 pixel").arg(parts * PartWidth).arg(parts * PartHeight));
}

int TNewDialog::BitsPerCell() const {
  return RadioButton1->isChecked() ? 8 : 16;
}

bool TNewDialog::CheckField(QLineEdit* edit, int low, int high, const char* message, int& value) {
  const int checked = FieldValue(edit, 2);
  if (!AcceptFieldRange(this, edit, checked, low, high, tr(message).toStdString())) return false;
  value = checked;
  return true;
}

void TNewDialog::OKButtonClick() {
  UpdateInfo();
  int unusedWidth = 0, unusedHeight = 0;
  if (!CheckField(Edit1, 2, 10000,
                  QT_TR_NOOP("横幅は2パーツ以上10000パーツ以下を指定してください。"), MapWidth) ||
      !CheckField(Edit2, 2, 10000,
                  QT_TR_NOOP("高さは2パーツ以上10000パーツ以下を指定してください。"), MapHeight) ||
      !CheckField(Edit3, 2, 255,
                  QT_TR_NOOP("1チップの横幅は2Pixel以上255Pixel以下を指定してください。"),
                  unusedWidth) ||
      !CheckField(Edit4, 2, 255,
                  QT_TR_NOOP("1チップの高さは2Pixel以上255Pixel以下を指定してください。"),
                  unusedHeight))
    return;
  accept();
}

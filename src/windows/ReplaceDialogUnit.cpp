#include "windows/ReplaceDialogUnit.h"

#include <QLineEdit>

#include "windows/DialogSupport.h"

TReplaceDialog::TReplaceDialog(int bitsPerCell, QWidget* parent)
    : CenteredDialog(parent),
      Edit1(new QLineEdit(QStringLiteral("0"), this)),
      Edit2(new QLineEdit(QStringLiteral("0"), this)),
      ReplaceButton(MakeButton(tr("置き換え"), this, &TReplaceDialog::ReplaceButtonClick)),
      CancelButton(MakeCancelButton(this)),
      bitsPerCell_(bitsPerCell) {
  setWindowTitle(tr("置き換え"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit2->setObjectName(QStringLiteral("Edit2"));
  ReplaceButton->setDefault(true);

  SetFixedLayout(
      MakeFormLayout({{tr("検索するパーツ番号:"), Edit1}, {tr("置き換えるパーツ番号:"), Edit2}},
                     ReplaceButton, CancelButton, this));
}

uint16_t TReplaceDialog::SearchPartNumber() const {
  return static_cast<uint16_t>(FieldValue(Edit1, 0));
}

uint16_t TReplaceDialog::ReplacePartNumber() const {
  return static_cast<uint16_t>(FieldValue(Edit2, 0));
}

void TReplaceDialog::ReplaceButtonClick() {
  if (!AcceptPartNumberField(this, Edit1, bitsPerCell_)) return;
  if (!AcceptPartNumberField(this, Edit2, bitsPerCell_)) return;
  accept();
}

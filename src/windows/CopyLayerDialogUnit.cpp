#include "windows/CopyLayerDialogUnit.h"

#include <QLabel>
#include <QLineEdit>

#include "windows/DialogSupport.h"

TCopyLayerDialog::TCopyLayerDialog(QWidget* parent)
    : CenteredDialog(parent),
      SrcNameLabel(new QLabel(this)),
      NameEdit(new QLineEdit(this)),
      OKButton(MakeAcceptButton(QStringLiteral("OK"), this)),
      CancelButton(MakeCancelButton(this)) {
  setWindowTitle(tr("レイヤーの複製"));
  SrcNameLabel->setObjectName(QStringLiteral("SrcNameLabel"));
  SrcNameLabel->setTextFormat(Qt::PlainText);  // a layer name is not markup
  NameEdit->setObjectName(QStringLiteral("NameEdit"));
  NameEdit->setMinimumWidth(200);
  OKButton->setDefault(true);

  SetFixedLayout(MakeFormLayout({{tr("複製元"), SrcNameLabel}, {tr("新規名称"), NameEdit}},
                                OKButton, CancelButton, this));
}

void TCopyLayerDialog::SetSourceName(const QString& name) {
  SrcNameLabel->setText(name);
  NameEdit->setText(name + QStringLiteral("のコピー"));
}

QString TCopyLayerDialog::NewName() const {
  return NameEdit->text();
}

void TCopyLayerDialog::showEvent(QShowEvent* event) {
  CenteredDialog::showEvent(event);
  NameEdit->setFocus();
  NameEdit->selectAll();
}

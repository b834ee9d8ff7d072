#include "windows/PrefsFormUnit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "formats/ProjectRecords.h"
#include "windows/DialogSupport.h"

TPrefsForm::TPrefsForm(int bitsPerCell, QWidget* parent)
    : CenteredDialog(parent),
      PageControl1(new QTabWidget(this)),
      CheckBox2(new QCheckBox(tr("画像のパスはBWPファイルからの相対パスで保存する"))),
      CheckBox1(new QCheckBox(tr("透明パーツを有効にする"))),
      Label1(new QLabel(tr("パーツ番号:"))),
      Edit1(new QLineEdit),
      Memo(new QPlainTextEdit),
      OKButton(MakeButton(QStringLiteral("OK"), this, &TPrefsForm::OKButtonClick)),
      CancelButton(MakeCancelButton(this)),
      bitsPerCell_(bitsPerCell) {
  setWindowTitle(tr("プロジェクト設定"));
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Memo->setObjectName(QStringLiteral("Memo"));
  OKButton->setDefault(true);
  connect(CheckBox1, &QCheckBox::toggled, this, &TPrefsForm::CheckBox1Click);

  PageControl1->addTab(MakeGeneralPage(), tr("一般設定"));
  PageControl1->addTab(MakeCommentPage(), tr("コメント"));
  auto* layout = new QVBoxLayout;
  layout->addWidget(PageControl1);
  layout->addLayout(MakeButtonRow(OKButton, CancelButton));
  SetFixedLayout(layout);
  setTabOrder(PageControl1, CheckBox2);
  setTabOrder(CheckBox2, CheckBox1);
  setTabOrder(CheckBox1, Edit1);
  setTabOrder(Edit1, Memo);
  setTabOrder(Memo, OKButton);
  setTabOrder(OKButton, CancelButton);
  CheckBox1Click();
}

QWidget* TPrefsForm::MakeGeneralPage() {
  auto* page = new QWidget;
  auto* number = new QHBoxLayout;
  number->addSpacing(20);  // the number belongs to the box above it
  number->addWidget(Label1);
  number->addWidget(Edit1);
  number->addStretch(1);
  Edit1->setFixedWidth(80);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(CheckBox2);
  layout->addWidget(CheckBox1);
  layout->addLayout(number);
  layout->addStretch(1);
  return page;
}

QWidget* TPrefsForm::MakeCommentPage() {
  auto* page = new QWidget;
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setTabChangesFocus(true);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Memo);
  return page;
}

void TPrefsForm::LoadFrom(const TProjectRecords& records) {
  CheckBox1->setChecked(records.transparentPart.enabled != 0);
  Edit1->setText(QString::number(records.transparentPart.number));
  // The project keeps the comment's line breaks as CR LF.
  QString comment = QString::fromStdString(records.comment);
  Memo->setPlainText(comment.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  CheckBox2->setChecked(records.header.relativePaths != 0);
  PageControl1->setCurrentIndex(0);
}

void TPrefsForm::StoreTo(TProjectRecords& records) const {
  records.transparentPart.enabled = CheckBox1->isChecked() ? 1 : 0;
  records.transparentPart.number = static_cast<uint16_t>(FieldValue(Edit1, 0));
  QString comment = Memo->toPlainText();
  records.comment = comment.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
  records.header.relativePaths = CheckBox2->isChecked() ? 1 : 0;
}

void TPrefsForm::OKButtonClick() {
  if (CheckBox1->isChecked() && !AcceptPartNumberField(this, Edit1, bitsPerCell_)) return;
  accept();
}

void TPrefsForm::CheckBox1Click() {
  Label1->setEnabled(CheckBox1->isChecked());
  Edit1->setEnabled(CheckBox1->isChecked());
}

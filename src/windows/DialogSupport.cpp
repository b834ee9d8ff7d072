#include "windows/DialogSupport.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <limits>

#include "platform/Prompter.h"

std::optional<int> ParseDecimal(const QString& text) {
  const QString s = text.trimmed();
  int i = 0;
  const bool negative = i < s.size() && s[i] == QLatin1Char('-');
  if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) ++i;
  if (i == s.size()) return std::nullopt;
  const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                   : std::numeric_limits<int>::max();
  long long value = 0;
  for (; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = std::min(limit, value * 10 + (c.unicode() - '0'));
  }
  return static_cast<int>(negative ? -value : value);
}

int FieldValue(const QLineEdit* field, int whenEmpty) {
  return ParseDecimal(field->text()).value_or(whenEmpty);
}

void ShowErrorBox(QWidget* owner, const std::string& text) {
  Prompter().MessageBox(owner, text,
                        QCoreApplication::translate("DialogSupport", "エラー").toStdString(),
                        MsgIcon::Error, MsgButtons::OK);
}

bool AcceptFieldRange(QWidget* owner, QLineEdit* field, std::optional<int> value, int lo, int hi,
                      const std::string& message) {
  if (value && *value >= lo && *value <= hi) return true;
  ShowErrorBox(owner, message);
  field->setText(QString::number(value && *value > hi ? hi : lo));
  field->setFocus();
  field->setCursorPosition(static_cast<int>(field->text().size()));
  return false;
}

int MaxPartNumber(int bitsPerCell) {
  return bitsPerCell == 8 ? 255 : 65535;
}

std::string PartRangeMessage(int bitsPerCell) {
  const char* text =
      bitsPerCell == 8
          ? QT_TRANSLATE_NOOP("DialogSupport", "0から255までの値を指定してください。")
          : QT_TRANSLATE_NOOP("DialogSupport", "0から65535までの値を指定してください。");
  return QCoreApplication::translate("DialogSupport", text).toStdString();
}

bool AcceptPartNumberField(QWidget* owner, const QLineEdit* field, int bitsPerCell) {
  const int value = FieldValue(field, 0);
  if (value >= 0 && value <= MaxPartNumber(bitsPerCell)) return true;
  ShowErrorBox(owner, PartRangeMessage(bitsPerCell));
  return false;
}

QPushButton* MakeAcceptButton(const QString& text, QDialog* dialog) {
  return MakeButton(text, dialog, &QDialog::accept);
}

QPushButton* MakeCancelButton(QDialog* dialog) {
  return MakeButton(QCoreApplication::translate("DialogSupport", "キャンセル"), dialog,
                    &QDialog::reject);
}

QBoxLayout* MakeButtonRow(QPushButton* ok, QPushButton* cancel) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

QBoxLayout* MakeFormLayout(std::initializer_list<FormRow> rows, QPushButton* ok,
                           QPushButton* cancel, QWidget* parent) {
  auto* fields = new QGridLayout;
  int row = 0;
  for (const FormRow& r : rows) {
    fields->addWidget(new QLabel(r.label, parent), row, 0);
    fields->addWidget(r.field, row++, 1);
  }
  auto* layout = new QVBoxLayout;
  layout->addLayout(fields);
  layout->addLayout(MakeButtonRow(ok, cancel));
  return layout;
}

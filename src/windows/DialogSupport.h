#pragma once
// Small pieces that the dialogs share: reading numbers from edit fields, the range messages
// with their corrections, and the usual button row.
#include <QBoxLayout>
#include <QPushButton>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>

class QDialog;
class QLineEdit;
class QWidget;

// A decimal integer with an optional sign and surrounding blanks. Anything else holds no
// number. Values beyond the 32-bit range saturate, so an over-long entry still reads as too big
// rather than as no number at all.
std::optional<int> ParseDecimal(const QString& text);
// The field's number, or `whenEmpty` when it holds none.
int FieldValue(const QLineEdit* field, int whenEmpty);

// The "エラー" box owned by `owner`.
void ShowErrorBox(QWidget* owner, const std::string& text);

// Refuses a value outside lo..hi (no value counts as below lo): shows `message`, puts the
// nearest allowed value into the field and leaves the caret at its end. True when in range.
bool AcceptFieldRange(QWidget* owner, QLineEdit* field, std::optional<int> value, int lo, int hi,
                      const std::string& message);

// The largest part number a map of `bitsPerCell` can hold, and the message that says so.
int MaxPartNumber(int bitsPerCell);
std::string PartRangeMessage(int bitsPerCell);
// Refuses a part number field outside 0..MaxPartNumber (no number counts as 0) with the
// message; the field is left as it is. True when in range.
bool AcceptPartNumberField(QWidget* owner, const QLineEdit* field, int bitsPerCell);

// A push button whose clicks call `slot` on `dialog`.
template <class Dialog>
QPushButton* MakeButton(const QString& text, Dialog* dialog, void (Dialog::*slot)()) {
  auto* button = new QPushButton(text, dialog);
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, slot] { (dialog->*slot)(); });
  return button;
}
// A push button that accepts `dialog`, and the "キャンセル" button that rejects it.
QPushButton* MakeAcceptButton(const QString& text, QDialog* dialog);
QPushButton* MakeCancelButton(QDialog* dialog);
// The OK / Cancel row aligned to the right.
QBoxLayout* MakeButtonRow(QPushButton* ok, QPushButton* cancel);
// Labelled fields, one a row, above the OK / Cancel row. Labels are made as children of
// `parent`.
struct FormRow {
  QString label;
  QWidget* field;
};
QBoxLayout* MakeFormLayout(std::initializer_list<FormRow> rows, QPushButton* ok,
                           QPushButton* cancel, QWidget* parent);

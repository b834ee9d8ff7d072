#include "windows/ChoiceComboBox.h"

#include <QLineEdit>

ChoiceComboBox::ChoiceComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this](int index) { chosen_ = index; });
  connect(this, &QComboBox::editTextChanged, this, &ChoiceComboBox::EditTextChanged);
}

void ChoiceComboBox::SetItems(const QStringList& items) {
  clear();
  addItems(items);
  SetText(QString());
}

void ChoiceComboBox::SetText(const QString& text) {
  setCurrentIndex(-1);
  chosen_ = -1;
  setEditText(text);
}

void ChoiceComboBox::Choose(int index) {
  setCurrentIndex(index);
  chosen_ = currentIndex();
}

void ChoiceComboBox::EditTextChanged(const QString& text) {
  if (chosen_ >= 0 && text != itemText(chosen_)) chosen_ = -1;
}

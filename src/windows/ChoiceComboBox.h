#pragma once
// An editable drop-down that tells a text put into its field apart from an item the user
// chose. QComboBox::currentIndex cannot: after filling it points at the first item whatever
// the field shows.
#include <QComboBox>

class ChoiceComboBox : public QComboBox {
 public:
  explicit ChoiceComboBox(QWidget* parent = nullptr);

  // Replaces the items; no item is chosen afterwards.
  void SetItems(const QStringList& items);
  // Shows `text` in the field without choosing an item (even when an item has that text).
  void SetText(const QString& text);
  // The index of the item the user chose, or -1 when none was chosen or the field has since
  // been edited away from it.
  int ChosenIndex() const { return chosen_; }
  // What a user's choice does: select `index` and remember it as chosen.
  void Choose(int index);

 private:
  void EditTextChanged(const QString& text);

  int chosen_ = -1;
};

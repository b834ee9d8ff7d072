#pragma once
// The replace dialog: the part number to search for and the one to put in its place.
#include <QCoreApplication>
#include <cstdint>

#include "windows/CenteredDialog.h"

class QLineEdit;
class QPushButton;

class TReplaceDialog : public CenteredDialog {
  Q_DECLARE_TR_FUNCTIONS(TReplaceDialog)

 public:
  explicit TReplaceDialog(int bitsPerCell, QWidget* parent = nullptr);

  // The two part numbers (a field without a number reads 0); in range once accepted.
  uint16_t SearchPartNumber() const;
  uint16_t ReplacePartNumber() const;

  // "置き換え": closes with OK only when both fields are in range.
  void ReplaceButtonClick();

  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QPushButton* ReplaceButton;
  QPushButton* CancelButton;

 private:
  int bitsPerCell_;
};

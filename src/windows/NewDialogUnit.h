#pragma once
// The new-map dialog: map size in cells, part size in pixels and 8 or 16 bits per cell, with
// the FMF size and the largest parts image shown while typing. OK closes only when all four
// sizes are in range.
#include <QCoreApplication>

#include "windows/CenteredDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TNewDialog : public CenteredDialog {
  Q_DECLARE_TR_FUNCTIONS(TNewDialog)

 public:
  explicit TNewDialog(QWidget* parent = nullptr);

  void UpdateInfo();
  void OKButtonClick();
  // 8 when "8ビット" is chosen, else 16.
  int BitsPerCell() const;

  QLineEdit* Edit1 = nullptr;            // map width
  QLineEdit* Edit2 = nullptr;            // map height
  QLineEdit* Edit3 = nullptr;            // part width
  QLineEdit* Edit4 = nullptr;            // part height
  QRadioButton* RadioButton1 = nullptr;  // 8 bits
  QRadioButton* RadioButton2 = nullptr;  // 16 bits
  QLabel* Label10 = nullptr;             // FMF data size
  QLabel* Label11 = nullptr;             // largest parts image
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;

  // Read by the caller after OK.
  int MapWidth = 100;
  int MapHeight = 100;
  int PartWidth = 32;
  int PartHeight = 32;
  int ByteSize = 1;

 private:
  QLineEdit* AddSizeRow(class QGridLayout* grid, int row, const char* label, const char* unit,
                        const char* text, int maxLength);
  // Checks one field (no number counts as 2); on failure reports it, puts the nearest allowed
  // value in and keeps the dialog open.
  bool CheckField(QLineEdit* edit, int low, int high, const char* message, int& value);
};

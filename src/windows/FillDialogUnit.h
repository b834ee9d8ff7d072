#pragma once
// The fill dialog: what to fill the current layer with.
#include <QCoreApplication>

#include "windows/CenteredDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

class TFillDialog : public CenteredDialog {
  Q_DECLARE_TR_FUNCTIONS(TFillDialog)

 public:
  // The items of ComboBox1 that fill something; the one between them is a separator.
  enum FillContent { kSelectedParts = 0, kPattern = 1, kSeparator = 2, kTransparentPart = 3 };

  explicit TFillDialog(QWidget* parent = nullptr);

  // The chosen item: kSelectedParts, kPattern or kTransparentPart.
  int ItemIndex() const;

  // The separator cannot be chosen: it falls back to the first item.
  void ComboBox1Change(int index);

  QComboBox* ComboBox1;
  QLabel* StaticText1;
  QLabel* StaticText2;
  QPushButton* FillButton;
  QPushButton* CancelButton;
};

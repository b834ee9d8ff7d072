#pragma once
// The resize dialog: the map's size before, the new size to enter, and the FMF file size of
// both. Closing with OK asks before cells would be cut off.
#include <QCoreApplication>

#include "windows/CenteredDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TResizeDialog : public CenteredDialog {
  Q_DECLARE_TR_FUNCTIONS(TResizeDialog)

 public:
  TResizeDialog(int width, int height, int layerCount, int bitsPerCell, QWidget* parent = nullptr);

  // The entered size (0 for a field without a number); within 2..10000 once accepted.
  int NewWidth() const;
  int NewHeight() const;

  // Bytes of the map exported as FMF: (w × h × L × B) / 8 + 20, L taken as an 8-bit count.
  static long long FmfFileSize(long long width, long long height, int layerCount, int bitsPerCell);

  // Handlers: "リサイズ" checks the range first, then the dialog's close asks about shrinking.
  void ResizeButtonClick();
  void EditChange();
  bool FormCloseQuery();
  void done(int result) override;

  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLabel* StaticText7;
  QPushButton* ResizeButton;
  QPushButton* CancelButton;

 private:
  QString SizeText(long long width, long long height) const;
  QWidget* MakeBeforeGroup();
  QWidget* MakeAfterGroup();

  int width_;
  int height_;
  int layerCount_;
  int bitsPerCell_;
};

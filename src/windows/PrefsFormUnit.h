#pragma once
// The project settings: relative image paths, the transparent part, the comment.
#include <QCoreApplication>

#include "windows/CenteredDialog.h"

struct TProjectRecords;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class TPrefsForm : public CenteredDialog {
  Q_DECLARE_TR_FUNCTIONS(TPrefsForm)

 public:
  explicit TPrefsForm(int bitsPerCell, QWidget* parent = nullptr);

  // Fills the controls from the project's settings and shows the first tab.
  void LoadFrom(const TProjectRecords& records);
  // Writes the four settings back: the relative-paths flag, the transparent part's enabled
  // flag and number (0 when the field holds no number, kept to 16 bits) and the comment.
  void StoreTo(TProjectRecords& records) const;

  // "OK": checks the part number while the transparent part is enabled.
  void OKButtonClick();
  void CheckBox1Click();

  QTabWidget* PageControl1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox1;
  QLabel* Label1;
  QLineEdit* Edit1;
  QPlainTextEdit* Memo;
  QPushButton* OKButton;
  QPushButton* CancelButton;

 private:
  QWidget* MakeGeneralPage();
  QWidget* MakeCommentPage();

  int bitsPerCell_;
};

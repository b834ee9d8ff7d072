#pragma once
// The copy-layer dialog: shows the source layer's name and asks for the copy's name.
#include <QCoreApplication>

#include "windows/CenteredDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TCopyLayerDialog : public CenteredDialog {
  Q_DECLARE_TR_FUNCTIONS(TCopyLayerDialog)

 public:
  explicit TCopyLayerDialog(QWidget* parent = nullptr);

  // Shows `name` as the source and proposes `name` + "のコピー" as the new name.
  void SetSourceName(const QString& name);
  QString NewName() const;

  QLabel* SrcNameLabel;
  QLineEdit* NameEdit;
  QPushButton* OKButton;
  QPushButton* CancelButton;

 protected:
  void showEvent(QShowEvent* event) override;
};

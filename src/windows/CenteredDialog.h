#pragma once
// The base of the program's modal dialogs: it opens centred on the screen, and once its layout
// is set its size is fixed (a dialog border that cannot be dragged).
#include <QDialog>

class QLayout;

class CenteredDialog : public QDialog {
 public:
  explicit CenteredDialog(QWidget* parent = nullptr);

 protected:
  // Installs `layout` and fixes the dialog to the size it asks for.
  void SetFixedLayout(QLayout* layout);
  void showEvent(QShowEvent* event) override;
};

// Moves the window so that it stands in the middle of its screen's work area.
void CenterOnScreen(QWidget* window);

#pragma once
// What the parts, layer and preview windows share: a small window that stays on top of the
// main window, hides all tool windows on Escape, and unchecks its Show-menu item when closed
// with its close box.
#include <QWidget>

class QAction;
class TMainForm;

class TToolWindow : public QWidget {
 public:
  TToolWindow(QWidget* parent, const QString& caption, QAction* TMainForm::*showItem);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* TMainForm::*showItem_;
};

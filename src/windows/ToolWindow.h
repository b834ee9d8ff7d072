#pragma once
// What the parts, layer and preview windows share: a small window that stays on top of the
// main window, hides all tool windows on Escape, and unchecks its Show-menu item when closed
// with its close box.
#include <QWidget>

#include "formats/ProjectRecords.h"

class QAction;
class TMainForm;

class TToolWindow : public QWidget {
 public:
  TToolWindow(QWidget* parent, const QString& caption, QAction* TMainForm::*showItem);

  // Places the window's frame on `record` (see PlaceWindow). The frame's size is known only
  // once the window manager has framed the window; then the placement is made again.
  void Place(const TWindowRecord& record);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  QAction* TMainForm::*showItem_;
  TWindowRecord placement_;
  bool framed_ = false;
};

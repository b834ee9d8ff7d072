#include "windows/ToolWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMoveEvent>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/WindowPlacement.h"

TToolWindow::TToolWindow(QWidget* parent, const QString& caption, QAction* TMainForm::*showItem)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), showItem_(showItem) {
  setWindowTitle(caption);
}

void TToolWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && MainForm) {
    MainForm->HideTollWindows();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TToolWindow::closeEvent(QCloseEvent* event) {
  if (MainForm && MainForm->*showItem_) (MainForm->*showItem_)->setChecked(false);
  event->accept();
}

void TToolWindow::Place(const TWindowRecord& record) {
  placement_ = record;
  PlaceWindow(this, record);
}

void TToolWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (framed_ || frameGeometry().size() == size()) return;
  framed_ = true;
  PlaceWindow(this, placement_);
}

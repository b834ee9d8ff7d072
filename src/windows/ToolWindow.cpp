#include "windows/ToolWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"

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

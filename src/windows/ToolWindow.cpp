#include "windows/ToolWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/ToolBarButtons.h"
#include "editor/WindowPlacement.h"

namespace {

const int kUnfoldedMaxHeight = 587;

}  // namespace

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
  PlaceWindow(this, record);
}

QToolBar* TToolWindow::MakeToolBar() {
  auto* bar = new QToolBar(this);
  PrepareToolBar(bar);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  return bar;
}

QToolButton* TToolWindow::AddToolButton(QToolBar* bar, const char* image, const QString& hint,
                                        std::function<void()> click) {
  QToolButton* button = AddToolBarButton(bar, image, hint);
  connect(button, &QToolButton::clicked, this, std::move(click));
  return button;
}

QString TToolWindow::FoldHint() const {
  return Minimized ? QCoreApplication::translate("TToolWindow", "元に戻す")
                   : QCoreApplication::translate("TToolWindow", "最小化");
}

int TToolWindow::FrameExtraHeight() const {
  return frameGeometry().height() - height();
}

void TToolWindow::ToggleFolded(QToolButton* button, std::initializer_list<QWidget*> panes) {
  const int frame = FrameExtraHeight();
  // Flipped first: the resizes below lay the window out for the new state.
  Minimized = !Minimized;
  if (Minimized) {
    RestoreHeight = frameGeometry().height();
    for (QWidget* pane : panes) pane->hide();
    // A layout keeps the minimum height of the hidden panes until it is activated again.
    if (layout()) layout()->activate();
    const int folded = std::max(1, kFoldedHeight - frame);
    resize(width(), folded);
    setMaximumHeight(folded);
    button->setToolTip(FoldHint());
  } else {
    setMaximumHeight(std::max(1, kUnfoldedMaxHeight - frame));
    resize(width(), std::max(1, RestoreHeight - frame));
    for (QWidget* pane : panes) pane->show();
    button->setToolTip(FoldHint());
  }
}

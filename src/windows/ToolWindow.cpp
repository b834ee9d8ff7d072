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
  placed_ = QRect(record.left, record.top, record.width, record.height);
}

// A hidden window's own geometry is no measure: its frame is unknown or stale.
QRect TToolWindow::StoredFrame() const {
  if (isVisible() && FrameKnown(this)) return WindowFrameRect(this);
  return placed_.isValid() ? placed_ : frameGeometry();
}

void TToolWindow::setVisible(bool visible) {
  if (!visible && isVisible() && FrameKnown(this)) placed_ = WindowFrameRect(this);
  QWidget::setVisible(visible);
}

QToolBar* TToolWindow::MakeToolBar() {
  auto* bar = new QToolBar(this);
  PrepareToolBar(bar);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  toolBar_ = bar;
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

int TToolWindow::FoldedHeight() const {
  const int toolBar =
      toolBar_ ? std::max(toolBar_->sizeHint().height(), toolBar_->minimumHeight()) : 1;
  return std::max(kFoldedHeight - FrameExtraHeight(), toolBar);
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
    const int folded = FoldedHeight();
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

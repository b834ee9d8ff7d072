#include "windows/ProgressFormUnit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>

#include "platform/Prompter.h"
#include "windows/CenteredDialog.h"

namespace {
constexpr int kClientWidth = 200;
constexpr int kClientHeight = 17;
}  // namespace

TProgressForm::TProgressForm(QWidget* parent)
    : QDialog(parent), ProgressBar(new QProgressBar(this)) {
  // A small tool window: a title, but no close, minimise or maximise buttons.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowStaysOnTopHint);
  setWindowTitle(tr("進行状況"));
  setModal(false);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar->setTextVisible(false);
}

void TProgressForm::Start(int min, int max) {
  setFixedSize(kClientWidth, kClientHeight);
  ProgressBar->setGeometry(0, 0, kClientWidth, kClientHeight);
  ProgressBar->setRange(min, max);
  // A bar never shows a position outside its range; below the minimum it starts at the minimum.
  ProgressBar->setValue(qBound(ProgressBar->minimum(), 0, ProgressBar->maximum()));
  show();
  started_ = true;
}

void TProgressForm::Process() {
  if (!started_ || ProgressBar->value() >= ProgressBar->maximum()) return;
  ProgressBar->setValue(ProgressBar->value() + 1);
  ProgressBar->repaint();
  // Paint and keep the desktop responsive, but hold back clicks and keys: a command started
  // now would run in the middle of the file operation.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TProgressForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  Prompter().Beep();
}

void TProgressForm::reject() {
  Prompter().Beep();
}

void TProgressForm::showEvent(QShowEvent* event) {
  CenterOnScreen(this);
  QDialog::showEvent(event);
}

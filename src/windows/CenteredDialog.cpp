#include "windows/CenteredDialog.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

CenteredDialog::CenteredDialog(QWidget* parent) : QDialog(parent) {
  // A dialog border: a close box, no help, minimise or maximise buttons. Above the tool windows,
  // which stay on top.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
}

void CenteredDialog::SetFixedLayout(QLayout* layout) {
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setLayout(layout);
}

void CenteredDialog::showEvent(QShowEvent* event) {
  CenterOnScreen(this);
  QDialog::showEvent(event);
}

void CenterOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window->frameGeometry().size().expandedTo(window->size());
  window->move(area.x() + (area.width() - size.width()) / 2,
               area.y() + (area.height() - size.height()) / 2);
}

#include "windows/ChipView.h"

#include <QMouseEvent>
#include <QPainter>

#include "windows/ChipFormUnit.h"

TChipView::TChipView(TChipForm* form) : QWidget(form), form_(form) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TChipView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  form_->PaintView(painter, event->rect());
}

void TChipView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  form_->FormMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TChipView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  form_->FormMouseMove(p.x(), p.y());
}

void TChipView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  form_->FormMouseUp(p.x(), p.y());
}

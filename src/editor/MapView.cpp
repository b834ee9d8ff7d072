#include "editor/MapView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "editor/MainFormUnit.h"

TMapView::TMapView(TMainForm* form) : QWidget(form), form_(form) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint TMapView::ClientPoint(const QPointF& position) const {
  const QPoint p = position.toPoint();
  return {p.x(), p.y() + form_->ToolBarHeight()};
}

void TMapView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  form_->FormPaint(painter, event->rect());
}

void TMapView::resizeEvent(QResizeEvent*) {
  form_->FormResize();
}

void TMapView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = ClientPoint(event->position());
  form_->FormMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TMapView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ClientPoint(event->position());
  form_->FormMouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void TMapView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = ClientPoint(event->position());
  form_->FormMouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

// One step per notch; finer wheels add up to notches first. Qt reports the wheel turned with
// Alt held as turned sideways; it is still the wheel.
void TMapView::wheelEvent(QWheelEvent* event) {
  const QPoint angle = event->angleDelta();
  const bool alt = event->modifiers() & Qt::AltModifier;
  wheelAngle_ += angle.y() == 0 && alt ? angle.x() : angle.y();
  for (; wheelAngle_ <= -120; wheelAngle_ += 120)
    form_->FormMouseWheelDown(event->modifiers(), event->buttons());
  for (; wheelAngle_ >= 120; wheelAngle_ -= 120)
    form_->FormMouseWheelUp(event->modifiers(), event->buttons());
  event->accept();
}

namespace {

// X11 keymaps give Ctrl+Alt with the keypad's plus and minus the keysyms XF86Next_VMode and
// XF86Prev_VMode. Where the X server passes them on instead of switching screen modes, Qt
// delivers them without a key code; they are the parts window's zoom keys all the same.
constexpr quint32 kNextVModeKeysym = 0x1008FE22;
constexpr quint32 kPrevVModeKeysym = 0x1008FE23;

int KeypadKey(const QKeyEvent& event, Qt::KeyboardModifiers& modifiers) {
  modifiers = event.modifiers();
  const quint32 keysym = event.nativeVirtualKey();
  if (keysym != kNextVModeKeysym && keysym != kPrevVModeKeysym) return event.key();
  modifiers |= Qt::KeypadModifier;
  return keysym == kNextVModeKeysym ? Qt::Key_Plus : Qt::Key_Minus;
}

}  // namespace

void TMapView::keyPressEvent(QKeyEvent* event) {
  Qt::KeyboardModifiers keypadModifiers;
  const int keypadKey = KeypadKey(*event, keypadModifiers);
  if (form_->RunKeypadShortcut(keypadKey, keypadModifiers)) return;
  form_->FormKeyDown(event->key(), event->modifiers(), event->isAutoRepeat());
  const QString text = event->text();
  if (text.size() == 1) form_->FormKeyPress(text.at(0));
}

void TMapView::keyReleaseEvent(QKeyEvent* event) {
  form_->FormKeyUp(event->key(), event->modifiers(), event->isAutoRepeat());
}

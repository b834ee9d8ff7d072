#include "editor/WindowPlacement.h"

#include <QMargins>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

constexpr int kRetryMs = 30;
constexpr int kRetries = 100;
constexpr int kSettledChecks = 5;

QRect RecordRect(const TWindowRecord& record) {
  return QRect(record.left, record.top, record.width, record.height);
}

// The frame around the window as the window manager last told it. The widget's own frame
// geometry can stay stale when the frame came without the inside moving.
QMargins FrameMargins(const QWidget* window) {
  if (const QWindow* handle = window->windowHandle()) return handle->frameMargins();
  const QRect frame = window->frameGeometry(), inside = window->geometry();
  return QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                  frame.right() - inside.right(), frame.bottom() - inside.bottom());
}

void Apply(QWidget* window, const TWindowRecord& record) {
  const QMargins frame = FrameKnown(window) ? FrameMargins(window) : QMargins();
  window->move(record.left, record.top);
  window->resize(std::max(1, record.width - frame.left() - frame.right()),
                 std::max(1, record.height - frame.top() - frame.bottom()));
}

// Watches a window until the window manager has framed it where the record says. The frame
// comes a moment after the window appears, without always moving or resizing its inside, and
// the window manager may first put the frame elsewhere; so the window is checked a few times.
class TPendingPlacement : public QObject {
 public:
  explicit TPendingPlacement(QWidget* window) : QObject(window), window_(window) {
    connect(&timer_, &QTimer::timeout, this, &TPendingPlacement::Check);
  }

  void Wait(const TWindowRecord& record) {
    record_ = record;
    tries_ = settled_ = 0;
    applied_ = window_->size();
    appliedFrame_ = FrameMargins(window_);
    timer_.start(kRetryMs);
  }

 private:
  void Check() {
    if (window_->isVisible() && FrameKnown(window_)) {
      // A new size under an unchanged frame came from the user or the program, not from the
      // window manager framing the window: it wins.
      if (window_->size() != applied_ && FrameMargins(window_) == appliedFrame_) {
        Finish();
        return;
      }
      if (WindowFrameRect(window_) != RecordRect(record_)) {
        settled_ = 0;
        Apply(window_, record_);
        applied_ = window_->size();
        appliedFrame_ = FrameMargins(window_);
      } else if (++settled_ >= kSettledChecks) {
        Finish();
        return;
      }
    }
    if (++tries_ >= kRetries) Finish();
  }

  void Finish() {
    timer_.stop();
    // Out of the window's children at once: a new placement must not find this one.
    setParent(nullptr);
    deleteLater();
  }

  QWidget* window_;
  QTimer timer_;
  TWindowRecord record_;
  QSize applied_;          // the inside size the last placement gave the window
  QMargins appliedFrame_;  // the frame it had then
  int tries_ = 0;
  int settled_ = 0;
};

}  // namespace

QRect WindowFrameRect(const QWidget* window) {
  return window->geometry().marginsAdded(FrameMargins(window));
}

bool FrameKnown(const QWidget* window) {
  const QMargins m = FrameMargins(window);
  return m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0 && !m.isNull();
}

void PlaceWindow(QWidget* window, const TWindowRecord& record) {
  Apply(window, record);
  TPendingPlacement* pending = nullptr;
  for (QObject* child : window->children())
    if (auto* found = dynamic_cast<TPendingPlacement*>(child)) pending = found;
  if (!pending) pending = new TPendingPlacement(window);
  pending->Wait(record);
}

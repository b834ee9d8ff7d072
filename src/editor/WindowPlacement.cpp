#include "editor/WindowPlacement.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int kRetryMs = 30;
constexpr int kRetries = 100;

void Apply(QWidget* window, const TWindowRecord& record) {
  const QSize frame = window->frameGeometry().size() - window->size();
  window->move(record.left, record.top);
  window->resize(std::max(1, record.width - frame.width()),
                 std::max(1, record.height - frame.height()));
}

// Waits for the window manager to frame a window and places it again then. A window may be
// framed without moving or resizing its inside, so no event of its own says when.
class TPendingPlacement : public QObject {
 public:
  explicit TPendingPlacement(QWidget* window) : QObject(window), window_(window) {
    connect(&timer_, &QTimer::timeout, this, &TPendingPlacement::Check);
  }

  void Wait(const TWindowRecord& record) {
    record_ = record;
    tries_ = 0;
    timer_.start(kRetryMs);
  }

 private:
  void Check() {
    if (FrameKnown(window_)) {
      Apply(window_, record_);
    } else if (++tries_ < kRetries) {
      return;
    }
    timer_.stop();
    // Out of the window's children at once: a new placement must not find this one.
    setParent(nullptr);
    deleteLater();
  }

  QWidget* window_;
  QTimer timer_;
  TWindowRecord record_;
  int tries_ = 0;
};

}  // namespace

bool FrameKnown(const QWidget* window) {
  return window->frameGeometry().size() != window->size();
}

void PlaceWindow(QWidget* window, const TWindowRecord& record) {
  Apply(window, record);
  TPendingPlacement* pending = nullptr;
  for (QObject* child : window->children())
    if (auto* found = dynamic_cast<TPendingPlacement*>(child)) pending = found;
  if (FrameKnown(window)) {
    delete pending;
    return;
  }
  if (!pending) pending = new TPendingPlacement(window);
  pending->Wait(record);
}

#include "editor/WindowPlacement.h"

#include <QWidget>
#include <algorithm>

void PlaceWindow(QWidget* window, const TWindowRecord& record) {
  const QSize frame = window->frameGeometry().size() - window->size();
  window->move(record.left, record.top);
  window->resize(std::max(1, record.width - frame.width()),
                 std::max(1, record.height - frame.height()));
}

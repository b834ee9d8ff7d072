#include "editor/ScrollBar.h"

#include <algorithm>

TScrollBar::TScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
  setFocusPolicy(Qt::NoFocus);
  setSingleStep(1);
  connect(this, &QAbstractSlider::actionTriggered, this, [this](int) {
    if (!OnScroll) return;
    int position = sliderPosition();
    OnScroll(position);
    setSliderPosition(position);
  });
}

void TScrollBar::SetBounds(int max, int largeChange) {
  max_ = max;
  largeChange_ = largeChange;
  pageSize_ = std::min(largeChange + 1, max);
  setPageStep(std::max(1, largeChange));
  setRange(0, std::max(0, max - largeChange));
}

#pragma once
// A scroll bar with the editor's bounds: positions run from 0 to Max - LargeChange, so that the
// last position still fills the view with whole cells. The views keep Max and LargeChange in
// cells and let the bar do the clamping below 0 and above the end.
#include <QScrollBar>
#include <functional>

class TScrollBar : public QScrollBar {
 public:
  TScrollBar(Qt::Orientation orientation, QWidget* parent);

  // max: the map size in cells; largeChange: whole cells the view shows.
  void SetBounds(int max, int largeChange);
  int Max() const { return max_; }
  int LargeChange() const { return largeChange_; }
  // LargeChange + 1, but at most Max.
  int PageSize() const { return pageSize_; }
  int Position() const { return value(); }
  // Clamped into the bar's range; valueChanged() follows when the position changes.
  void SetPosition(int position) { setValue(position); }

  // Called with the position a user drag or step asks for, to limit it before it is taken.
  std::function<void(int&)> OnScroll;

 private:
  int max_ = 0;
  int largeChange_ = 0;
  int pageSize_ = 0;
};

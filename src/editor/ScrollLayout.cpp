#include "editor/ScrollLayout.h"

#include <QSignalBlocker>
#include <algorithm>

#include "editor/LayoutErrors.h"
#include "editor/ScrollBar.h"

TScrollLayout FitScrollBars(const TScrollBar& horizontal, const TScrollBar& vertical, QSize area,
                            int contentWidth, int contentHeight) {
  const int barHeight = horizontal.sizeHint().height();
  const int barWidth = vertical.sizeHint().width();
  TScrollLayout layout;
  layout.horizontal = area.width() < contentWidth;
  int viewHeight = area.height() - (layout.horizontal ? barHeight : 0);
  layout.vertical = viewHeight < contentHeight;
  int viewWidth = area.width() - (layout.vertical ? barWidth : 0);
  // The vertical bar may take the width that the content just fitted into; without a
  // horizontal bar then, the last column could never be scrolled into view.
  if (!layout.horizontal && viewWidth < contentWidth) {
    layout.horizontal = true;
    viewHeight -= barHeight;
  }
  // An area squeezed smaller than the scroll bars leaves an empty view, not an error.
  layout.viewWidth = std::max(0, viewWidth);
  layout.viewHeight = std::max(0, viewHeight);
  return layout;
}

void PlaceScrollBars(TScrollBar& horizontal, TScrollBar& vertical, const QRect& area,
                     const TScrollLayout& layout, QSize cell, int cellsAcross, int cellsDown) {
  const int barHeight = horizontal.sizeHint().height();
  const int barWidth = vertical.sizeHint().width();
  const QSignalBlocker blockH(horizontal), blockV(vertical);
  horizontal.setGeometry(area.left(), area.top() + area.height() - barHeight, layout.viewWidth,
                         barHeight);
  horizontal.setVisible(layout.horizontal);
  horizontal.SetBounds(cellsAcross, Divide(layout.viewWidth, cell.width()));
  vertical.setGeometry(area.left() + area.width() - barWidth, area.top(), barWidth,
                       layout.viewHeight);
  vertical.setVisible(layout.vertical);
  vertical.SetBounds(cellsDown, Divide(layout.viewHeight, cell.height()));
}

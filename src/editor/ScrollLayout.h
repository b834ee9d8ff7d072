#pragma once
// How a view shares its area with a horizontal scroll bar along its bottom edge and a vertical
// one along its right edge. The main view, the parts window and the preview all lay out alike.
#include <QRect>

class TScrollBar;

struct TScrollLayout {
  int viewWidth = 0;
  int viewHeight = 0;
  bool horizontal = false;  // the horizontal bar is needed
  bool vertical = false;
};

// The bars needed for content of contentWidth x contentHeight pixels in an area of `area`
// pixels, and the view beside them (never negative). Whatever the content does not fit into
// gets a bar, so every part of it can be scrolled into view.
TScrollLayout FitScrollBars(const TScrollBar& horizontal, const TScrollBar& vertical, QSize area,
                            int contentWidth, int contentHeight);

// Places and shows the needed bars in `area` beside the view, and bounds them to the content's
// cellsAcross x cellsDown cells, of which the view shows whole cells of `cell` pixels. Emits no
// scroll signals. Raises DivisionByZero (editor/LayoutErrors.h) for a cell without width or
// height.
void PlaceScrollBars(TScrollBar& horizontal, TScrollBar& vertical, const QRect& area,
                     const TScrollLayout& layout, QSize cell, int cellsAcross, int cellsDown);

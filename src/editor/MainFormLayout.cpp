// The main view's layout: its size beside the scroll bars, scrolling, the conversion of client
// points to cells, and zoom.
#include <QElapsedTimer>
#include <QToolBar>
#include <algorithm>
#include <string>

#include "editor/Globals.h"
#include "editor/LayoutErrors.h"
#include "editor/MainFormUnit.h"
#include "editor/MapView.h"
#include "editor/ScrollBar.h"
#include "editor/ScrollLayout.h"
#include "editor/StatusBar.h"
#include "editor/ZoomSteps.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/PreviewFormUnit.h"

int TMainForm::ToolBarHeight() const {
  return ToolBar ? ToolBar->height() : 0;
}

void TMainForm::GetClientSize(int& width, int& height) const {
  width = ViewWidth;
  height = ViewHeight;
}

// --- layout and scrolling ---------------------------------------------------------------------

void TMainForm::FormResize() {
  if (!Map || !HorizScrollBar || !View) return;
  ReportLayoutErrors([this] {
    LayOutScrollBars(View->width(), View->height());
    BackBuffer.SetSize(ViewWidth, ViewHeight);
  });
  if (StatusBar) StatusBar->SizePanelsToThirds();
  PaintScrollBarCorner();
  if (PreviewForm) PreviewForm->DrawViewFrame();
  UpdateFullCanvas();
}

// The area is the client area between toolbar and status bar.
void TMainForm::LayOutScrollBars(int areaWidth, int areaHeight) {
  const QRect area(0, 0, areaWidth, areaHeight);
  const TScrollLayout layout =
      FitScrollBars(*HorizScrollBar, *VertScrollBar, area.size(), CellWidth * Map->GetWidth(),
                    CellHeight * Map->GetHeight());
  ViewWidth = layout.viewWidth;
  ViewHeight = layout.viewHeight;
  PlaceScrollBars(*HorizScrollBar, *VertScrollBar, area, layout, QSize(CellWidth, CellHeight),
                  Map->GetWidth(), Map->GetHeight());
  TakeScrollPositions();
}

void TMainForm::PaintScrollBarCorner() {
  if (!ScrollCorner || !View) return;
  const QRect corner(ViewWidth, ViewHeight, View->width() - ViewWidth, View->height() - ViewHeight);
  const bool shown = HorizScrollBar->isVisibleTo(View) && VertScrollBar->isVisibleTo(View) &&
                     corner.width() > 0 && corner.height() > 0;
  ScrollCorner->setGeometry(corner);
  ScrollCorner->setVisible(shown);
}

void TMainForm::TakeScrollPositions() {
  ScrollX = HorizScrollBar->Position();
  ScrollY = VertScrollBar->Position();
  TopLeftIndex = (Map ? Map->GetWidth() : 0) * ScrollY + ScrollX;
}

void TMainForm::HorizScrollBarScroll(int& position) {
  if (Map) position = std::min(position, Map->GetWidth() - HorizScrollBar->LargeChange());
}

void TMainForm::VertScrollBarScroll(int& position) {
  if (Map) position = std::min(position, Map->GetHeight() - VertScrollBar->LargeChange());
}

void TMainForm::HorizScrollBarChange() {
  TakeScrollPositions();
  UpdateFullCanvas();
  if (PreviewForm) PreviewForm->DrawViewFrame();
}

void TMainForm::VertScrollBarChange() {
  HorizScrollBarChange();
}

void TMainForm::SetHorizPosition(int position) {
  HorizScrollBarScroll(position);
  HorizScrollBar->SetPosition(position);
}

void TMainForm::SetVertPosition(int position) {
  VertScrollBarScroll(position);
  VertScrollBar->SetPosition(position);
}

void TMainForm::PointToCell(int x, int y, QPoint& viewCell, QPoint& mapCell) const {
  viewCell = QPoint(x / CellWidth, (y - ToolBarHeight()) / CellHeight);
  const int maxX = Map ? Map->GetWidth() - 1 : 0, maxY = Map ? Map->GetHeight() - 1 : 0;
  mapCell = QPoint(std::clamp(viewCell.x() + ScrollX, 0, std::max(0, maxX)),
                   std::clamp(viewCell.y() + ScrollY, 0, std::max(0, maxY)));
}

// --- zoom and measuring -----------------------------------------------------------------------

void TMainForm::I1Click() {
  ZoomView(1);
}

void TMainForm::O1Click() {
  ZoomView(-1);
}

void TMainForm::ZoomView(int direction) {
  if (!Map ||
      !StepZoom(CellWidth, CellHeight, Map->GetPartWidth(), Map->GetPartHeight(), direction))
    return;
  FormResize();
  FormatTittle();
  ToolButtonMediator();
}

void TMainForm::Z1Click() {
  if (!Map) return;
  CellWidth = Map->GetPartWidth();
  CellHeight = Map->GetPartHeight();
  FormResize();
  FormatTittle();
}

void TMainForm::N33Click() {
  QElapsedTimer clock;
  clock.start();
  int count = 0;
  do {
    UpdateFullCanvas();
    ++count;
  } while (clock.elapsed() < 1000);
  Prompter().ShowMessage(std::to_string(count) + "fps");
}

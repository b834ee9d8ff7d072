// Drawing the part grid into the back buffer, the layout with its scroll bars, rolling up.
#include <QApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "editor/Globals.h"
#include "editor/GridLines.h"
#include "editor/LayoutErrors.h"
#include "editor/MainFormUnit.h"
#include "editor/ScrollBar.h"
#include "editor/ScrollLayout.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/ChipView.h"
#include "windows/LayerFormUnit.h"

namespace {

const uint32_t kGrid = 0x888888;

// The outline of a frame whose right and bottom edges are one past its last pixels, for a
// one-pixel pen.
QRect OutlineRect(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

}  // namespace

// --- redraw -----------------------------------------------------------------------------------

void TChipForm::UpdateFullCanvas() {
  if (!Map || !Map->IsReady() || !LayerForm || BackBuffer.Empty()) return;
  const QRect all(0, 0, BackBuffer.Width(), BackBuffer.Height());
  if (MainForm)
    MainForm->BackgroundBrush.Fill(BackBuffer, all);
  else
    BackBuffer.Fill(0xFFFFFF);
  DrawFullChips();
  DrawFullGridLine();
  DrawTransparentPartMark();
  DrawCurrentSelection();
  View->update();
  // Whatever changed the picture may have changed the current layer's image too.
  CheckDelImageToolButton();
}

// One scaled copy of the whole image from the top-left visible part on; the copy leaves alone
// what lies beyond the image.
void TChipForm::DrawFullChips() {
  const TMapChip* chip = CurrentChip();
  if (!chip || !chip->Image) return;
  TBitmap& image = *chip->Image;
  const int pw = Map->GetPartWidth(), ph = Map->GetPartHeight();
  if (pw <= 0 || ph <= 0) return;
  const int width = static_cast<int>(std::lround(double(image.Width()) * DrawWidth / pw));
  const int height = static_cast<int>(std::lround(double(image.Height()) * DrawHeight / ph));
  CDIBCopyRect32(BackBuffer, 0, 0, width, height, image, pw * ScrollX, ph * ScrollY, image.Width(),
                 image.Height());
}

void TChipForm::DrawFullGridLine() {
  if (!GridFits(DrawWidth, DrawHeight)) return;
  const int r = PartsPerRow;
  const int across = ViewWidth / DrawWidth, down = ViewHeight / DrawHeight;
  const int nx = std::min(r, across), ny = std::min(r, down);
  const int right = across < r - ScrollX ? BackBuffer.Width() : (r - ScrollX) * DrawWidth;
  const int bottom = down < r - ScrollY ? BackBuffer.Height() : (r - ScrollY) * DrawHeight;
  for (int k = 0; k <= ny; ++k) DrawHorizontalLine(BackBuffer, 0, right - 1, k * DrawHeight, kGrid);
  for (int k = 0; k <= nx; ++k) DrawVerticalLine(BackBuffer, k * DrawWidth, 0, bottom - 1, kGrid);
}

void TChipForm::DrawTransparentPartMark() {
  if (!MainForm || !MainForm->Records.transparentPart.enabled || PartsPerRow == 0) return;
  const int part = MainForm->Records.transparentPart.number;
  const int px = (part % PartsPerRow - ScrollX) * DrawWidth;
  const int py = (part / PartsPerRow - ScrollY) * DrawHeight;
  QImage view = BackBuffer.View();
  QPainter painter(&view);
  painter.setPen(QPen(Qt::red, 2));
  painter.setBrush(
      QBrush(QApplication::palette().color(QPalette::Highlight), Qt::DiagCrossPattern));
  painter.drawRect(OutlineRect(px + 1, py + 1, px + DrawWidth, py + DrawHeight));
}

void TChipForm::DrawCurrentSelection() {
  if (!Selection.active) return;
  TCellRange s = Selection;
  FixSelection(s);
  const int left = (s.x - ScrollX) * DrawWidth, top = (s.y - ScrollY) * DrawHeight;
  const int right = (s.x - ScrollX + s.dx + 1) * DrawWidth;
  const int bottom = (s.y - ScrollY + s.dy + 1) * DrawHeight;
  QImage view = BackBuffer.View();
  QPainter painter(&view);
  painter.setPen(Qt::white);
  painter.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
  painter.drawRect(OutlineRect(left, top, right, bottom));
}

void TChipForm::PaintView(QPainter& painter, const QRect& area) {
  if (BackBuffer.Empty()) {
    painter.fillRect(area, palette().window());
    return;
  }
  painter.drawImage(QPoint(0, 0), BackBuffer.View());
}

// --- layout and scrolling ---------------------------------------------------------------------

void TChipForm::resizeEvent(QResizeEvent* event) {
  TToolWindow::resizeEvent(event);
  FormResize();
}

// The toolbar stays at the top and the status bar at the bottom, but never over the toolbar:
// rolled up, only the toolbar shows.
void TChipForm::PlaceBars() {
  const int toolBar = ToolBar->sizeHint().height(), status = StatusBar->sizeHint().height();
  ToolBar->setGeometry(0, 0, width(), toolBar);
  StatusBar->setGeometry(0, std::max(toolBar, height() - status), width(), status);
}

void TChipForm::FormResize() {
  if (!HorizScrollBar) return;
  PlaceBars();
  if (Minimized) return;
  ReportLayoutErrors([this] { LayOutView(); });
  UpdateFullCanvas();
}

void TChipForm::LayOutView() {
  const int r = PartsPerRow;
  const int toolBar = ToolBar->height();
  const QRect area(0, toolBar, width(), height() - StatusBar->height() - toolBar);
  const TScrollLayout layout =
      FitScrollBars(*HorizScrollBar, *VertScrollBar, area.size(), DrawWidth * r, DrawHeight * r);
  ViewWidth = layout.viewWidth;
  ViewHeight = layout.viewHeight;
  PlaceScrollBars(*HorizScrollBar, *VertScrollBar, area, layout, QSize(DrawWidth, DrawHeight), r,
                  r);
  View->setGeometry(0, toolBar, ViewWidth, ViewHeight);
  BackBuffer.SetSize(ViewWidth, ViewHeight);
  TakeScrollPositions();
  StatusBar->SizePanelsToThirds();
}

void TChipForm::TakeScrollPositions() {
  ScrollX = HorizScrollBar->Position();
  ScrollY = VertScrollBar->Position();
  TopLeftIndex = ScrollY * PartsPerRow + ScrollX;
}

void TChipForm::ToolButton13Click() {
  ToggleFolded(ToolButton13, {HorizScrollBar, VertScrollBar});
  FormResize();
}

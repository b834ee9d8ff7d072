// The map view's drawing: the layers, the floating block, part numbers, grid, selection and
// cursor frames into the back buffer, the back buffer onto the window, and the status texts
// that follow the view.
#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "editor/Globals.h"
#include "editor/GridLines.h"
#include "editor/LayerRenderer.h"
#include "editor/MainFormUnit.h"
#include "editor/MapView.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

const uint32_t kGrid = 0x888888;

// Corner points of a frame as a QRect for a one-pixel pen: the outline covers left .. right - 1.
QRect OutlineRect(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

// Cells to draw from a view position: one more than asked (or than fit), but only cells that
// exist on the map.
int CellsToDraw(int first, int count, int visible, int mapSize, int scroll) {
  int n = count + 1;
  if (first + count > visible) n = visible + 1;
  return std::min(n, mapSize - scroll - first);
}

// The columns and rows to draw from view cell (column, row) for a request of columns x rows,
// counting a partly visible cell at the view's edges.
QSize CellsToDraw(const TMainForm& form, int column, int row, int columns, int rows) {
  const int visibleColumns = static_cast<int>(std::ceil(double(form.ViewWidth) / form.CellWidth));
  const int visibleRows = static_cast<int>(std::ceil(double(form.ViewHeight) / form.CellHeight));
  return QSize(CellsToDraw(column, columns, visibleColumns, Map->GetWidth(), form.ScrollX),
               CellsToDraw(row, rows, visibleRows, Map->GetHeight(), form.ScrollY));
}

const char kSelectionRange[] = QT_TRANSLATE_NOOP("TMainForm", "選択範囲(%1, %2)-(%3, %4)");
const char kVisibleRange[] = QT_TRANSLATE_NOOP("TMainForm", "表示範囲(%1, %2)-(%3, %4)");

std::string RangeText(const char* format, int x0, int y0, int x1, int y1) {
  return QCoreApplication::translate("TMainForm", format)
      .arg(x0)
      .arg(y0)
      .arg(x1)
      .arg(y1)
      .toStdString();
}

}  // namespace

void TMainForm::SetStatusText(int panel, const std::string& text) {
  if (StatusBar) StatusBar->SetPanelText(panel, QString::fromStdString(text));
}

// --- full and partial redraws -----------------------------------------------------------------

void TMainForm::UpdateFullCanvas() {
  if (!DrawingEnabled || !Map || BackBuffer.Empty()) return;
  BackgroundBrush.Fill(BackBuffer, QRect(0, 0, BackBuffer.Width(), BackBuffer.Height()));
  const int columns = std::min(Map->GetWidth(), ViewWidth / CellWidth) + 1;
  const int rows = std::min(Map->GetHeight(), ViewHeight / CellHeight) + 1;
  DrawSelectionChip(0, 0, columns, rows);
  DrawSelectedDataChip();
  if (Records.env.partNumbers) DrawChipNumber(0, 0, columns, rows);
  if (Records.env.grid) DrawGridLine();
  DrawCurrentSelection();
  if (Dragging && Tool == TToolKind::TilePen)
    DrawActiveGridLineFill(Selection.x - ScrollX, Selection.y - ScrollY);
  // The whole window is copied again, so the cursor frame is gone until the mouse moves on.
  ActiveFrameShown = false;
  View->update();
  UpdateVisibleRangePanel();
  RefreshCursorPanel();
  ToolButtonMediator();
}

void TMainForm::UpdateStatusPanels() {
  if (!Map || !StatusBar) return;
  UpdateCursorPanel(LastCell, LastCell + QPoint(ScrollX, ScrollY));
  TCellRange s = Selection;
  FixSelection(s);
  SetStatusText(1, RangeText(kSelectionRange, s.x, s.y, s.x + s.dx, s.y + s.dy));
  UpdateVisibleRangePanel();
}

void TMainForm::UpdateVisibleRangePanel() {
  const int across = ViewWidth / CellWidth, down = ViewHeight / CellHeight;
  const int lastColumn = Map->GetWidth() < across ? Map->GetWidth() - 1 : across + ScrollX - 1;
  const int lastRow = Map->GetHeight() < down ? Map->GetHeight() - 1 : down + ScrollY - 1;
  SetStatusText(2, RangeText(kVisibleRange, ScrollX, ScrollY, lastColumn, lastRow));
}

void TMainForm::UpdateCanvas(int column, int row, int dx, int dy) {
  if (!DrawingEnabled || !Map || BackBuffer.Empty()) return;
  const QRect area(column * CellWidth, row * CellHeight, (dx + 1) * CellWidth,
                   (dy + 1) * CellHeight);
  BackgroundBrush.Fill(BackBuffer, area);
  DrawSelectionChip(column, row, dx, dy);
  DrawSelectedDataChip();
  if (Records.env.partNumbers) DrawChipNumber(column, row, dx, dy);
  if (Records.env.grid) DrawGridLine();
  DrawCurrentSelection();
  View->update(area);
  RefreshCursorPanel();
  ToolButtonMediator();
}

// --- layers -----------------------------------------------------------------------------------

TLayerDrawing TMainForm::LayerDrawing() const {
  TLayerDrawing d;
  d.cellWidth = CellWidth;
  d.cellHeight = CellHeight;
  d.scrollX = ScrollX;
  d.scrollY = ScrollY;
  d.perRow = ChipForm ? ChipForm->PartsPerRow : 0;
  d.keyed = Records.colorKey.enabled;
  d.keyColour = Records.colorKey.color;
  d.skipPart = Records.transparentPart.enabled;
  d.skippedPart = Records.transparentPart.number;
  d.marker = Records.marker.currentLayer;
  d.currentLayer = CurrentLayerIndex();
  return d;
}

void TMainForm::DrawSelectionChip(int column, int row, int columns, int rows) {
  if (!Map || !DrawingEnabled) return;
  const QSize drawn = CellsToDraw(*this, column, row, columns, rows);
  const int across = drawn.width(), down = drawn.height();
  std::vector<int> layers;
  std::vector<const TMapChip*> chips;
  for (int l = 0; l < Map->LayerCount(); ++l) {
    const TMapChip* chip = Map->LayerAt(l).Chip;
    if (!chip || !chip->Image) continue;
    if (LayerForm && !LayerForm->GetLayerVisibleState(l)) continue;
    layers.push_back(l);
    chips.push_back(chip);
  }
  PartCovers.Prune(chips);
  TLayerRenderer(BackBuffer, *Map, LayerDrawing())
      .DrawLayers(layers, PartCovers, column, row, across, down);
}

// The floating block, over all layers.
void TMainForm::DrawSelectedDataChip() {
  if (!Map || !Floating || !SelectData.source.active || SelectData.data.empty()) return;
  if (!Map->IsValidLayer(SelectData.layer)) return;
  const TMapChip* chip = Map->GetLayerChip(SelectData.layer);
  if (!chip || !chip->Image) return;
  const size_t pitch = static_cast<size_t>(SelectData.source.dx) + 1;
  TLayerRenderer parts(BackBuffer, *Map, LayerDrawing());
  for (int r = 0; r <= Selection.dy; ++r) {
    for (int c = 0; c <= Selection.dx; ++c) {
      const size_t index = pitch * r + c;
      if (index >= SelectData.data.size()) continue;
      const int part = SelectData.data[index];
      if (Records.transparentPart.enabled && part == Records.transparentPart.number) continue;
      parts.DrawPart(*chip->Image, part, (Selection.x + c - ScrollX) * CellWidth,
                     (Selection.y + r - ScrollY) * CellHeight);
    }
  }
}

void TMainForm::DrawChipNumber(int column, int row, int columns, int rows) {
  if (!Map || !LayerForm) return;
  const int layer = LayerForm->GetCurrentLayerIndex();
  if (!Map->IsValidLayer(layer) || !LayerForm->GetLayerVisibleState(layer)) return;
  const QSize drawn = CellsToDraw(*this, column, row, columns, rows);
  const int across = drawn.width(), down = drawn.height();
  const TMapLayer& cells = Map->LayerAt(layer);
  NumberStamps.UseFont(QFont());
  for (int r = 0; r < down; ++r) {
    const int mapY = ScrollY + row + r;
    if (mapY < 0 || mapY >= Map->GetHeight()) continue;
    for (int c = 0; c < across; ++c) {
      const int mapX = ScrollX + column + c;
      if (mapX < 0 || mapX >= Map->GetWidth()) continue;
      const int part = cells.Cells[static_cast<size_t>(mapY) * Map->GetWidth() + mapX];
      NumberStamps.Draw(BackBuffer, (column + c) * CellWidth + 1, (row + r) * CellHeight, part);
    }
  }
}

// --- grid, selection and cursor frames --------------------------------------------------------

void TMainForm::DrawGridLine() {
  if (!Map || BackBuffer.Empty() || !GridFits(CellWidth, CellHeight)) return;
  const int across = ViewWidth / CellWidth, down = ViewHeight / CellHeight;
  const int n = std::min(Map->GetWidth(), across), m = std::min(Map->GetHeight(), down);
  const int right = across >= Map->GetWidth() - ScrollX ? (Map->GetWidth() - ScrollX) * CellWidth
                                                        : BackBuffer.Width();
  const int bottom = down >= Map->GetHeight() - ScrollY ? (Map->GetHeight() - ScrollY) * CellHeight
                                                        : BackBuffer.Height();
  for (int i = 0; i <= m; ++i) DrawHorizontalLine(BackBuffer, 0, right - 1, i * CellHeight, kGrid);
  for (int j = 0; j <= n; ++j) DrawVerticalLine(BackBuffer, j * CellWidth, 0, bottom - 1, kGrid);
}

void TMainForm::DrawCurrentSelection() {
  if (!Map || !Selection.active || BackBuffer.Empty()) return;
  TCellRange s = Selection;
  FixSelection(s);
  const int left = (s.x - ScrollX) * CellWidth, top = (s.y - ScrollY) * CellHeight;
  const int right = (s.x - ScrollX + s.dx + 1) * CellWidth + 1;
  const int bottom = (s.y - ScrollY + s.dy + 1) * CellHeight + 1;
  {
    QImage view = BackBuffer.View();
    QPainter painter(&view);
    painter.setPen(Qt::white);
    painter.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
    painter.drawRect(OutlineRect(left, top, right, bottom));
  }
  SetStatusText(1, RangeText(kSelectionRange, s.x, s.y, s.x + s.dx, s.y + s.dy));
}

void TMainForm::DrawActiveGridLine(int x, int y) {
  if (!Map || !DrawingEnabled || !Records.env.cursorGrid) return;
  const TCellRange block =
      PatternMode ? PatternData.source : (ChipForm ? ChipForm->GetSelectedInfo() : TCellRange());
  if (!block.active) return;
  ActiveFrameShown = false;
  if (Tool == TToolKind::Pen || Tool == TToolKind::TilePen || Tool == TToolKind::Fill) {
    const int toolBar = ToolBarHeight();
    ActiveFrame = {(x - ScrollX) * CellWidth + 3, (y - ScrollY) * CellHeight + toolBar + 3,
                   (x + block.dx - ScrollX + 1) * CellWidth - 2,
                   (y + block.dy - ScrollY + 1) * CellHeight + toolBar - 2};
    ActiveFrameShown = true;
  }
  View->update();
  PaintScrollBarCorner();
}

void TMainForm::FrameOnBackBuffer(const TFrameRect& frame, uint32_t colour) {
  QImage view = BackBuffer.View();
  QPainter painter(&view);
  painter.setPen(QColor::fromRgb(colour));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(OutlineRect(frame.left, frame.top, frame.right, frame.bottom));
}

void TMainForm::DrawActiveGridLineFill(int column, int row) {
  if (!Map || !DrawingEnabled || !Records.env.cursorGrid || Tool != TToolKind::TilePen) return;
  const TCellRange block =
      PatternMode ? PatternData.source : (ChipForm ? ChipForm->GetSelectedInfo() : TCellRange());
  if (!block.active) return;
  const int w = block.dx + 1, h = block.dy + 1;
  int a = column % w, b = row % h;
  if (a != 0) a -= w;
  if (b != 0) b -= h;
  const int tileRows = ViewHeight / CellHeight / h + 1, tileColumns = ViewWidth / CellWidth / w + 1;
  for (int i = 0; i <= tileRows; ++i)
    for (int j = 0; j <= tileColumns; ++j)
      FrameOnBackBuffer({(a + j * w) * CellWidth + 3, (b + i * h) * CellHeight + 3,
                         (a + (j + 1) * w) * CellWidth - 2, (b + (i + 1) * h) * CellHeight - 2},
                        0xFF0000);
  PaintScrollBarCorner();
}

void TMainForm::FormPaint(QPainter& painter, const QRect& area) {
  if (!DrawingEnabled || BackBuffer.Empty()) {
    painter.fillRect(area, palette().window());
    return;
  }
  painter.drawImage(QPoint(0, 0), BackBuffer.View());
  if (!ActiveFrameShown) return;
  const int toolBar = ToolBarHeight();
  painter.setPen(QColor(255, 0, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(OutlineRect(ActiveFrame.left, ActiveFrame.top - toolBar, ActiveFrame.right,
                               ActiveFrame.bottom - toolBar));
}

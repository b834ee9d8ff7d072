#include "windows/PreviewFormUnit.h"

#include <QEvent>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/ScrollBar.h"
#include "editor/ScrollLayout.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"

namespace {

constexpr int kMinWidth = 120;

}  // namespace

TPreviewForm::TPreviewForm(QWidget* parent) : TToolWindow(parent, QString(), &TMainForm::N2) {
  CreateToolBar();
  CreateBars();
  RetranslateUi();
  ResetPreview();
  show();
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::CreateToolBar() {
  ToolBar = MakeToolBar();
  ToolBar->addSeparator();
  ToolButton2 = AddToolButton(ToolBar, "zoomin", QString(), [this] { ToolButton2Click(); });
  ToolButton3 = AddToolButton(ToolBar, "zoomout", QString(), [this] { ToolButton3Click(); });
  ToolBar->addSeparator();
  ToolButton5 = AddToolButton(ToolBar, "fold", QString(), [this] { ToolButton5Click(); });
  ToolBar->setFixedHeight(ToolBar->sizeHint().height());
}

void TPreviewForm::CreateBars() {
  HorizScrollBar = new TScrollBar(Qt::Horizontal, this);
  VertScrollBar = new TScrollBar(Qt::Vertical, this);
  connect(HorizScrollBar, &QScrollBar::valueChanged, this, [this] { ScrollBarChange(); });
  connect(VertScrollBar, &QScrollBar::valueChanged, this, [this] { ScrollBarChange(); });
  StatusBar = new TStatusBar(this);
  StatusBar->AddPanel(QString(), 150);
  StatusBar->setFixedHeight(StatusBar->sizeHint().height());
}

int TPreviewForm::ToolBarHeight() const {
  return ToolBar ? ToolBar->height() : 0;
}

void TPreviewForm::SetSizeLimits() {
  const int statusBar = Minimized ? 0 : StatusBar->height();
  setMinimumSize(kMinWidth, ToolBarHeight() + statusBar);
}

void TPreviewForm::ResetPreview() {
  if (!MainForm) return;
  TWindowRecord placement = MainForm->Records.previewWin;
  if (Minimized) {
    // Folding survives new maps: the stored height is what unfolding comes back to.
    RestoreHeight = placement.height;
    placement.height = frameGeometry().height();
  }
  Place(placement);
  PreviewScale = std::clamp<int>(MainForm->Records.previewWin.zoom, 1, 4);
  BackBuffer = TBitmap(1, 1, TPixelFormat::pf32bit);
  SetSizeLimits();
  PlaceFixedBars();
  FormResize();
  UpdateStatus();
  MainForm->FocusMainWindow();
}

// --- layout -------------------------------------------------------------------------------------

void TPreviewForm::resizeEvent(QResizeEvent* event) {
  TToolWindow::resizeEvent(event);
  PlaceFixedBars();
  FormResize();
}

// The frame is not kept up to date while the window is hidden.
void TPreviewForm::showEvent(QShowEvent* event) {
  TToolWindow::showEvent(event);
  DrawViewFrame();
}

void TPreviewForm::PlaceFixedBars() {
  ToolBar->setGeometry(0, 0, width(), ToolBar->height());
  StatusBar->setGeometry(0, height() - StatusBar->height(), width(), StatusBar->height());
}

void TPreviewForm::FormResize() {
  if (!Map || !Map->IsReady() || Map->LayerCount() == 0 || Minimized) return;
  const int w = Map->GetWidth(), h = Map->GetHeight(), s = PreviewScale;
  const QRect area(0, ToolBarHeight(), width(), height() - ToolBarHeight() - StatusBar->height());
  TScrollLayout layout = FitScrollBars(*HorizScrollBar, *VertScrollBar, area.size(), w * s, h * s);
  layout.viewWidth = PreviewWidth = std::max(1, layout.viewWidth);
  layout.viewHeight = PreviewHeight = std::max(1, layout.viewHeight);
  PlaceScrollBars(*HorizScrollBar, *VertScrollBar, area, layout, QSize(s, s), w, h);
  TakeScrollPositions();
  BackBuffer.SetSize(PreviewWidth, PreviewHeight);
  BackBuffer.Fill(0xFFFFFF);
  RefreshPreview();
}

void TPreviewForm::TakeScrollPositions() {
  PreviewLeft = HorizScrollBar->Position();
  PreviewTop = VertScrollBar->Position();
  PreviewOrigin = PreviewTop * (Map ? Map->GetWidth() : 0) + PreviewLeft;
}

void TPreviewForm::ScrollBarChange() {
  TakeScrollPositions();
  RefreshPreview();
}

// --- zoom and folding ---------------------------------------------------------------------------

void TPreviewForm::ToolButton2Click() {
  PreviewScale = std::min(4, PreviewScale + 1);
  FormResize();
  UpdateStatus();
}

void TPreviewForm::ToolButton3Click() {
  PreviewScale = std::max(1, PreviewScale - 1);
  FormResize();
  UpdateStatus();
}

void TPreviewForm::ToolButton5Click() {
  if (Minimized)
    Unfold();
  else
    Fold();
}

void TPreviewForm::RetranslateUi() {
  setWindowTitle(tr("プレビュー"));
  ToolButton2->setToolTip(tr("表示拡大"));
  ToolButton3->setToolTip(tr("表示縮小"));
  ToolButton5->setToolTip(FoldHint());
  UpdateStatus();
}

void TPreviewForm::changeEvent(QEvent* event) {
  TToolWindow::changeEvent(event);
  if (event->type() == QEvent::LanguageChange && StatusBar) RetranslateUi();
}

void TPreviewForm::Fold() {
  Minimized = true;
  RestoreHeight = frameGeometry().height();
  SetSizeLimits();
  resize(width(), FoldedHeight());
  setMaximumHeight(height());
  StatusBar->hide();
  HorizScrollBar->hide();
  VertScrollBar->hide();
  ToolButton5->setToolTip(FoldHint());
  FormResize();
}

void TPreviewForm::Unfold() {
  setMaximumHeight(QWIDGETSIZE_MAX);
  resize(width(), std::max(1, RestoreHeight - FrameExtraHeight()));
  StatusBar->show();
  HorizScrollBar->show();
  VertScrollBar->show();
  Minimized = false;
  SetSizeLimits();
  ToolButton5->setToolTip(FoldHint());
  FormResize();
}

// --- jumping the main view ----------------------------------------------------------------------

// Only the miniature's area answers; the toolbar and the status bar pass their presses on.
void TPreviewForm::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (Minimized || !QRect(0, ToolBarHeight(), PreviewWidth, PreviewHeight).contains(p)) {
    event->ignore();
    return;
  }
  FormMouseDown(p.x(), p.y());
}

void TPreviewForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  FormMouseMove(p.x(), p.y());
}

void TPreviewForm::mouseReleaseEvent(QMouseEvent*) {
  FormMouseUp();
}

void TPreviewForm::FormMouseDown(int x, int y) {
  Dragging = true;
  JumpTo(x, y);
}

void TPreviewForm::FormMouseMove(int x, int y) {
  if (Dragging) JumpTo(x, y);
}

void TPreviewForm::FormMouseUp() {
  Dragging = false;
}

// Centres the main view on the cell under the point; the main view keeps its scroll positions
// in range.
void TPreviewForm::JumpTo(int x, int y) {
  if (!MainForm || !Map || MainForm->CellWidth <= 0 || MainForm->CellHeight <= 0) return;
  const int s = PreviewScale;
  const int column = (x + s * PreviewLeft) / s;
  const int row = (y + s * PreviewTop - ToolBarHeight()) / s;
  int viewWidth = 0, viewHeight = 0;
  MainForm->GetClientSize(viewWidth, viewHeight);
  const int across = viewWidth / MainForm->CellWidth;
  const int down = viewHeight / MainForm->CellHeight;
  MainForm->SetHorizPosition(column - across / 2);
  MainForm->SetVertPosition(row - down / 2);
}

// Creation, reset, the selection and the zoom.
#include "windows/ChipFormUnit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>
#include <new>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/ScrollBar.h"
#include "editor/StatusBar.h"
#include "editor/ZoomSteps.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipView.h"
#include "windows/LayerFormUnit.h"

TChipForm::TChipForm(QWidget* parent) : TToolWindow(parent, QString(), &TMainForm::P3) {
  FormCreate();
}

TChipForm::~TChipForm() {
  FreeAllChips();
}

void TChipForm::FormCreate() {
  CreateToolBar();
  View = new TChipView(this);
  CreateBars();
  // Image files dropped from the desktop load as parts images.
  setAcceptDrops(true);
  PartsPerRow = 16;
  DrawWidth = DrawHeight = 32;
  try {
    BackBuffer = TBitmap(std::max(1, width()), std::max(1, height()));
  } catch (const std::bad_alloc&) {
    Prompter().ShowMessage(tr("メモリを確保出来ませんでした").toStdString());
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
    return;
  }
  RetranslateUi();
  if (MainForm) Place(MainForm->Records.chipWin);
  show();
}

void TChipForm::CreateToolBar() {
  ToolBar = MakeToolBar();
  ToolButton2 = AddToolButton(ToolBar, "open", QString(), [this] { ToolButton2Click(); });
  ToolButton3 = AddToolButton(ToolBar, "closeimage", QString(), [this] { ToolButton3Click(); });
  ToolButton3->setEnabled(false);
  ToolBar->addSeparator();
  ToolButton5 = AddToolButton(ToolBar, "zoomin", QString(), [this] { ToolButton5Click(); });
  ToolButton6 = AddToolButton(ToolBar, "zoomout", QString(), [this] { ToolButton6Click(); });
  ToolBar->addSeparator();
  ToolButton13 = AddToolButton(ToolBar, "fold", QString(), [this] { ToolButton13Click(); });
}

void TChipForm::CreateBars() {
  HorizScrollBar = new TScrollBar(Qt::Horizontal, this);
  VertScrollBar = new TScrollBar(Qt::Vertical, this);
  for (TScrollBar* bar : {HorizScrollBar, VertScrollBar}) {
    bar->OnScroll = [bar](int& position) {
      position = std::min(position, bar->Max() - bar->LargeChange());
    };
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      TakeScrollPositions();
      UpdateFullCanvas();
    });
  }
  StatusBar = new TStatusBar(this);
  StatusBar->AddPanel(tr("座標(%1, %2)").arg(0).arg(0), 150);
  StatusBar->AddPanel(tr("範囲(%1, %2)-(%3, %4)").arg(0).arg(0).arg(0).arg(0), 150);
  StatusBar->AddPanel(tr("選択(%1)").arg(0), 120);
}

void TChipForm::RetranslateUi() {
  setWindowTitle(tr("パーツ"));
  ToolButton2->setToolTip(tr("画像を読み込み、カレントレイヤーに関連付けます"));
  ToolButton3->setToolTip(tr("表示されている画像を閉じます"));
  ToolButton5->setToolTip(tr("表示拡大"));
  ToolButton6->setToolTip(tr("表示縮小"));
  ToolButton13->setToolTip(FoldHint());
}

// The status texts follow the mouse; a new language shows where it last was.
void TChipForm::changeEvent(QEvent* event) {
  TToolWindow::changeEvent(event);
  if (event->type() != QEvent::LanguageChange || !StatusBar || windowTitle() == tr("パーツ"))
    return;
  RetranslateUi();
  ShowCursorStatus(LastCell);
  ShowSelectionStatus();
}

void TChipForm::Init() {
  if (!Map) return;
  Selection = {1, 0, 0, 0, 0, 0};
  Dragging = false;
  DrawWidth = Map->GetPartWidth();
  DrawHeight = Map->GetPartHeight();
  PartsPerRow = Map->GetBitsPerCell() == 16 ? 256 : 16;
  FreeAllChips();
  const int zoom = MainForm ? MainForm->Records.chipWin.zoom : 256;
  if ((zoom * Map->GetPartWidth()) >> 8 > 0) DrawWidth = (zoom * Map->GetPartWidth()) >> 8;
  if ((zoom * Map->GetPartHeight()) >> 8 > 0) DrawHeight = (zoom * Map->GetPartHeight()) >> 8;
  FormResize();
  CheckDelImageToolButton();
}

bool TChipForm::GetImagePosition(int part, int& x, int& y) const {
  x = y = 0;
  if (!Map || PartsPerRow == 0) return false;
  x = Map->GetPartWidth() * (part % PartsPerRow);
  y = Map->GetPartHeight() * (part / PartsPerRow);
  return true;
}

// The selection is taken normalised: while a drag runs its extent may still be negative.
bool TChipForm::SetCurrentData(TModified& block) const {
  if (!Map || !Selection.active) return false;
  TCellRange s = Selection;
  FixSelection(s);
  block.source = s;
  block.srcPitch = s.dx;
  const int across = s.dx + 1, down = s.dy + 1;
  block.data.resize(static_cast<size_t>(across) * down);
  for (int i = 0; i < down; ++i)
    for (int j = 0; j < across; ++j)
      block.data[static_cast<size_t>(i) * across + j] =
          static_cast<uint16_t>((s.y + i) * PartsPerRow + s.x + j);
  return true;
}

void TChipForm::Selectchip(int part) {
  if (part < 0 || PartsPerRow == 0) {
    Selection.active = 0;
    SetStatusText(2, tr("選択なし"));
  } else {
    Selection = {1, part % PartsPerRow, part / PartsPerRow, 0, 0, part};
    SetStatusText(2, tr("選択(%1)").arg(part));
  }
  UpdateFullCanvas();
}

void TChipForm::FixSelection(TCellRange& range) const {
  NormaliseCellRange(range, PartsPerRow);
}

int TChipForm::GetZoomRatio() const {
  return Map && Map->GetPartWidth() > 0 ? DrawWidth * 256 / Map->GetPartWidth() : 256;
}

// Laid out again as well: the scroll bars' steps are counted in displayed parts.
void TChipForm::ResumeDrawSize() {
  if (!Map) return;
  DrawWidth = Map->GetPartWidth();
  DrawHeight = Map->GetPartHeight();
  FormResize();
  CheckDelImageToolButton();
}

std::string TChipForm::GetMapChipName(int index) const {
  const TMapChip* chip = GetMapChipAddr(index);
  return chip ? chip->FileName : std::string();
}

TMapChip* TChipForm::GetMapChipAddr(int index) const {
  if (index < 0 || index >= GetMapChipCount()) return nullptr;
  return MapChips[static_cast<size_t>(index)].get();
}

TMapChip* TChipForm::CurrentChip() const {
  if (!Map || !LayerForm) return nullptr;
  return Map->GetLayerChip(LayerForm->GetCurrentLayerIndex());
}

void TChipForm::CheckDelImageToolButton() {
  if (!Map || !Map->IsReady() || !LayerForm) return;
  ToolButton3->setEnabled(CurrentChip() != nullptr);
  ToolButton6->setEnabled(CanZoom(DrawWidth, Map->GetPartWidth(), -1));
  ToolButton5->setEnabled(CanZoom(DrawWidth, Map->GetPartWidth(), 1));
}

void TChipForm::Zoom(int direction) {
  if (!Map ||
      !StepZoom(DrawWidth, DrawHeight, Map->GetPartWidth(), Map->GetPartHeight(), direction))
    return;
  FormResize();
  CheckDelImageToolButton();
}

void TChipForm::ToolButton5Click() {
  Zoom(1);
}

void TChipForm::ToolButton6Click() {
  Zoom(-1);
}

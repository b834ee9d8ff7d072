// Editor settings and their defaults, the enabled states of commands and buttons, the View
// toggles, and the view's keyboard and wheel.
#include <QAction>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/MapView.h"
#include "editor/Resources.h"
#include "editor/ScrollBar.h"
#include "editor/WindowPlacement.h"
#include "editor/ZoomSteps.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

QRect ScreenGeometry(bool workArea) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return QRect(0, 0, 1024, 768);
  return workArea ? screen->availableGeometry() : screen->geometry();
}

// A window placed entirely off the screen comes back at the given left or top.
void KeepOnScreen(TWindowRecord& r, int fallbackLeft, int fallbackTop) {
  const QRect screen = ScreenGeometry(false);
  if (r.left > screen.width() || r.left + r.width < 0) r.left = fallbackLeft;
  if (r.top > screen.height() || r.top + r.height < 0) r.top = fallbackTop;
}

// The custom colours offered by the transparent-colour dialog, as 0x00BBGGRR: red, green,
// blue, yellow, magenta, cyan, black and white.
const std::vector<uint32_t> kCustomColours = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                              0xFF00FF, 0xFFFF00, 0x000000, 0xFFFFFF};

}  // namespace

void TMainForm::SetDefaultEditorFlag() {
  SetDefaultRecords(Records, ScreenGeometry(true).width());
}

void TMainForm::ApplyEditorFlags() {
  KeepOnScreen(Records.mainWin, 0, 0);
  placement_ = Records.mainWin;
  PlaceWindow(this, placement_);
  N17->setChecked(Records.colorKey.enabled);
  G1->setChecked(Records.env.grid);
  P2->setChecked(Records.env.partNumbers);
  N20->setChecked(Records.env.cursorGrid);
  N15->setChecked(Records.marker.currentLayer);
  NumToolButton->setChecked(Records.env.partNumbers);
  if (ChipForm) {
    P3->setChecked(Records.chipWin.visible);
    KeepOnScreen(Records.chipWin, 0, 100);
    ChipForm->Place(Records.chipWin);
  }
  if (LayerForm) {
    L2->setChecked(Records.layerWin.visible);
    KeepOnScreen(Records.layerWin, 0, 200);
    LayerForm->Place(Records.layerWin);
  }
  if (PreviewForm) {
    N2->setChecked(Records.previewWin.visible);
    KeepOnScreen(Records.previewWin, 0, 300);
    PreviewForm->Place(Records.previewWin);
    PreviewForm->PreviewScale = std::clamp<int>(Records.previewWin.zoom, 1, 4);
  }
}

// Placed before it was shown, the window got the record's size inside its frame; once the frame
// is known the frame takes that size, as every later placement gives it.
void TMainForm::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (framed_ || frameGeometry().size() == size()) return;
  framed_ = true;
  PlaceWindow(this, placement_);
}

void TMainForm::ToolButtonMediator() {
  if (!Map) return;
  const bool selected = Selection.active;
  SaveToolButton->setEnabled(Map->IsModified());
  SaveMenuItem->setEnabled(Map->IsModified());
  for (QToolButton* b : {CutToolButton, CopyToolButton}) b->setEnabled(selected);
  for (QAction* a : {Cut1, Copy1, D2}) a->setEnabled(selected);
  const bool canPaste = selected && CopyData.source.active;
  PasteToolButton->setEnabled(canPaste);
  V1->setEnabled(canPaste);
  UndoToolButton->setEnabled(Map->CanUndo());
  Cancel1->setEnabled(Map->CanUndo());
  RedoToolButton->setEnabled(Map->CanRedo());
  Repeat1->setEnabled(Map->CanRedo());
  const std::pair<QToolButton*, TToolKind> tools[] = {{PenToolButton, TToolKind::Pen},
                                                      {MPenToolButton, TToolKind::TilePen},
                                                      {FillToolButton, TToolKind::Fill},
                                                      {PtnToolButton, TToolKind::PatternSelect},
                                                      {SelectToolButton, TToolKind::RectSelect}};
  for (const auto& [button, tool] : tools) {
    button->setEnabled(Tool != tool);
    if (Tool != TToolKind::Hand) button->setChecked(Tool == tool);
  }
  BigToolButton->setEnabled(CanZoom(CellWidth, Map->GetPartWidth(), 1));
  SmallToolButton->setEnabled(CanZoom(CellWidth, Map->GetPartWidth(), -1));
  D1->setEnabled(Map->LayerCount() > 1);
}

// --- View toggles -------------------------------------------------------------------------------

void TMainForm::ToggleFlag(uint8_t& flag, QAction* item) {
  flag = !flag;
  item->setChecked(flag);
  UpdateFullCanvas();
}

void TMainForm::G1Click() {
  ToggleFlag(Records.env.grid, G1);
}

void TMainForm::N20Click() {
  ToggleFlag(Records.env.cursorGrid, N20);
}

void TMainForm::N15Click() {
  ToggleFlag(Records.marker.currentLayer, N15);
}

void TMainForm::P2Click() {
  NumToolButton->setChecked(!Records.env.partNumbers);
  ToggleFlag(Records.env.partNumbers, P2);
}

void TMainForm::N17Click() {
  N17->setChecked(!N17->isChecked());
  Records.colorKey.enabled = N17->isChecked();
  BackBuffer.SetPixelFormat(Records.colorKey.enabled ? TPixelFormat::pf24bit
                                                     : TPixelFormat::pf32bit);
  UpdateFullCanvas();
  // The preview leaves out the colour key too.
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TMainForm::N18Click() {
  uint32_t colour = Records.colorKey.color;
  if (!Prompter().ChooseColor(this, colour, kCustomColours)) return;
  Records.colorKey.color = colour;
  // The PNG images' transparent pixels change colour with the key.
  if (ChipForm && ChipForm->FollowColorKey(colour) && PreviewForm) PreviewForm->RefreshPreview();
  UpdateFullCanvas();
  if (PreviewForm) PreviewForm->RefreshPreview();
}

// --- keyboard and wheel ---------------------------------------------------------------------

void TMainForm::ScrollBy(int dx, int dy) {
  if (dx) SetHorizPosition(HorizScrollBar->Position() + dx);
  if (dy) SetVertPosition(VertScrollBar->Position() + dy);
}

void TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers, bool) {
  switch (key) {
    case Qt::Key_Escape:
      HideTollWindows();
      break;
    case Qt::Key_Space:
      if (Tool == TToolKind::Hand) break;
      SavedTool = Tool;
      Tool = TToolKind::Hand;
      if (View) View->setCursor(EditorCursor(crHand));
      ToolButtonMediator();
      break;
    case Qt::Key_Left:
      ScrollBy(-2, 0);
      break;
    case Qt::Key_Right:
      ScrollBy(2, 0);
      break;
    case Qt::Key_Up:
      ScrollBy(0, -2);
      break;
    case Qt::Key_Down:
      ScrollBy(0, 2);
      break;
    case Qt::Key_Delete:
      CutToCurrentSelection(true);
      break;
    default:
      break;
  }
}

void TMainForm::FormKeyUp(int key, Qt::KeyboardModifiers, bool autoRepeat) {
  // A held key repeats releases too; only the real release ends the hand tool.
  if (key != Qt::Key_Space || autoRepeat || Tool != TToolKind::Hand) return;
  Tool = SavedTool;
  if (View) View->setCursor(ToolCursor(Tool));
  ToolButtonMediator();
}

void TMainForm::FormKeyPress(QChar key) {
  switch (key.unicode()) {
    case 'a':
      ScrollBy(-1, 0);
      break;
    case 'd':
      ScrollBy(1, 0);
      break;
    case 'w':
      ScrollBy(0, -1);
      break;
    case 's':
      ScrollBy(0, 1);
      break;
    default:
      break;
  }
}

bool TMainForm::ExactlyCtrl(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons) const {
  return (shift & ~Qt::KeypadModifier) == Qt::ControlModifier && buttons == Qt::NoButton;
}

void TMainForm::FormMouseWheelDown(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons) {
  if (ExactlyCtrl(shift, buttons))
    ScrollBy(1, 0);
  else
    ScrollBy(0, 1);
}

void TMainForm::FormMouseWheelUp(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons) {
  if (ExactlyCtrl(shift, buttons))
    ScrollBy(-1, 0);
  else
    ScrollBy(0, -1);
}

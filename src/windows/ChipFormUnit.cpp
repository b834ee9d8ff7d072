#include "windows/ChipFormUnit.h"

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"

TChipForm::TChipForm(QWidget* parent)
    : TToolWindow(parent, QStringLiteral("パーツ"), &TMainForm::P3) {
  if (MainForm) Place(MainForm->Records.chipWin);
  show();
}

TChipForm::~TChipForm() = default;

void TChipForm::Init() {
  if (!Map) return;
  Selection = {1, 0, 0, 0, 0, 0};
  DrawWidth = Map->GetPartWidth();
  DrawHeight = Map->GetPartHeight();
  PartsPerRow = Map->GetBitsPerCell() == 16 ? 256 : 16;
  MapChips.clear();
  const int zoom = MainForm ? MainForm->Records.chipWin.zoom : 256;
  if ((zoom * Map->GetPartWidth()) >> 8 > 0) DrawWidth = (zoom * Map->GetPartWidth()) >> 8;
  if ((zoom * Map->GetPartHeight()) >> 8 > 0) DrawHeight = (zoom * Map->GetPartHeight()) >> 8;
  UpdateFullCanvas();
}

bool TChipForm::GetImagePosition(int part, int& x, int& y) const {
  x = y = 0;
  if (!Map || PartsPerRow == 0) return false;
  x = Map->GetPartWidth() * (part % PartsPerRow);
  y = Map->GetPartHeight() * (part / PartsPerRow);
  return true;
}

bool TChipForm::SetCurrentData(TModified& block) const {
  if (!Map || !Selection.active) return false;
  block.source = Selection;
  block.srcPitch = Selection.dx;
  const int across = Selection.dx + 1, down = Selection.dy + 1;
  block.data.resize(static_cast<size_t>(across) * down);
  for (int i = 0; i < down; ++i)
    for (int j = 0; j < across; ++j)
      block.data[static_cast<size_t>(i) * across + j] =
          static_cast<uint16_t>((Selection.y + i) * PartsPerRow + Selection.x + j);
  return true;
}

void TChipForm::Selectchip(int part) {
  if (part < 0 || PartsPerRow == 0)
    Selection.active = 0;
  else
    Selection = {1, part % PartsPerRow, part / PartsPerRow, 0, 0, part};
  UpdateFullCanvas();
}

int TChipForm::GetZoomRatio() const {
  return Map && Map->GetPartWidth() > 0 ? DrawWidth * 256 / Map->GetPartWidth() : 256;
}

void TChipForm::ResumeDrawSize() {
  if (!Map) return;
  DrawWidth = Map->GetPartWidth();
  DrawHeight = Map->GetPartHeight();
  UpdateFullCanvas();
}

// Parts images are not loaded from files yet, so none can have changed.
bool TChipForm::AddMapChip(const QString&) { return false; }

void TChipForm::CheckMapChipChanged() {}

void TChipForm::UpdateFullCanvas() {
  update();
}

// Steps of 3/16 of the part size, between 1 pixel and twice the part size. A width that fits
// is taken even when the height then stops the step.
void TChipForm::Zoom(int direction) {
  if (!Map) return;
  const int pw = Map->GetPartWidth(), ph = Map->GetPartHeight();
  const int width = DrawWidth + direction * (pw * 48 / 256);
  if (width < 1 || width > 2 * pw) return;
  DrawWidth = width;
  const int height = DrawHeight + direction * (ph * 48 / 256);
  if (height < 1 || height > 2 * ph) return;
  DrawHeight = height;
  UpdateFullCanvas();
}

void TChipForm::ToolButton5Click() {
  Zoom(1);
}

void TChipForm::ToolButton6Click() {
  Zoom(-1);
}

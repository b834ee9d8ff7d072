// The preview's miniature, its frame and its status text.
#include <QPainter>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <exception>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/StatusBar.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

// Copies an s x s tile onto the buffer at (x, y), cut at the buffer's right and bottom edges.
// With `keyed`, pixels equal to `key` leave what lies below.
void PutTile(TBitmap& buffer, const uint32_t* tile, int s, int x, int y, bool keyed, uint32_t key) {
  const int w = std::min(s, buffer.Width() - x), h = std::min(s, buffer.Height() - y);
  for (int row = 0; row < h; ++row) {
    uint32_t* d = buffer.ScanLine32(y + row) + x;
    const uint32_t* t = tile + row * s;
    for (int col = 0; col < w; ++col)
      if (!keyed || t[col] != key) d[col] = t[col];
  }
}

}  // namespace

bool TPreviewForm::HasLayers() const {
  return Map && Map->IsReady() && Map->LayerCount() > 0;
}

void TPreviewForm::RefreshPreview() {
  if (Minimized) return;
  if (HasLayers() && !BackBuffer.Empty()) DrawCells();
  DrawViewFrame();
  UpdateStatus();
}

void TPreviewForm::DrawCells() {
  const int w = Map->GetWidth(), h = Map->GetHeight(), s = PreviewScale;
  const int k = std::min(w, PreviewWidth / s), r = std::min(h, PreviewHeight / s);
  // One partly shown column and row more, as far as the map goes on.
  const int columns = std::min(k + 1, w - PreviewLeft);
  const int rows = std::min(r + 1, h - PreviewTop);
  // The background goes under the partly shown column and row too, so that nothing of an
  // earlier drawing stays there.
  const QRect area(0, 0, std::max(k, columns) * s, std::max(r, rows) * s);
  if (MainForm)
    MainForm->BackgroundBrush.Fill(BackBuffer, area);
  else
    BackBuffer.Fill(0xFFFFFF);
  const int perRow = ChipForm ? ChipForm->PartsPerRow : (Map->GetBitsPerCell() == 16 ? 256 : 16);
  tiles_.SetGeometry(s, Map->GetPartWidth(), Map->GetPartHeight(), perRow);
  // The visible part of those cells.
  const int shownColumns = std::min(columns, (BackBuffer.Width() + s - 1) / s);
  const int shownRows = std::min(rows, (BackBuffer.Height() + s - 1) / s);
  try {
    const int layers = static_cast<uint8_t>(Map->LayerCount());
    for (int layer = 0; layer < layers; ++layer) DrawLayer(layer, shownColumns, shownRows);
  } catch (const std::exception&) {
    // A drawing that fails leaves what was drawn so far.
  }
}

void TPreviewForm::DrawLayer(int layer, int columns, int rows) {
  if (LayerForm && !LayerForm->GetLayerVisibleState(layer)) return;
  TMapChip* chip = Map->GetLayerChip(layer);
  if (!chip || !chip->Image) return;
  const TMainForm* main = MainForm;
  const bool skip = main && main->Records.transparentPart.enabled;
  const int skipped = main ? main->Records.transparentPart.number : -1;
  const bool keyed = main && main->Records.colorKey.enabled;
  const uint32_t keyColour = main ? main->Records.colorKey.color : 0;
  const uint32_t key = ColorToDIB32(keyColour);
  const std::vector<uint16_t>& cells = Map->LayerAt(layer).Cells;
  TPreviewTiles::Sheet& sheet = tiles_.SheetFor(*chip);
  const int w = Map->GetWidth(), s = PreviewScale;
  for (int y = 0; y < rows; ++y) {
    const size_t first = static_cast<size_t>(PreviewOrigin) + static_cast<size_t>(y) * w;
    if (first >= cells.size()) break;
    const int shown = static_cast<int>(std::min<size_t>(columns, cells.size() - first));
    const uint16_t* row = cells.data() + first;
    uint32_t* line = s == 1 ? BackBuffer.ScanLine32(y) : nullptr;
    for (int x = 0; x < shown; ++x) {
      const int part = row[x];
      if (skip && part == skipped) continue;
      const uint32_t* tile = sheet.Tile(part);
      if (!tile) {
        // A part beyond the image: the copy itself draws whatever of it exists.
        int sx = 0, sy = 0;
        if (ChipForm) ChipForm->GetImagePosition(part, sx, sy);
        if (keyed)
          CDIBCopyRectUseKey32(BackBuffer, x * s, y * s, s, s, *chip->Image, sx, sy,
                               Map->GetPartWidth(), Map->GetPartHeight(), keyColour);
        else
          CDIBCopyRect32(BackBuffer, x * s, y * s, s, s, *chip->Image, sx, sy, Map->GetPartWidth(),
                         Map->GetPartHeight());
      } else if (line) {
        if (!keyed || *tile != key) line[x] = *tile;
      } else {
        PutTile(BackBuffer, tile, s, x * s, y * s, keyed, key);
      }
    }
  }
}

// --- frame and status ---------------------------------------------------------------------------

void TPreviewForm::DrawViewFrame() {
  if (!isVisible() || !MainForm || !HasLayers()) return;
  const int s = PreviewScale;
  const TMainForm& main = *MainForm;
  ViewFrame = QRect();
  if (main.CellWidth > 0 && main.CellHeight > 0) {
    int viewWidth = 0, viewHeight = 0;
    main.GetClientSize(viewWidth, viewHeight);
    // Halves round to the even number.
    const int across = static_cast<int>(std::nearbyint(double(viewWidth) / main.CellWidth));
    const int down = static_cast<int>(std::nearbyint(double(viewHeight) / main.CellHeight));
    ViewFrame =
        QRect(s * (main.ScrollX - PreviewLeft), s * (main.ScrollY - PreviewTop),
              std::min(across * s, Map->GetWidth() * s), std::min(down * s, Map->GetHeight() * s));
  }
  update();
}

void TPreviewForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (Minimized || BackBuffer.Empty()) return;
  const int top = ToolBarHeight();
  painter.drawImage(QPoint(0, top), BackBuffer.View());
  if (!HasLayers() || ViewFrame.isNull() || ViewFrame.width() <= 0 || ViewFrame.height() <= 0)
    return;
  // What lies beyond the miniature belongs to the scroll bars and the status bar.
  painter.setClipRect(QRect(0, top, BackBuffer.Width(), BackBuffer.Height()));
  painter.setPen(QColor(255, 0, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(ViewFrame.left(), ViewFrame.top() + top, ViewFrame.width() - 1,
                   ViewFrame.height() - 1);
}

void TPreviewForm::UpdateStatus() {
  QString text = tr("表示倍率");
  if (HasLayers() && Map->GetPartWidth() > 0) {
    const int percent = (PreviewScale * 100 + Map->GetPartWidth() - 1) / Map->GetPartWidth();
    text = tr("表示倍率@%1%").arg(percent);
  }
  StatusBar->SetPanelText(0, text);
  ToolButton2->setEnabled(PreviewScale < 4);
  ToolButton3->setEnabled(PreviewScale > 1);
}

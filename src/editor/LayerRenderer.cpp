#include "editor/LayerRenderer.h"

#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"

TLayerRenderer::TLayerRenderer(TBitmap& target, const TMap& map, const TLayerDrawing& drawing)
    : target_(target),
      map_(map),
      drawing_(drawing),
      partWidth_(map.GetPartWidth()),
      partHeight_(map.GetPartHeight()) {}

TPartGrid TLayerRenderer::Grid() const {
  return {partWidth_, partHeight_, drawing_.perRow, drawing_.keyed,
          ColorToDIB32(drawing_.keyColour)};
}

void TLayerRenderer::DrawPart(TBitmap& image, int part, int x, int y) {
  const int column = drawing_.perRow > 0 ? part % drawing_.perRow : 0;
  const int row = drawing_.perRow > 0 ? part / drawing_.perRow : 0;
  const int px = column * partWidth_, py = row * partHeight_;
  const int w = drawing_.cellWidth, h = drawing_.cellHeight;
  if (drawing_.keyed) {
    CDIBCopyRectUseKey32(target_, x, y, w, h, image, px, py, partWidth_, partHeight_,
                         drawing_.keyColour);
  } else if (w < partWidth_ || h < partHeight_) {
    CDIBCopyRect32(target_, x, y, w, h, image, px, py, partWidth_, partHeight_);
  } else {
    if (!canvas_) {
      canvasView_ = target_.View();
      canvas_ = std::make_unique<QPainter>(&canvasView_);
    }
    canvas_->drawImage(QRect(x, y, w, h), image.View(), QRect(px, py, partWidth_, partHeight_));
  }
}

void TLayerRenderer::EndCanvas() {
  canvas_.reset();
  canvasView_ = QImage();
}

std::vector<int> TLayerRenderer::LowestShownLayers(const std::vector<int>& layers,
                                                   TPartCovers& covers, int column, int row,
                                                   int across, int down) const {
  std::vector<TPartCoverTable*> tables;
  for (int l : layers) tables.push_back(&covers.For(*map_.LayerAt(l).Chip, Grid()));
  std::vector<int> lowest(static_cast<size_t>(across) * down, 0);
  const int mapWidth = map_.GetWidth(), mapHeight = map_.GetHeight();
  for (int r = 0; r < down; ++r) {
    const int mapY = drawing_.scrollY + row + r;
    if (mapY < 0 || mapY >= mapHeight) continue;
    for (int c = 0; c < across; ++c) {
      const int mapX = drawing_.scrollX + column + c;
      if (mapX < 0 || mapX >= mapWidth) continue;
      const size_t cell = static_cast<size_t>(mapY) * mapWidth + mapX;
      for (int k = static_cast<int>(layers.size()) - 1; k > 0; --k) {
        const int part = map_.LayerAt(layers[k]).Cells[cell];
        if (Drawn(part) && tables[k]->Cover(part) == TPartCover::Opaque) {
          lowest[static_cast<size_t>(r) * across + c] = k;
          break;
        }
      }
    }
  }
  return lowest;
}

void TLayerRenderer::DrawLayers(const std::vector<int>& layers, TPartCovers& covers, int column,
                                int row, int across, int down) {
  if (layers.empty() || across <= 0 || down <= 0) return;
  const std::vector<int> lowest = LowestShownLayers(layers, covers, column, row, across, down);
  const int mapWidth = map_.GetWidth(), mapHeight = map_.GetHeight();
  for (int k = 0; k < static_cast<int>(layers.size()); ++k) {
    const TMapLayer& layer = map_.LayerAt(layers[k]);
    TPartCoverTable& table = covers.For(*layer.Chip, Grid());
    const bool marked = drawing_.marker && layers[k] == drawing_.currentLayer;
    std::vector<QPoint> markers;
    for (int r = 0; r < down; ++r) {
      const int mapY = drawing_.scrollY + row + r;
      if (mapY < 0 || mapY >= mapHeight) continue;
      for (int c = 0; c < across; ++c) {
        const int mapX = drawing_.scrollX + column + c;
        if (mapX < 0 || mapX >= mapWidth || lowest[static_cast<size_t>(r) * across + c] > k)
          continue;
        const int part = layer.Cells[static_cast<size_t>(mapY) * mapWidth + mapX];
        if (!Drawn(part)) continue;
        const int x = (column + c) * drawing_.cellWidth, y = (row + r) * drawing_.cellHeight;
        if (table.Cover(part) != TPartCover::Empty) DrawPart(*layer.Chip->Image, part, x, y);
        if (marked) markers.emplace_back(x, y);
      }
    }
    EndCanvas();
    DrawLayerMarkers(target_, markers, drawing_.cellWidth);
  }
}

void DrawLayerMarkers(TBitmap& target, const std::vector<QPoint>& cells, int cellWidth) {
  if (cells.empty()) return;
  QImage view = target.View();
  QPainter painter(&view);
  painter.setPen(Qt::white);
  painter.setBrush(QColor(255, 0, 0));
  const int k = cellWidth / 5;
  for (const QPoint& p : cells) {
    const QPoint corners[3] = {
        {p.x() + 1, p.y() + 1}, {p.x() + 1 + k, p.y() + 1}, {p.x() + 1, p.y() + 1 + k}};
    painter.drawPolygon(corners, 3);
  }
}

#pragma once
// Draws the map's layers, cell by cell, into a view's back buffer: each part copied from its
// layer's parts image, scaled to the cell and, when transparency is on, without the colour key;
// the current-layer marker on the cells of the current layer. A cell is drawn only from the
// highest layer whose part covers it completely.
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>
#include <vector>

#include "editor/PartCovers.h"

class TBitmap;
class TMap;

struct TLayerDrawing {
  int cellWidth = 1;
  int cellHeight = 1;
  int scrollX = 0;  // map cell at the view's top-left corner
  int scrollY = 0;
  int perRow = 0;  // parts per row of a parts image; 0 draws every part from (0, 0)
  bool keyed = false;
  uint32_t keyColour = 0;  // 0x00BBGGRR
  bool skipPart = false;   // the transparent part is not drawn at all
  int skippedPart = 0;
  bool marker = false;
  int currentLayer = -1;
};

// Red triangles with white edges in the top-left corners of the cells at `cells` (their
// top-left pixels), the legs a fifth of the cell width: the current-layer marker.
void DrawLayerMarkers(TBitmap& target, const std::vector<QPoint>& cells, int cellWidth);

class TLayerRenderer {
 public:
  TLayerRenderer(TBitmap& target, const TMap& map, const TLayerDrawing& drawing);

  // Draws the view cells column .. column + across - 1, row .. row + down - 1 of `layers`
  // (document indices, bottom first; each with a parts image). Cells beyond the map are skipped.
  void DrawLayers(const std::vector<int>& layers, TPartCovers& covers, int column, int row,
                  int across, int down);
  // One part into the cell whose top-left pixel is (x, y).
  void DrawPart(TBitmap& image, int part, int x, int y);

 private:
  TPartGrid Grid() const;
  // For every cell, the position in `layers` of the lowest layer that shows there.
  std::vector<int> LowestShownLayers(const std::vector<int>& layers, TPartCovers& covers,
                                     int column, int row, int across, int down) const;
  bool Drawn(int part) const { return !drawing_.skipPart || part != drawing_.skippedPart; }
  void EndCanvas();

  TBitmap& target_;
  const TMap& map_;
  TLayerDrawing drawing_;
  int partWidth_;
  int partHeight_;
  QImage canvasView_;
  std::unique_ptr<QPainter> canvas_;  // the plain stretch copy's painter, made on first use
};

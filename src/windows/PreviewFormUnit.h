#pragma once
// The preview window: the whole map in miniature, 1 to 4 pixels per cell, with a red frame
// around what the main view shows. Pressing or dragging in it centres the main view there.
// Client coordinates count from the window's top-left corner, the toolbar included; the
// miniature starts below the toolbar.
#include <QCoreApplication>
#include <QRect>

#include "imaging/TBitmap.h"
#include "windows/PreviewTiles.h"
#include "windows/ToolWindow.h"

class QToolBar;
class QToolButton;
class TScrollBar;
class TStatusBar;

class TPreviewForm : public TToolWindow {
  Q_DECLARE_TR_FUNCTIONS(TPreviewForm)

 public:
  explicit TPreviewForm(QWidget* parent);
  ~TPreviewForm() override;

  // Places the window and takes its scale from the editor's settings, for a new map.
  void ResetPreview();
  // Draws the whole miniature again, then the frame and the status text.
  void RefreshPreview();
  // Shows the back buffer with the frame of the main view's visible area.
  void DrawViewFrame();
  int GetPreviewScale() const { return PreviewScale; }

  void FormResize();
  void ScrollBarChange();
  void FormMouseDown(int x, int y);
  void FormMouseMove(int x, int y);
  void FormMouseUp();
  void ToolButton2Click();  // zoom in
  void ToolButton3Click();  // zoom out
  void ToolButton5Click();  // fold to the toolbar, or unfold
  int ToolBarHeight() const;

  int PreviewScale = 2;  // pixels per map cell, 1 to 4
  TBitmap BackBuffer;
  int PreviewWidth = 0;  // the miniature's area in pixels
  int PreviewHeight = 0;
  int PreviewLeft = 0;  // map column and row at the area's top-left corner
  int PreviewTop = 0;
  int PreviewOrigin = 0;  // their cell index
  bool Dragging = false;
  QRect ViewFrame;  // the main view's area on the back buffer; null when not drawn

  QToolBar* ToolBar = nullptr;
  QToolButton* ToolButton2 = nullptr;
  QToolButton* ToolButton3 = nullptr;
  QToolButton* ToolButton5 = nullptr;
  TScrollBar* HorizScrollBar = nullptr;
  TScrollBar* VertScrollBar = nullptr;
  TStatusBar* StatusBar = nullptr;

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Title, hints and the zoom text in the current language.
  void RetranslateUi();
  // PreviewFormUnit.cpp
  void CreateToolBar();
  void CreateBars();
  void PlaceFixedBars();
  void TakeScrollPositions();
  void SetSizeLimits();
  void Fold();
  void Unfold();
  void JumpTo(int x, int y);
  // PreviewDrawing.cpp
  bool HasLayers() const;
  void DrawCells();
  void DrawLayer(int layer, int columns, int rows);
  void UpdateStatus();

  TPreviewTiles tiles_;
};

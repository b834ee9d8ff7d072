// The view's pixels, layout, scrolling, cursor frame and partial redraws.
#include <QAction>
#include <QListWidget>

#include "EditorFixture.h"
#include "editor/MapView.h"
#include "editor/ScrollBar.h"
#include "editor/StatusBar.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

const uint32_t kGrid = 0x888888;
const uint32_t kGrey = 0xD0D0D0;
const uint32_t kWhite = 0xFFFFFF;
const uint32_t kRed = 0xFF0000;

}  // namespace

// A 4 x 3 map of 32-pixel parts: layer 0 all part 1; layer 1 holds part 2 (green middle) at
// (0, 0), part 3 at (1, 0) and the transparent part 0 elsewhere.
class MapViewTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    NewMap(4, 3, 32);
    AddLayer("上");
    GiveLayerParts(0);
    GiveLayerParts(1);
    FillLayer(0, 1);
    FillLayer(1, 0);
    SetCell(1, 0, 0, 2);
    SetCell(1, 1, 0, 3);
    MainForm->Records.transparentPart = {1, 0, 0};
    MainForm->UpdateFullCanvas();
  }
  uint32_t At(int x, int y) const { return Pixel(MainForm->BackBuffer, x, y); }
};

TEST_F(MapViewTest, GridCellsAndBackground) {
  EXPECT_EQ(At(0, 0), kGrid);
  EXPECT_EQ(At(32, 10), kGrid);
  EXPECT_EQ(At(10, 64), kGrid);
  EXPECT_EQ(At(128, 10), kGrid);  // the right edge of the map
  EXPECT_EQ(At(10, 96), kGrid);
  EXPECT_EQ(At(4, 4), PartColour(2));
  EXPECT_EQ(At(16, 16), 0x00FF00u);  // drawn as it is without transparency
  EXPECT_EQ(At(40, 10), PartColour(3));
  EXPECT_EQ(At(70, 10), PartColour(1));  // the transparent part shows the layer below
  // Beyond the map: the checkerboard, lines stopping at the map's edge.
  EXPECT_EQ(At(129, 9), kGrey);
  EXPECT_EQ(At(133, 9), kWhite);
  EXPECT_EQ(At(133, 32), kWhite);
  EXPECT_EQ(At(1, 98), kGrey);
  EXPECT_EQ(At(5, 98), kWhite);
  EXPECT_FALSE(MainForm->HorizScrollBar->isVisible());
  EXPECT_FALSE(MainForm->VertScrollBar->isVisible());
}

// At the zoom levels whose cells are too small for it the grid would cover the map.
TEST_F(MapViewTest, GridIsLeftOutBelowFourPixelCells) {
  for (;;) {
    const int cell = MainForm->CellWidth;
    int grid = 0;
    for (int y = 0; y < 3 * cell; ++y)
      for (int x = 0; x < 4 * cell; ++x) grid += At(x, y) == kGrid;
    EXPECT_EQ(grid > 0, cell >= 4) << cell;
    EXPECT_TRUE(MainForm->G1->isChecked());
    if (cell == 2) break;
    MainForm->O1Click();
    ASSERT_LT(MainForm->CellWidth, cell);
  }
}

TEST_F(MapViewTest, TransparencyShowsTheLayerBelow) {
  MainForm->N17Click();
  EXPECT_EQ(At(16, 16), PartColour(1));
  EXPECT_EQ(At(4, 4), PartColour(2));
  EXPECT_EQ(At(40, 10), PartColour(3));
}

TEST_F(MapViewTest, HiddenLayerIsNotDrawn) {
  LayerForm->SetLayerVisibleState(1, false);  // redraws through the check box
  EXPECT_FALSE(Map->LayerAt(1).Visible);
  EXPECT_EQ(At(4, 4), PartColour(1));
  EXPECT_EQ(At(16, 16), PartColour(1));
  EXPECT_EQ(At(40, 10), PartColour(1));
}

TEST_F(MapViewTest, CurrentLayerMarker) {
  MainForm->N15Click();
  EXPECT_EQ(At(33, 1), kWhite);  // outline at the corner
  EXPECT_EQ(At(35, 3), kRed);
  EXPECT_EQ(At(3, 3), kRed);
  EXPECT_EQ(At(67, 3), PartColour(1));  // the transparent part gets no marker
  EXPECT_EQ(At(45, 15), PartColour(3));
  LayerForm->CheckList->setCurrentRow(1);  // layer 0 becomes current
  EXPECT_EQ(At(67, 3), kRed);
}

TEST_F(MapViewTest, PartNumbersOfTheCurrentLayer) {
  const QImage before = MainForm->BackBuffer.View().copy();
  MainForm->P2Click();
  EXPECT_NE(MainForm->BackBuffer.View().copy(QRect(32, 0, 32, 32)), before.copy(32, 0, 32, 32));
  LayerForm->SetLayerVisibleState(1, false);
  const QImage hidden = MainForm->BackBuffer.View().copy();
  MainForm->P2Click();
  EXPECT_EQ(MainForm->BackBuffer.View().copy(), hidden);  // hidden: no numbers either
}

TEST_F(MapViewTest, SelectionFrameAndPanel) {
  MainForm->Selection = {1, 2, 2, -1, -1, 0};  // dragged up and left from (2, 2)
  MainForm->UpdateFullCanvas();
  EXPECT_EQ(MainForm->StatusBar->PanelText(1).toStdString(), "選択範囲(1, 1)-(2, 2)");
  EXPECT_EQ(At(32, 40), kWhite);
  EXPECT_EQ(At(96, 40), kWhite);
  EXPECT_EQ(At(40, 96), kWhite);
  EXPECT_EQ(At(97, 40), PartColour(1));  // the frame covers the grid line at 96
}

TEST_F(MapViewTest, PartialRedrawTouchesOnlyItsCells) {
  const QImage before = MainForm->BackBuffer.View().copy();
  FillLayer(0, 4);
  FillLayer(1, 0);
  MainForm->UpdateCanvas(1, 1, 1, 0);
  const QImage after = MainForm->BackBuffer.View().copy();
  const QRect cells(32, 32, 64, 32);
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      if (!cells.contains(x, y)) {
        ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
      }
  EXPECT_EQ(At(40, 40), PartColour(4));
  EXPECT_EQ(At(90, 60), PartColour(4));
  EXPECT_EQ(At(32, 40), kGrid);
}

TEST_F(MapViewTest, NothingIsDrawnWhileDrawingIsDisabled) {
  const QImage before = MainForm->BackBuffer.View().copy();
  MainForm->DrawingEnabled = false;
  FillLayer(0, 4);
  MainForm->UpdateFullCanvas();
  MainForm->UpdateCanvas(0, 0, 3, 2);
  EXPECT_EQ(MainForm->BackBuffer.View().copy(), before);
}

using ViewLayoutTest = EditorTest;

TEST_F(ViewLayoutTest, ScrollPositionsStayWithinTheMap) {
  const int across = MainForm->ViewWidth / 32, down = MainForm->ViewHeight / 32;
  EXPECT_TRUE(MainForm->HorizScrollBar->isVisible());
  EXPECT_EQ(MainForm->HorizScrollBar->Max(), 100);
  EXPECT_EQ(MainForm->HorizScrollBar->LargeChange(), across);
  EXPECT_EQ(MainForm->HorizScrollBar->PageSize(), across + 1);
  MainForm->SetHorizPosition(1000);
  MainForm->SetVertPosition(1000);
  EXPECT_EQ(MainForm->ScrollX, 100 - across);
  EXPECT_EQ(MainForm->ScrollY, 100 - down);
  EXPECT_EQ(MainForm->TopLeftIndex, 100 * (100 - down) + 100 - across);
  EXPECT_EQ(MainForm->StatusBar->PanelText(2).toStdString(),
            "表示範囲(" + std::to_string(100 - across) + ", " + std::to_string(100 - down) +
                ")-(99, 99)");
  // Zooming out keeps the position within the new bounds.
  for (int i = 0; i < 5; ++i) MainForm->O1Click();
  EXPECT_EQ(MainForm->CellWidth, 2);
  EXPECT_EQ(MainForm->ScrollX, 0);
  EXPECT_FALSE(MainForm->HorizScrollBar->isVisible());
}

TEST_F(ViewLayoutTest, ViewSizeFollowsTheScrollBars) {
  const int width = MainForm->View->width(), height = MainForm->View->height();
  EXPECT_EQ(MainForm->ViewWidth, width - MainForm->VertScrollBar->width());
  EXPECT_EQ(MainForm->ViewHeight, height - MainForm->HorizScrollBar->height());
  EXPECT_EQ(MainForm->BackBuffer.Width(), MainForm->ViewWidth);
  EXPECT_EQ(MainForm->BackBuffer.Height(), MainForm->ViewHeight);
  EXPECT_TRUE(MainForm->ScrollCorner->isVisible());
  EXPECT_EQ(MainForm->StatusBar->PanelText(2).toStdString(),
            "表示範囲(0, 0)-(" + std::to_string(MainForm->ViewWidth / 32 - 1) + ", " +
                std::to_string(MainForm->ViewHeight / 32 - 1) + ")");
  NewMap(5, 5, 32);
  EXPECT_EQ(MainForm->ViewWidth, width);
  EXPECT_EQ(MainForm->ViewHeight, height);
  EXPECT_FALSE(MainForm->ScrollCorner->isVisible());
  EXPECT_EQ(MainForm->StatusBar->PanelText(2).toStdString(), "表示範囲(0, 0)-(4, 4)");
}

// The starting widths give way to a third of the bar each, in the parts window too.
TEST_F(ViewLayoutTest, ResizingGivesEveryStatusPanelAThirdOfTheBar) {
  MainForm->FormResize();
  ChipForm->FormResize();
  for (const TStatusBar* bar : {MainForm->StatusBar, ChipForm->StatusBar}) {
    ASSERT_GT(bar->width(), 100);
    const int third = bar->PanelWidth(0);
    EXPECT_GE(third, bar->width() * 33 / 100);
    EXPECT_LE(third, bar->width() * 33 / 100 + 1);
    for (int i = 1; i < bar->PanelCount(); ++i) EXPECT_EQ(bar->PanelWidth(i), third);
  }
}

TEST_F(ViewLayoutTest, CursorFrameOfABlock) {
  NewMap(100, 100, 16);
  ChipForm->Selection = {1, 0, 0, 2, 1, 0};
  MainForm->SetHorizPosition(2);
  MainForm->SetVertPosition(1);
  MainForm->DrawActiveGridLine(5, 4);
  const int toolBar = MainForm->ToolBarHeight();
  ASSERT_TRUE(MainForm->ActiveFrameShown);
  EXPECT_EQ(MainForm->ActiveFrame.left, 51);
  EXPECT_EQ(MainForm->ActiveFrame.top, 51 + toolBar);
  EXPECT_EQ(MainForm->ActiveFrame.right, 94);
  EXPECT_EQ(MainForm->ActiveFrame.bottom, 78 + toolBar);

  MainForm->A2Click();  // no frame for the selection tools
  MainForm->DrawActiveGridLine(5, 4);
  EXPECT_FALSE(MainForm->ActiveFrameShown);
}

TEST_F(ViewLayoutTest, MouseMovesTrackCellsFrameAndPanel) {
  NewMap(100, 100, 16);
  Map->LayerAt(0).Cells[4 * 100 + 3] = 9;
  const int toolBar = MainForm->ToolBarHeight();
  MainForm->FormMouseMove(Qt::NoButton, Qt::NoModifier, 3 * 16 + 5, toolBar + 4 * 16 + 5);
  EXPECT_EQ(MainForm->LastCell, QPoint(3, 4));
  EXPECT_EQ(MainForm->StatusBar->PanelText(0).toStdString(), "カーソル座標(3, 4)=(9)");
  ASSERT_TRUE(MainForm->ActiveFrameShown);
  EXPECT_EQ(MainForm->ActiveFrame.left, 3 * 16 + 3);

  MainForm->N20Click();  // cursor grid off: the frame is left as it is
  MainForm->FormMouseMove(Qt::NoButton, Qt::NoModifier, 5, toolBar + 5);
  EXPECT_FALSE(MainForm->ActiveFrameShown);  // gone with the full redraw of the toggle

  NewMap(5, 5, 16);
  MainForm->FormMouseMove(Qt::NoButton, Qt::NoModifier, 7 * 16, toolBar + 5);
  EXPECT_EQ(MainForm->StatusBar->PanelText(0).toStdString(), "カーソル座標(マップ範囲外)");
  QPoint view, cell;
  MainForm->PointToCell(7 * 16, toolBar + 9 * 16, view, cell);
  EXPECT_EQ(view, QPoint(7, 9));
  EXPECT_EQ(cell, QPoint(4, 4));
}

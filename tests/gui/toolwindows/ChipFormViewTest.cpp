// The parts window's picture, zoom, scroll bars and rolling up.
#include <QToolButton>

#include "PartsImageFile.h"
#include "ToolWindowFixture.h"
#include "editor/ScrollBar.h"
#include "windows/ChipFormUnit.h"

namespace {

const uint32_t kGrid = 0x888888;
const uint32_t kWhite = 0xFFFFFF;
const uint32_t kBlack = 0x000000;
const uint32_t kRed = 0xFF0000;

uint32_t At(int x, int y) {
  return Pixel(ChipForm->BackBuffer, x, y);
}

std::vector<int> ZoomSteps(void (TChipForm::*step)()) {
  std::vector<int> widths{ChipForm->DrawWidth};
  for (int i = 0; i < 10; ++i) {
    (ChipForm->*step)();
    if (ChipForm->DrawWidth == widths.back()) break;
    widths.push_back(ChipForm->DrawWidth);
  }
  return widths;
}

// Pixels of `colour` inside the rectangle.
int Count(const QRect& r, uint32_t colour) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += At(x, y) == colour;
  return n;
}

}  // namespace

using ChipFormViewTest = ToolWindowTest;

TEST_F(ChipFormViewTest, PartsGridAndSelection) {
  LoadParts("parts.bmp");
  ChipForm->Selectchip(17);
  EXPECT_EQ(At(40, 0), kGrid);
  EXPECT_EQ(At(0, 40), kGrid);
  EXPECT_EQ(At(64, 70), kGrid);
  EXPECT_EQ(At(5, 5), TileColour(0));
  EXPECT_EQ(At(100, 5), TileColour(3));
  EXPECT_EQ(At(64 + 16, 16), 0x00FF00u);  // part 2 as it is, colour key and all
  // Part 17: a white frame on its top and left edges and inside, a black diagonal-cross hatch
  // over the part.
  EXPECT_EQ(At(32, 32), kWhite);
  EXPECT_EQ(At(50, 32), kWhite);
  EXPECT_EQ(At(63, 50), kWhite);
  EXPECT_EQ(At(50, 63), kWhite);
  EXPECT_EQ(At(64, 50), kGrid);  // the next part's grid line stays
  const QRect inside(33, 33, 30, 30);
  EXPECT_GT(Count(inside, kBlack), 60);
  EXPECT_GT(Count(inside, TileColour(17)), 300);
  EXPECT_EQ(Count(inside, kBlack) + Count(inside, TileColour(17)), 900);
}

TEST_F(ChipFormViewTest, TransparentPartIsMarked) {
  LoadParts("parts.bmp");
  const QRect part5(5 * 32 + 4, 4, 24, 24);
  EXPECT_EQ(Count(part5, TileColour(5)), 24 * 24);
  MainForm->Records.transparentPart = {1, 21, 0};
  ChipForm->UpdateFullCanvas();
  const QRect part21(5 * 32 + 4, 32 + 4, 24, 24);
  EXPECT_LT(Count(part21, TileColour(21)), 24 * 24);  // the hatch
  EXPECT_EQ(At(5 * 32 + 16, 32 + 1), kRed);
  EXPECT_EQ(At(5 * 32 + 1, 32 + 16), kRed);
  EXPECT_EQ(At(5 * 32 + 31, 32 + 16), kRed);
  EXPECT_EQ(Count(part5, TileColour(5)), 24 * 24);
}

TEST_F(ChipFormViewTest, ScrolledViewStartsAtTheScrollPosition) {
  LoadParts("parts.bmp");
  ChipForm->HorizScrollBar->SetPosition(3);
  ChipForm->VertScrollBar->SetPosition(2);
  EXPECT_EQ(ChipForm->TopLeftIndex, 2 * 16 + 3);
  EXPECT_EQ(At(5, 5), TileColour(2 * 16 + 3));
  EXPECT_EQ(At(40, 5), TileColour(2 * 16 + 4));
  // The bars stop where the last part column and row are in view.
  const int across = ChipForm->ViewWidth / 32;
  ChipForm->HorizScrollBar->SetPosition(100);
  EXPECT_EQ(ChipForm->ScrollX, 16 - across);
  EXPECT_EQ(At(across * 32, 5), kGrid);  // the grid's right edge
}

TEST_F(ChipFormViewTest, ScrollBarsOnlyWhenTheGridDoesNotFit) {
  EXPECT_TRUE(ChipForm->HorizScrollBar->isVisible());
  EXPECT_TRUE(ChipForm->VertScrollBar->isVisible());
  EXPECT_EQ(ChipForm->HorizScrollBar->LargeChange(), ChipForm->ViewWidth / 32);
  EXPECT_EQ(ChipForm->BackBuffer.Width(), ChipForm->ViewWidth);
  EXPECT_EQ(ChipForm->ViewWidth, ChipForm->width() - ChipForm->VertScrollBar->width());
  ChipForm->ToolButton6Click();
  ChipForm->ToolButton6Click();  // 20 pixels: 320 x 320 fit
  EXPECT_FALSE(ChipForm->HorizScrollBar->isVisible());
  EXPECT_FALSE(ChipForm->VertScrollBar->isVisible());
  EXPECT_EQ(ChipForm->ViewWidth, ChipForm->width());
  EXPECT_EQ(ChipForm->ScrollX, 0);
}

TEST_F(ChipFormViewTest, ZoomStepsAreThreeSixteenthsOfThePart) {
  EXPECT_EQ(ZoomSteps(&TChipForm::ToolButton5Click), (std::vector<int>{32, 38, 44, 50, 56, 62}));
  EXPECT_EQ(ChipForm->DrawHeight, 62);
  EXPECT_FALSE(ChipForm->ToolButton5->isEnabled());
  EXPECT_TRUE(ChipForm->ToolButton6->isEnabled());
  EXPECT_EQ(ChipForm->GetZoomRatio(), 62 * 256 / 32);
  ChipForm->ResumeDrawSize();
  EXPECT_EQ(ChipForm->DrawWidth, 32);
  EXPECT_EQ(ChipForm->HorizScrollBar->LargeChange(), ChipForm->ViewWidth / 32);
  EXPECT_EQ(ZoomSteps(&TChipForm::ToolButton6Click), (std::vector<int>{32, 26, 20, 14, 8, 2}));
  EXPECT_FALSE(ChipForm->ToolButton6->isEnabled());
  EXPECT_TRUE(ChipForm->ToolButton5->isEnabled());
}

TEST_F(ChipFormViewTest, ViewMenuZoomsEvenWhileAButtonIsDisabled) {
  ChipForm->ToolButton6->setEnabled(false);
  MainForm->N9Click();
  EXPECT_EQ(ChipForm->DrawWidth, 26);
  ChipForm->ToolButton5->setEnabled(false);
  MainForm->N8Click();
  MainForm->N8Click();
  EXPECT_EQ(ChipForm->DrawWidth, 38);
  MainForm->N10Click();
  EXPECT_EQ(ChipForm->DrawWidth, 32);
  EXPECT_EQ(ChipForm->DrawHeight, 32);
}

TEST_F(ChipFormViewTest, SmallPartsDoNotZoom) {
  NewMap(10, 10, 5);
  ChipForm->ToolButton5Click();
  EXPECT_EQ(ChipForm->DrawWidth, 5);
  ChipForm->ToolButton6Click();
  EXPECT_EQ(ChipForm->DrawWidth, 5);
  EXPECT_EQ(ChipForm->GetZoomRatio(), 256);
}

TEST_F(ChipFormViewTest, ANewMapTakesTheStoredZoom) {
  ChipForm->ToolButton5Click();
  MainForm->Records.chipWin.zoom = 512;
  ChipForm->Init();
  EXPECT_EQ(ChipForm->DrawWidth, 64);
  EXPECT_EQ(ChipForm->DrawHeight, 64);
  EXPECT_EQ(ChipForm->PartsPerRow, 16);
  EXPECT_TRUE(ChipForm->GetSelectedInfo().active);
  EXPECT_EQ(ChipForm->GetSelectedInfo().index, 0);
  // Zooming out from beyond the usual range still works.
  ChipForm->ToolButton6Click();
  EXPECT_EQ(ChipForm->DrawWidth, 58);
  MainForm->Records.chipWin.zoom = 0;  // nothing sensible: the part size
  ChipForm->Init();
  EXPECT_EQ(ChipForm->DrawWidth, 32);
}

TEST_F(ChipFormViewTest, GridIsLeftOutBelowFourPixelParts) {
  LoadParts("parts.bmp");
  ChipForm->Selection.active = 0;
  while (ChipForm->DrawWidth > 2) ChipForm->ToolButton6Click();
  ChipForm->UpdateFullCanvas();
  EXPECT_EQ(Count(QRect(0, 0, 32, 4), kGrid), 0);
  ChipForm->ToolButton5Click();
  EXPECT_GT(Count(QRect(0, 0, 32, 4), kGrid), 0);
}

TEST_F(ChipFormViewTest, RollingUpToTheToolbarAndBack) {
  const int height = ChipForm->height();
  ChipForm->ToolButton13Click();
  EXPECT_TRUE(ChipForm->Minimized);
  EXPECT_EQ(ChipForm->frameGeometry().height(), 52);
  EXPECT_EQ(ChipForm->maximumHeight(), ChipForm->height());
  EXPECT_FALSE(ChipForm->HorizScrollBar->isVisible());
  EXPECT_FALSE(ChipForm->VertScrollBar->isVisible());
  EXPECT_EQ(ChipForm->ToolButton13->toolTip().toStdString(), "元に戻す");
  ChipForm->ToolButton13Click();
  EXPECT_FALSE(ChipForm->Minimized);
  EXPECT_EQ(ChipForm->height(), height);
  const int frame = ChipForm->frameGeometry().height() - ChipForm->height();
  EXPECT_EQ(ChipForm->maximumHeight() + frame, 587);
  EXPECT_TRUE(ChipForm->HorizScrollBar->isVisible());
  EXPECT_EQ(ChipForm->ToolButton13->toolTip().toStdString(), "最小化");
}

TEST_F(ChipFormViewTest, ToolbarHintsAndStartingPanels) {
  EXPECT_EQ(ChipForm->windowTitle().toStdString(), "パーツ");
  EXPECT_EQ(ChipForm->ToolButton2->toolTip().toStdString(),
            "画像を読み込み、カレントレイヤーに関連付けます");
  EXPECT_EQ(ChipForm->ToolButton3->toolTip().toStdString(), "表示されている画像を閉じます");
  EXPECT_EQ(ChipForm->ToolButton5->toolTip().toStdString(), "表示拡大");
  EXPECT_EQ(ChipForm->ToolButton6->toolTip().toStdString(), "表示縮小");
  EXPECT_FALSE(ChipForm->ToolButton3->isEnabled());
  EXPECT_EQ(ChipPanel(0), "座標(0, 0)");
  EXPECT_EQ(ChipPanel(1), "範囲(0, 0)-(0, 0)");
  EXPECT_EQ(ChipPanel(2), "選択(0)");
}

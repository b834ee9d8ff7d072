// The preview window: layout, the miniature, the frame, jumping the main view, zoom and folding.
#include <QAction>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <random>

#include "FilesFixture.h"
#include "editor/ScrollBar.h"
#include "editor/StatusBar.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

TPreviewForm& Preview() {
  return *PreviewForm;
}

void SetScale(int scale) {
  while (Preview().GetPreviewScale() < scale) Preview().ToolButton2Click();
  while (Preview().GetPreviewScale() > scale) Preview().ToolButton3Click();
}

// The miniature drawn the slow way: the background, then every cell of every shown layer
// copied on its own.
TBitmap ReferenceMiniature() {
  const TPreviewForm& p = Preview();
  const int s = p.PreviewScale, w = Map->GetWidth(), h = Map->GetHeight();
  TBitmap expected = p.BackBuffer;
  const int k = std::min(w, p.PreviewWidth / s), r = std::min(h, p.PreviewHeight / s);
  const int columns = std::min(k + 1, w - p.PreviewLeft), rows = std::min(r + 1, h - p.PreviewTop);
  MainForm->BackgroundBrush.Fill(expected, QRect(0, 0, columns * s, rows * s));
  const TProjectRecords& settings = MainForm->Records;
  for (int l = 0; l < Map->LayerCount(); ++l) {
    TMapChip* chip = Map->GetLayerChip(l);
    if (!chip || !LayerForm->GetLayerVisibleState(l)) continue;
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < columns; ++x) {
        const int part = Map->LayerAt(l).Cells[size_t(p.PreviewOrigin + y * w + x)];
        if (settings.transparentPart.enabled && part == settings.transparentPart.number) continue;
        const int sx = (part % 16) * Map->GetPartWidth(), sy = (part / 16) * Map->GetPartHeight();
        if (settings.colorKey.enabled)
          CDIBCopyRectUseKey32(expected, x * s, y * s, s, s, *chip->Image, sx, sy,
                               Map->GetPartWidth(), Map->GetPartHeight(), settings.colorKey.color);
        else
          CDIBCopyRect32(expected, x * s, y * s, s, s, *chip->Image, sx, sy, Map->GetPartWidth(),
                         Map->GetPartHeight());
      }
  }
  return expected;
}

int DifferentPixels(const TBitmap& a, const TBitmap& b) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += Pixel(a, x, y) != Pixel(b, x, y);
  return n;
}

}  // namespace

using PreviewTest = FilesTest;

TEST_F(PreviewTest, LargeMapGetsScrollBars) {
  // 100 x 100 cells at 2 pixels need 200 x 200; the window has less below its toolbar.
  ASSERT_EQ(Preview().GetPreviewScale(), 2);
  EXPECT_FALSE(Preview().HorizScrollBar->isHidden());
  EXPECT_FALSE(Preview().VertScrollBar->isHidden());
  EXPECT_EQ(Preview().HorizScrollBar->Max(), 100);
  EXPECT_EQ(Preview().HorizScrollBar->LargeChange(), Preview().PreviewWidth / 2);
  EXPECT_EQ(Preview().VertScrollBar->LargeChange(), Preview().PreviewHeight / 2);
  EXPECT_EQ(Preview().BackBuffer.Width(), Preview().PreviewWidth);
  EXPECT_EQ(Preview().PreviewWidth,
            Preview().width() - Preview().VertScrollBar->sizeHint().width());

  // Scrolling moves the miniature's origin and the scroll position stays in range.
  Preview().HorizScrollBar->SetPosition(1000);
  Preview().VertScrollBar->SetPosition(3);
  EXPECT_EQ(Preview().PreviewLeft, 100 - Preview().PreviewWidth / 2);
  EXPECT_EQ(Preview().PreviewOrigin, 3 * 100 + Preview().PreviewLeft);
}

// Whatever the window's size and scale, scrolling to the end shows the last column and row
// whole; a bar is left out only where everything fits.
TEST_F(PreviewTest, LastColumnAndRowCanAlwaysBeScrolledIntoView) {
  NewMap(40, 30, 32);
  GiveLayerParts(0);
  TPreviewForm& p = Preview();
  for (const int scale : {1, 2, 3, 4})
    for (int width = 120; width <= 220; width += 5)
      for (int height = 220; height >= 80; height -= 7) {
        SetScale(scale);
        p.resize(width, height);
        SCOPED_TRACE(std::to_string(scale) + ": " + std::to_string(width) + " x " +
                     std::to_string(height));
        // A hidden bar cannot be moved by the user.
        p.HorizScrollBar->SetPosition(p.HorizScrollBar->isHidden() ? 0 : 40);
        p.VertScrollBar->SetPosition(p.VertScrollBar->isHidden() ? 0 : 30);
        ASSERT_LE((40 - p.PreviewLeft) * scale, p.PreviewWidth);
        ASSERT_LE((30 - p.PreviewTop) * scale, p.PreviewHeight);
      }
}

TEST_F(PreviewTest, SmallMapStaysWithinItsSquares) {
  NewMap(2, 2, 32);
  GiveLayerParts(0);
  FillLayer(0, 1);
  SetScale(4);
  EXPECT_TRUE(Preview().HorizScrollBar->isHidden());
  EXPECT_TRUE(Preview().VertScrollBar->isHidden());
  const TBitmap& b = Preview().BackBuffer;
  EXPECT_EQ(Pixel(b, 0, 0), PartColour(1));
  EXPECT_EQ(Pixel(b, 7, 7), PartColour(1));
  EXPECT_EQ(Pixel(b, 8, 0), 0xFFFFFFu);
  EXPECT_EQ(Pixel(b, 0, 8), 0xFFFFFFu);
  EXPECT_EQ(Pixel(b, b.Width() - 1, b.Height() - 1), 0xFFFFFFu);
  EXPECT_EQ(Preview().ViewFrame, QRect(0, 0, 8, 8));
}

TEST_F(PreviewTest, ZoomButtonsAndStatusText) {
  EXPECT_EQ(Preview().StatusBar->PanelText(0), "表示倍率@7%");  // 2 / 32 = 6.25 %
  SetScale(4);
  EXPECT_FALSE(Preview().ToolButton2->isEnabled());
  EXPECT_TRUE(Preview().ToolButton3->isEnabled());
  EXPECT_EQ(Preview().StatusBar->PanelText(0), "表示倍率@13%");
  Preview().ToolButton2Click();
  EXPECT_EQ(Preview().GetPreviewScale(), 4);
  SetScale(1);
  EXPECT_TRUE(Preview().ToolButton2->isEnabled());
  EXPECT_FALSE(Preview().ToolButton3->isEnabled());
  EXPECT_EQ(Preview().StatusBar->PanelText(0), "表示倍率@4%");
  Preview().ToolButton3Click();
  EXPECT_EQ(Preview().GetPreviewScale(), 1);
  EXPECT_EQ(Preview().ToolButton2->toolTip(), "表示拡大");
  EXPECT_EQ(Preview().ToolButton3->toolTip(), "表示縮小");
}

TEST_F(PreviewTest, MiniatureMatchesCopyingEachCell) {
  NewMap(70, 50, 8);
  AddLayer("holes");
  AddLayer("hidden");
  for (int l = 0; l < 3; ++l) GiveLayerParts(l);
  std::mt19937 random(5);
  for (int l = 0; l < 3; ++l)
    for (uint16_t& cell : Map->LayerAt(l).Cells) cell = random() % 40;  // parts 32+ lie outside
  LayerForm->SetLayerVisibleState(2, false);
  MainForm->Records.transparentPart = {1, 3, 0};
  for (const bool keyed : {false, true}) {
    MainForm->Records.colorKey.enabled = keyed;
    for (const int scale : {1, 3, 4}) {
      SCOPED_TRACE(std::to_string(scale) + (keyed ? " keyed" : ""));
      SetScale(scale);
      Preview().HorizScrollBar->SetPosition(7);
      Preview().VertScrollBar->SetPosition(5);
      Preview().RefreshPreview();
      EXPECT_EQ(DifferentPixels(Preview().BackBuffer, ReferenceMiniature()), 0);
    }
  }
}

TEST_F(PreviewTest, TransparentPartAndHiddenLayersShowTheBackground) {
  NewMap(4, 4, 32);
  GiveLayerParts(0);
  FillLayer(0, 5);
  SetCell(0, 1, 0, 6);
  MainForm->Records.transparentPart = {1, 6, 0};
  Preview().RefreshPreview();
  const TBitmap& b = Preview().BackBuffer;
  const uint32_t background = Pixel(b, 2, 0);
  EXPECT_NE(background, PartColour(6));
  EXPECT_TRUE(background == 0xFFFFFFu || background == 0xD0D0D0u);
  EXPECT_EQ(Pixel(b, 4, 0), PartColour(5));
  LayerForm->SetLayerVisibleState(0, false);
  for (int x = 0; x < 8; ++x) EXPECT_NE(Pixel(b, x, 0), PartColour(5));
}

// Transparency and the transparent colour change the miniature at once, not at the next edit.
TEST_F(PreviewTest, ColourKeySettingsReachTheMiniatureAtOnce) {
  NewMap(4, 4, 32);
  AddLayer("top");
  GiveLayerParts(0);
  GiveLayerParts(1);
  FillLayer(0, 1);
  FillLayer(1, 2);  // green in the middle
  SetScale(4);
  const TBitmap& b = Preview().BackBuffer;
  ASSERT_EQ(Pixel(b, 2, 2), 0x00FF00u);
  MainForm->N17Click();
  EXPECT_EQ(Pixel(b, 2, 2), PartColour(1)) << "Ctrl+T";
  const uint32_t rgb = PartColour(2);  // the key takes 0x00BBGGRR
  prompter.QueueColor((rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16);
  MainForm->N18Click();
  EXPECT_EQ(Pixel(b, 0, 0), PartColour(1)) << "colour";
  EXPECT_EQ(Pixel(b, 2, 2), 0x00FF00u) << "colour";
  MainForm->N17Click();
  EXPECT_EQ(Pixel(b, 0, 0), PartColour(2)) << "Ctrl+T";
}

TEST_F(PreviewTest, AReloadedImageIsDrawnAnew) {
  NewMap(4, 4, 32);
  GiveLayerParts(0);
  FillLayer(0, 1);
  Preview().RefreshPreview();
  ASSERT_EQ(Pixel(Preview().BackBuffer, 0, 0), PartColour(1));
  auto image = std::make_shared<TBitmap>(16 * 32, 64, TPixelFormat::pf32bit);
  image->Fill(0x123456);
  Map->GetLayerChip(0)->Image = image;
  Preview().RefreshPreview();
  EXPECT_EQ(Pixel(Preview().BackBuffer, 0, 0), 0x123456u);
}

TEST_F(PreviewTest, FrameFollowsTheMainView) {
  const int across = MainForm->ViewWidth / MainForm->CellWidth;
  ASSERT_GT(across, 2);
  MainForm->SetHorizPosition(10);
  MainForm->SetVertPosition(4);
  const QRect frame = Preview().ViewFrame;
  EXPECT_EQ(frame.topLeft(), QPoint(20, 8));
  EXPECT_LE(std::abs(frame.width() - 2 * MainForm->ViewWidth / MainForm->CellWidth), 2);
  // A resized main window moves it too.
  MainForm->resize(MainForm->width() - 64, MainForm->height());
  MainForm->FormResize();
  EXPECT_LT(Preview().ViewFrame.width(), frame.width());
}

// Where the main view's frame runs past the miniature, the scroll bar and the status bar
// cover it.
TEST_F(PreviewTest, TheFrameIsCutAtTheMiniaturesEdge) {
  SetScale(4);
  MainForm->SetVertPosition(30);
  const TPreviewForm& p = Preview();
  ASSERT_GT(p.ViewFrame.bottom(), p.PreviewHeight);
  const QImage shot = Preview().grab().toImage();
  const int below = p.ToolBarHeight() + p.PreviewHeight;
  int red = 0;
  for (int y = below; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) red += shot.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_EQ(red, 0);
  int inside = 0;
  for (int y = p.ToolBarHeight(); y < below; ++y)
    inside += shot.pixel(p.ViewFrame.left(), y) == qRgb(255, 0, 0);
  EXPECT_GT(inside, 0);
}

TEST_F(PreviewTest, PressingCentresTheMainView) {
  const int tb = Preview().ToolBarHeight();
  const int across = MainForm->ViewWidth / MainForm->CellWidth;
  const int down = MainForm->ViewHeight / MainForm->CellHeight;
  QTest::mousePress(&Preview(), Qt::LeftButton, {}, QPoint(80, tb + 60));
  EXPECT_EQ(MainForm->ScrollX, 40 - across / 2);
  EXPECT_EQ(MainForm->ScrollY, 30 - down / 2);
  // Dragging follows the pointer until the button is released.
  QTest::mouseMove(&Preview(), QPoint(100, tb + 70));
  EXPECT_TRUE(Preview().Dragging);
  EXPECT_EQ(MainForm->ScrollX, 50 - across / 2);
  QTest::mouseRelease(&Preview(), Qt::LeftButton, {}, QPoint(100, tb + 70));
  Preview().FormMouseMove(10, tb + 10);
  EXPECT_EQ(MainForm->ScrollX, 50 - across / 2);
  // The top-left corner brings the main view to its top-left limit.
  QTest::mousePress(&Preview(), Qt::LeftButton, {}, QPoint(0, tb));
  EXPECT_EQ(MainForm->ScrollX, 0);
  EXPECT_EQ(MainForm->ScrollY, 0);
  QTest::mouseRelease(&Preview(), Qt::LeftButton, {}, QPoint(0, tb));
}

// Presses that the toolbar and the status bar pass on are not presses on the miniature.
TEST_F(PreviewTest, PressesBesideTheMiniatureLeaveTheMainView) {
  MainForm->SetHorizPosition(20);
  MainForm->SetVertPosition(20);
  const int tb = Preview().ToolBarHeight();
  for (const QPoint at : {QPoint(150, tb - 5), QPoint(20, Preview().height() - 3)}) {
    QTest::mousePress(&Preview(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(Preview().Dragging);
    QTest::mouseRelease(&Preview(), Qt::LeftButton, {}, at);
    EXPECT_EQ(MainForm->ScrollX, 20);
    EXPECT_EQ(MainForm->ScrollY, 20);
  }
}

TEST_F(PreviewTest, FoldingToTheToolbarAndBack) {
  const int height = Preview().height();
  Preview().ToolButton5Click();
  EXPECT_TRUE(Preview().Minimized);
  EXPECT_TRUE(static_cast<TToolWindow&>(Preview()).Minimized)
      << "one fold state for every tool window";
  EXPECT_EQ(Preview().frameGeometry().height(), 52);
  EXPECT_EQ(Preview().maximumHeight(), Preview().height());
  EXPECT_TRUE(Preview().StatusBar->isHidden());
  EXPECT_TRUE(Preview().HorizScrollBar->isHidden());
  EXPECT_EQ(Preview().ToolButton5->toolTip(), "元に戻す");
  // Folding survives a new map.
  NewMap(30, 30, 16);
  EXPECT_TRUE(Preview().Minimized);
  EXPECT_EQ(Preview().frameGeometry().height(), 52);
  Preview().ToolButton5Click();
  EXPECT_FALSE(Preview().Minimized);
  EXPECT_EQ(Preview().height(), height);
  EXPECT_FALSE(Preview().StatusBar->isHidden());
  EXPECT_EQ(Preview().ToolButton5->toolTip(), "最小化");
}

TEST_F(PreviewTest, ClosingUnchecksItsShowItem) {
  ASSERT_TRUE(MainForm->N2->isChecked());
  Preview().close();
  EXPECT_FALSE(MainForm->N2->isChecked());
  EXPECT_FALSE(Preview().isVisible());
}

TEST_F(PreviewTest, OpeningTakesTheStoredScale) {
  MainForm->Records.previewWin.zoom = 2;
  SetScale(4);
  SaveAs(dir.File("scale.bwp"));
  NewMap(10, 10, 16);
  EXPECT_EQ(Preview().GetPreviewScale(), 2);  // a new map takes the default
  ASSERT_TRUE(MainForm->OpenProjectFile(dir.File("scale.bwp")));
  EXPECT_EQ(Preview().GetPreviewScale(), 4);
}

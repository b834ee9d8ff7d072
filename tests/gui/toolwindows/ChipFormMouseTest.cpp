// Picking parts with real mouse events on the parts window's view, and the status texts.
#include <QMouseEvent>
#include <QTest>

#include "PartsImageFile.h"
#include "ToolWindowFixture.h"
#include "editor/ScrollBar.h"
#include "editor/StatusBar.h"
#include "windows/ChipFormUnit.h"
#include "windows/ChipView.h"

namespace {

// The centre of part (column, row) in view coordinates, at the current zoom and scroll.
QPoint PartPoint(int column, int row) {
  return {(column - ChipForm->ScrollX) * ChipForm->DrawWidth + ChipForm->DrawWidth / 2,
          (row - ChipForm->ScrollY) * ChipForm->DrawHeight + ChipForm->DrawHeight / 2};
}

void Drag(const QPoint& from, const QPoint& to) {
  QTest::mousePress(ChipForm->View, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(ChipForm->View, to);
  QTest::mouseRelease(ChipForm->View, Qt::LeftButton, Qt::NoModifier, to);
}

// A move without a button, which QTest would turn into a cursor move.
void Hover(const QPoint& at) {
  QMouseEvent move(QEvent::MouseMove, at, ChipForm->View->mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(ChipForm->View, &move);
}

void ExpectSelection(int x, int y, int dx, int dy, int perRow = 16) {
  const TCellRange s = ChipForm->GetSelectedInfo();
  EXPECT_TRUE(s.active);
  EXPECT_EQ(s.x, x);
  EXPECT_EQ(s.y, y);
  EXPECT_EQ(s.dx, dx);
  EXPECT_EQ(s.dy, dy);
  EXPECT_EQ(s.index, y * perRow + x);
}

}  // namespace

using ChipFormMouseTest = ToolWindowTest;

TEST_F(ChipFormMouseTest, AClickSelectsThePartUnderIt) {
  QTest::mouseClick(ChipForm->View, Qt::LeftButton, Qt::NoModifier, QPoint(70, 40));
  ExpectSelection(2, 1, 0, 0);
  EXPECT_EQ(ChipPanel(1), "範囲(2, 1)-(2, 1)");
  EXPECT_EQ(ChipPanel(2), "選択(18)");
  TModified block;
  ASSERT_TRUE(ChipForm->SetCurrentData(block));
  EXPECT_EQ(block.data, std::vector<uint16_t>{18});
}

TEST_F(ChipFormMouseTest, DraggingUpAndLeftSelectsTheBlockBetween) {
  Drag(PartPoint(2, 1), PartPoint(0, 3));
  ExpectSelection(0, 1, 2, 2);
  EXPECT_EQ(ChipPanel(1), "範囲(0, 1)-(2, 3)");
  EXPECT_EQ(ChipPanel(2), "選択(16 ... 50)");
  TModified block;
  ASSERT_TRUE(ChipForm->SetCurrentData(block));
  EXPECT_EQ(block.srcPitch, 2);
  EXPECT_EQ(block.data, (std::vector<uint16_t>{16, 17, 18, 32, 33, 34, 48, 49, 50}));
}

TEST_F(ChipFormMouseTest, ADragLeavingTheGridIsHeldAtItsEdges) {
  Drag(PartPoint(2, 1), QPoint(3000, 2500));
  ExpectSelection(2, 1, 13, 14);
  EXPECT_EQ(ChipPanel(1), "範囲(2, 1)-(15, 15)");
  Drag(PartPoint(2, 1), QPoint(-100, -70));
  ExpectSelection(0, 0, 2, 1);
  // Scrolled to the right end, the last column is still the grid's last.
  ChipForm->HorizScrollBar->SetPosition(16);
  ASSERT_GT(ChipForm->ScrollX, 0);
  Drag(PartPoint(ChipForm->ScrollX, 0), QPoint(ChipForm->ViewWidth + 200, 10));
  ExpectSelection(ChipForm->ScrollX, 0, 15 - ChipForm->ScrollX, 0);
}

TEST_F(ChipFormMouseTest, DuringADragOnlyANewCellCounts) {
  QTest::mousePress(ChipForm->View, Qt::LeftButton, Qt::NoModifier, PartPoint(1, 1));
  QTest::mouseMove(ChipForm->View, PartPoint(3, 2));
  EXPECT_EQ(ChipPanel(0), "座標(3, 2)=(35)");
  ChipForm->StatusBar->SetPanelText(0, QString());
  QTest::mouseMove(ChipForm->View, PartPoint(3, 2) + QPoint(3, 3));  // the same cell
  EXPECT_EQ(ChipPanel(0), "");
  QTest::mouseMove(ChipForm->View, PartPoint(0, 0));
  TModified block;  // a drag up and left still gives a block that reads down and right
  ASSERT_TRUE(ChipForm->SetCurrentData(block));
  EXPECT_EQ(block.data, (std::vector<uint16_t>{0, 1, 16, 17}));
  QTest::mouseMove(ChipForm->View, PartPoint(3, 2));
  QTest::mouseRelease(ChipForm->View, Qt::LeftButton, Qt::NoModifier, PartPoint(3, 2));
  ExpectSelection(1, 1, 2, 1);
  EXPECT_EQ(ChipPanel(2), "選択(17 ... 35)");
}

TEST_F(ChipFormMouseTest, PressingOnAPartEndsPatternModeButNotBeyondTheGrid) {
  ChipForm->ToolButton6Click();
  ChipForm->ToolButton6Click();  // 20-pixel parts: the grid ends inside the view
  ASSERT_GT(ChipForm->ViewWidth, 16 * 20);
  MainForm->PatternMode = true;
  QTest::mouseClick(ChipForm->View, Qt::LeftButton, Qt::NoModifier, QPoint(16 * 20 + 5, 10));
  EXPECT_TRUE(MainForm->PatternMode);
  EXPECT_FALSE(ChipForm->GetSelectedInfo().active);
  EXPECT_EQ(ChipPanel(2), "選択なし");
  TModified block;
  EXPECT_FALSE(ChipForm->SetCurrentData(block));

  QTest::mouseClick(ChipForm->View, Qt::RightButton, Qt::NoModifier, QPoint(25, 5));
  EXPECT_FALSE(MainForm->PatternMode);
  ExpectSelection(1, 0, 0, 0);
}

TEST_F(ChipFormMouseTest, HoveringNamesThePartUnderThePointer) {
  Hover(PartPoint(4, 2));
  EXPECT_EQ(ChipPanel(0), "座標(4, 2)=(36)");
  ChipForm->VertScrollBar->SetPosition(3);
  Hover(QPoint(5, 5));
  EXPECT_EQ(ChipPanel(0), "座標(0, 3)=(48)");
  ChipForm->ToolButton6Click();
  ChipForm->ToolButton6Click();
  Hover(QPoint(16 * 20 + 5, 5));
  EXPECT_EQ(ChipPanel(0), "座標(有効パーツ範囲外)");
}

TEST_F(ChipFormMouseTest, CtrlClickTellsThePixelColourAndSelectsNothing) {
  LoadParts("parts.bmp");
  ChipForm->Selectchip(40);
  QTest::mouseClick(ChipForm->View, Qt::LeftButton, Qt::ControlModifier, PartPoint(5, 0));
  const uint32_t c = TileColour(5);
  const std::string expected = "R:" + std::to_string(c >> 16) +
                               " G:" + std::to_string((c >> 8) & 0xFF) +
                               " B:" + std::to_string(c & 0xFF);
  ASSERT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(prompter.calls[0].kind, PromptCall::Plain);
  EXPECT_EQ(prompter.calls[0].text, expected);
  EXPECT_EQ(ChipForm->GetSelectedInfo().index, 40);
}

TEST_F(ChipFormMouseTest, ScrolledViewsPickFromTheScrollPosition) {
  ChipForm->HorizScrollBar->SetPosition(3);
  ChipForm->VertScrollBar->SetPosition(2);
  QTest::mouseClick(ChipForm->View, Qt::LeftButton, Qt::NoModifier, QPoint(70, 40));
  ExpectSelection(5, 3, 0, 0);
  EXPECT_EQ(ChipPanel(2), "選択(53)");
}

TEST_F(ChipFormMouseTest, SelectingFromOutside) {
  ChipForm->HorizScrollBar->SetPosition(2);
  ChipForm->Selectchip(37);
  ExpectSelection(5, 2, 0, 0);
  EXPECT_EQ(ChipPanel(2), "選択(37)");
  EXPECT_EQ(ChipForm->ScrollX, 2);  // not scrolled to the part
  ChipForm->Selectchip(-1);
  EXPECT_FALSE(ChipForm->GetSelectedInfo().active);
  EXPECT_EQ(ChipPanel(2), "選択なし");

  NewMap(10, 10, 16, 16);  // 256 parts a row
  ChipForm->Selectchip(700);
  ExpectSelection(700 % 256, 2, 0, 0, 256);
}

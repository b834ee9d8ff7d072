// Rectangle selection with the mouse: dragging in any direction, scrolling at the edge, and
// lifting, moving, stamping and dropping the selected cells.
#include <QTest>

#include "ToolFixture.h"
#include "editor/MapView.h"
#include "editor/ScrollBar.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

class SelectToolTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    SetUpMap(20, 15);
    SetCells(0, 2, 2, "1 2 / 3 4");
    PickParts(9, 0);
    MainForm->A2Click();
  }
  const TCellRange& Sel() const { return MainForm->Selection; }
};

}  // namespace

TEST_F(SelectToolTest, DragUpAndLeftIsNegativeUntilReleased) {
  Press(5, 5);
  Move(2, 3);
  EXPECT_EQ(Sel().x, 5);
  EXPECT_EQ(Sel().y, 5);
  EXPECT_EQ(Sel().dx, -3);
  EXPECT_EQ(Sel().dy, -2);
  EXPECT_EQ(Panel(1), "選択範囲(2, 3)-(5, 5)");
  Release(2, 3);
  EXPECT_EQ(Sel().x, 2);
  EXPECT_EQ(Sel().y, 3);
  EXPECT_EQ(Sel().dx, 3);
  EXPECT_EQ(Sel().dy, 2);
  EXPECT_EQ(Sel().index, 3 * 20 + 2);
  EXPECT_TRUE(MainForm->Cut1->isEnabled());
  EXPECT_EQ(Groups(), 0);
}

TEST_F(SelectToolTest, MovingLeavesTheCurrentBlockAndFillsTheCopyBuffer) {
  Drag({2, 2}, {3, 3});
  Press(2, 2);
  EXPECT_TRUE(MainForm->Floating);
  Move(5, 3);
  Release(5, 3);
  EXPECT_TRUE(MainForm->Floating);  // a released block keeps floating
  // The floating block is drawn where it now is, over the part that covers its old place.
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 5 * 16 + 3, 3 * 16 + 8), PartColour(1));
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 2 * 16 + 3, 2 * 16 + 8), PartColour(9));
  Click(10, 10);
  EXPECT_FALSE(MainForm->Floating);
  EXPECT_EQ(Cells(0, 2, 2, 5, 3), "9 9 0 0 0 / 9 9 0 1 2 / 0 0 0 3 4");
  EXPECT_EQ(MainForm->CopyData.data, (std::vector<uint16_t>{1, 2, 3, 4}));
  EXPECT_EQ(MainForm->CopyData.source.x, 2);
  EXPECT_EQ(Groups(), 2);  // the cut and the drop
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(0, 2, 2, 5, 3), "9 9 0 0 0 / 9 9 0 0 0 / 0 0 0 0 0");
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(0, 2, 2, 5, 3), "1 2 0 0 0 / 3 4 0 0 0 / 0 0 0 0 0");
}

TEST_F(SelectToolTest, MovingWithCtrlLeavesTheSourceAlone) {
  Drag({2, 2}, {3, 3});
  Press(3, 3, Qt::LeftButton, Qt::ControlModifier);
  Move(6, 4);
  Release(6, 4);
  Click(12, 12);
  EXPECT_EQ(Cells(0, 2, 2, 5, 3), "1 2 0 0 0 / 3 4 0 1 2 / 0 0 0 3 4");
  EXPECT_FALSE(MainForm->CopyData.source.active);
  EXPECT_EQ(Groups(), 1);
}

TEST_F(SelectToolTest, CtrlPressWhileFloatingStampsACopyAndDragsOn) {
  Drag({2, 2}, {3, 3});
  Press(2, 2);
  Move(6, 2);
  Release(6, 2);
  Press(6, 2, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_TRUE(MainForm->Floating);
  Move(6, 5);
  Release(6, 5);
  Click(15, 12);
  EXPECT_EQ(Cells(0, 2, 2, 6, 5),
            "9 9 0 0 1 2 / 9 9 0 0 3 4 / 0 0 0 0 0 0 / 0 0 0 0 1 2 / 0 0 0 0 3 4");
  EXPECT_EQ(Groups(), 3);  // cut, stamp, drop
}

TEST_F(SelectToolTest, AStampCutOffAtTheEdgeKeepsTheWholeBlockFloating) {
  Drag({2, 2}, {3, 3});
  Press(3, 2);
  Move(0, 2);  // the block's left column is off the map
  Release(0, 2);
  Press(0, 2, Qt::LeftButton, Qt::ControlModifier);
  Move(6, 2);
  Release(6, 2);
  Click(12, 12);
  EXPECT_EQ(Cells(0, 0, 2, 7, 2), "2 0 9 9 0 1 2 / 4 0 9 9 0 3 4");
}

TEST_F(SelectToolTest, ABlockMovedOffTheMapIsDiscardedWithABeep) {
  Drag({2, 2}, {3, 3});
  Press(2, 2);
  Move(21, 2);  // beyond the right edge of the map, inside the view
  Release(21, 2);
  Click(10, 10);
  EXPECT_EQ(prompter.BeepCount(), 1);
  EXPECT_FALSE(MainForm->Floating);
  EXPECT_EQ(Cells(0, 2, 2, 2, 2), "9 9 / 9 9");
  EXPECT_EQ(Groups(), 1);  // only the cut; undo brings the cells back
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(0, 2, 2, 2, 2), "1 2 / 3 4");
}

TEST_F(SelectToolTest, ABlockMovedPastTheLeftEdgeLandsClipped) {
  Drag({2, 2}, {3, 3});
  Press(3, 2);
  Move(0, 2);  // three columns left: the block's left column is off the map
  Release(0, 2);
  EXPECT_EQ(Sel().x, -1);
  MainForm->D2Click();
  EXPECT_FALSE(MainForm->Floating);
  EXPECT_EQ(prompter.BeepCount(), 0);
  EXPECT_EQ(Cells(0, 0, 2, 4, 2), "2 0 9 9 / 4 0 9 9");
}

TEST_F(SelectToolTest, DroppingIntoAHiddenLayerBeeps) {
  Drag({2, 2}, {3, 3});
  Press(2, 2);
  Move(6, 6);
  Release(6, 6);
  LayerForm->SetLayerVisibleState(0, false);
  MainForm->D2Click();
  EXPECT_EQ(prompter.BeepCount(), 1);
  EXPECT_EQ(Cells(0, 6, 6, 2, 2), "0 0 / 0 0");
}

TEST_F(SelectToolTest, CursorOffersToMoveTheSelection) {
  Drag({2, 2}, {3, 3});
  Move(2, 2);
  EXPECT_EQ(MainForm->View->cursor().shape(), Qt::SizeAllCursor);
  Move(8, 8);
  EXPECT_EQ(MainForm->View->cursor().shape(), Qt::CrossCursor);
  for (TToolKind tool : {TToolKind::PatternSelect, TToolKind::TilePen}) {
    MainForm->SelectTool(tool);
    MainForm->A1Click();
    Move(4, 4);
    Move(5, 5);
    EXPECT_EQ(MainForm->View->cursor().shape(), MainForm->ToolCursor(tool).shape());
  }
}

TEST_F(SelectToolTest, PatternSelectToolPicksWithTheLeftButton) {
  MainForm->N24Click();
  Drag({2, 2}, {3, 3});
  EXPECT_TRUE(MainForm->PatternMode);
  EXPECT_EQ(MainForm->PatternData.data, (std::vector<uint16_t>{1, 2, 3, 4}));
  EXPECT_EQ(MainForm->Tool, TToolKind::PatternSelect);
  EXPECT_FALSE(Sel().active);
}

TEST_F(SelectToolTest, DraggingAtTheViewEdgeScrollsOneCellPerMove) {
  NewMap(100, 100, 16);
  MainForm->A2Click();
  const int across = MainForm->ViewWidth / 16, down = MainForm->ViewHeight / 16;
  ASSERT_GT(across, 10);
  Press(3, 3);
  Move(across - 3, 4);
  EXPECT_EQ(MainForm->ScrollX, 0);
  Move(across - 1, 4);
  EXPECT_EQ(MainForm->ScrollX, 1);
  Move(across - 1, 5);  // another cell at the edge: one more
  EXPECT_EQ(MainForm->ScrollX, 2);
  EXPECT_EQ(MainForm->ScrollY, 0);
  Move(across - 1, down - 1);  // at both edges: one step each way
  EXPECT_EQ(MainForm->ScrollX, 3);
  EXPECT_EQ(MainForm->ScrollY, 1);
  Release(across - 1, down - 1);
  EXPECT_EQ(Sel().x, 3);
  EXPECT_EQ(Sel().dx, across - 2);  // the corner is taken before the view scrolls
  MainForm->D2Click();
  Press(5, 5);
  Move(0, 5);
  EXPECT_EQ(MainForm->ScrollX, 2);
  Release(0, 5);
}

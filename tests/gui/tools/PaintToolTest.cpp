// The pen, the tiling pen and the fill, driven through the view, and the pattern they paint
// with after a right-button pick.
#include <QAction>
#include <QTest>
#include <QToolButton>

#include "ToolFixture.h"
#include "editor/MapView.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

class PaintToolTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    SetUpMap(20, 15);
  }
};

}  // namespace

TEST_F(PaintToolTest, PenBlockAtTheLastColumnWritesItsLeftColumn) {
  PickParts(1, 0, 1, 1);  // parts 1 2 / 17 18
  Press(19, 3);
  Move(19, 4);
  Release(19, 4);
  EXPECT_EQ(Cells(0, 18, 3, 2, 4), "0 1 / 0 1 / 0 17 / 0 0");
  EXPECT_EQ(Panel(0), "カーソル座標(19, 4)=(1)");
  EXPECT_EQ(Groups(), 1);
  EXPECT_EQ(Map->GetHistory()[1].Width, 1);
  EXPECT_EQ(Map->GetHistory()[2].Width, 1);
  // The written cell is drawn at once, with the part's colour.
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 19 * 16 + 8, 3 * 16 + 8), PartColour(1));
}

TEST_F(PaintToolTest, PenStrokeIsOneGroupOfTheCellsTheMouseEntered) {
  PickParts(3, 0);
  Press(2, 2);
  Move(3, 2);
  Move(3, 2);  // the same cell again writes nothing
  Move(6, 2);  // a fast move skips the cells between
  Release(6, 2);
  EXPECT_EQ(Cells(0, 2, 2, 5, 1), "3 3 0 0 3");
  EXPECT_EQ(Groups(), 1);
  EXPECT_EQ(Map->GetModifyCursor(), 5);  // begin, three cells, end
  EXPECT_FALSE(MainForm->Selection.active);
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(0, 2, 2, 5, 1), "0 0 0 0 0");
}

TEST_F(PaintToolTest, MiddleButtonPaintsLikeTheLeftAndExtraButtonsDoNothing) {
  PickParts(3, 0);
  Drag({2, 2}, {3, 2}, Qt::MiddleButton);
  EXPECT_EQ(Cells(0, 2, 2, 2, 1), "3 3");
  EXPECT_EQ(Groups(), 1);
  Drag({5, 5}, {6, 5}, Qt::BackButton);
  EXPECT_EQ(Cells(0, 5, 5, 2, 1), "0 0");
  EXPECT_EQ(Groups(), 1);
}

TEST_F(PaintToolTest, PenOnAHiddenLayerOnlyBeeps) {
  PickParts(3, 0);
  LayerForm->SetLayerVisibleState(0, false);
  Press(4, 4);
  Release(4, 4);
  EXPECT_EQ(prompter.BeepCount(), 1);
  EXPECT_EQ(Cells(0, 4, 4, 1, 1), "0");
}

TEST_F(PaintToolTest, TilingThreeByTwoOverSevenByFive) {
  PickParts(0, 1, 2, 1);  // 16 17 18 / 32 33 34
  SetCells(0, 0, 0, "9 9 9 9 9 9 9 9 9");
  MainForm->M1Click();
  Press(1, 1);
  Move(4, 3);
  // While dragging the tiling grid is drawn, anchored where the drag began: a red frame
  // starts three pixels inside the cell at (1, 1) and the next one three columns further.
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 1 * 16 + 3, 1 * 16 + 8), 0xFF0000u);
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 4 * 16 + 3, 1 * 16 + 8), 0xFF0000u);
  EXPECT_TRUE(MainForm->Selection.active);
  Move(7, 5);
  Release(7, 5);
  EXPECT_EQ(Cells(0, 0, 0, 9, 7),
            "9 9 9 9 9 9 9 9 9 / "
            "0 16 17 18 16 17 18 16 0 / "
            "0 32 33 34 32 33 34 32 0 / "
            "0 16 17 18 16 17 18 16 0 / "
            "0 32 33 34 32 33 34 32 0 / "
            "0 16 17 18 16 17 18 16 0 / "
            "0 0 0 0 0 0 0 0 0");
  EXPECT_EQ(Groups(), 1);
  EXPECT_EQ(Map->GetModifyCursor(), 3);
  EXPECT_FALSE(MainForm->Selection.active);
  // The grid is gone with the drag.
  EXPECT_NE(Pixel(MainForm->BackBuffer, 4 * 16 + 3, 1 * 16 + 8), 0xFF0000u);
}

TEST_F(PaintToolTest, TilingDraggedUpAndLeftCoversTheSameRectangle) {
  PickParts(5, 0);
  MainForm->M1Click();
  Drag({4, 3}, {2, 2});
  EXPECT_EQ(Cells(0, 1, 1, 5, 4), "0 0 0 0 0 / 0 5 5 5 0 / 0 5 5 5 0 / 0 0 0 0 0");
}

TEST_F(PaintToolTest, FillReplacesTheJoinedAreaAndSkipsItsOwnPart) {
  SetCells(0, 0, 0, "1 1 1 / 1 0 1 / 1 1 1");
  PickParts(1, 0);
  MainForm->F1Click();
  Click(2, 2);
  EXPECT_EQ(Groups(), 0);  // the cell already holds part 1
  EXPECT_FALSE(Map->CanUndo());
  PickParts(4, 0);
  Click(1, 1);
  EXPECT_EQ(Cells(0, 0, 0, 4, 3), "1 1 1 0 / 1 4 1 0 / 1 1 1 0");
  Click(8, 8);
  EXPECT_EQ(Cells(0, 0, 0, 4, 3), "1 1 1 4 / 1 4 1 4 / 1 1 1 4");
  EXPECT_EQ(Cells(0, 19, 14, 1, 1), "4");
  EXPECT_EQ(Groups(), 2);
  EXPECT_FALSE(MainForm->Selection.active);
}

TEST_F(PaintToolTest, RightPickOfOnePartSelectsItAndReturnsToThePen) {
  SetCell(0, 6, 6, 7);
  Press(6, 6, Qt::RightButton);
  EXPECT_EQ(MainForm->Tool, TToolKind::PatternSelect);
  Release(6, 6, Qt::RightButton);
  EXPECT_EQ(MainForm->Tool, TToolKind::Pen);
  EXPECT_TRUE(MainForm->P1->isChecked());
  EXPECT_TRUE(MainForm->PatternMode);
  EXPECT_EQ(ChipForm->Selection.active, 1);
  EXPECT_EQ(ChipForm->Selection.x, 7);
  EXPECT_EQ(ChipForm->Selection.y, 0);
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_EQ(Groups(), 0);
}

TEST_F(PaintToolTest, PickedBlockPaintsUntilAPartIsPicked) {
  SetCells(0, 0, 0, "1 2 / 3 4");
  MainForm->F1Click();
  Drag({1, 1}, {0, 0}, Qt::RightButton);  // dragged up and left
  EXPECT_EQ(MainForm->Tool, TToolKind::Fill);
  EXPECT_FALSE(ChipForm->Selection.active);  // a block has no single part
  MainForm->M1Click();
  Drag({5, 5}, {7, 6});
  EXPECT_EQ(Cells(0, 5, 5, 3, 2), "1 2 1 / 3 4 3");
  MainForm->P1Click();
  Click(10, 10);
  EXPECT_EQ(Cells(0, 10, 10, 2, 2), "1 2 / 3 4");
  MainForm->ExitPattern();
  PickParts(6, 0);
  Click(12, 12);
  EXPECT_EQ(Cells(0, 12, 12, 2, 2), "6 0 / 0 0");
}

TEST_F(PaintToolTest, CursorPanelFollowsTheMouse) {
  NewMap(10, 5, 16);  // narrower than the view
  GiveLayerParts(0);
  SetCell(0, 3, 2, 12);
  Move(3, 2);
  EXPECT_EQ(Panel(0), "カーソル座標(3, 2)=(12)");
  EXPECT_TRUE(MainForm->ActiveFrameShown);
  Move(12, 2);
  EXPECT_EQ(Panel(0), "カーソル座標(マップ範囲外)");
  Move(4, 7);
  EXPECT_EQ(Panel(0), "カーソル座標(マップ範囲外)");
  MainForm->F1Click();  // the fill command takes the frame away
  EXPECT_FALSE(MainForm->ActiveFrameShown);
}

// Every edit made under a mouse that stays where it is shows the new part in the panel at once.
TEST_F(PaintToolTest, CursorPanelShowsWhatAnEditWroteUnderAStillMouse) {
  PickParts(3, 0);
  Move(4, 4);
  Press(4, 4);
  EXPECT_EQ(Panel(0), "カーソル座標(4, 4)=(3)") << "pen";
  Release(4, 4);

  PickParts(5, 0);
  MainForm->M1Click();
  Drag({6, 6}, {7, 6});
  EXPECT_EQ(Panel(0), "カーソル座標(7, 6)=(5)") << "tiling pen";

  PickParts(7, 0);
  MainForm->F1Click();
  Move(10, 10);
  Click(10, 10);
  EXPECT_EQ(Panel(0), "カーソル座標(10, 10)=(7)") << "fill";

  SetCells(0, 2, 2, "1 2 / 4 5");
  MainForm->A2Click();
  Drag({2, 2}, {3, 3});
  PickParts(9, 0);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Panel(0), "カーソル座標(3, 3)=(9)") << "cut";

  Move(12, 12);
  Click(12, 12);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Panel(0), "カーソル座標(12, 12)=(1)") << "paste";
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Panel(0), "カーソル座標(12, 12)=(7)") << "undo";
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Panel(0), "カーソル座標(12, 12)=(1)") << "redo";
}

TEST_F(PaintToolTest, ToolCommandsAndButtons) {
  const std::pair<void (TMainForm::*)(), TToolKind> commands[] = {
      {&TMainForm::M1Click, TToolKind::TilePen},
      {&TMainForm::F1Click, TToolKind::Fill},
      {&TMainForm::A2Click, TToolKind::RectSelect},
      {&TMainForm::N24Click, TToolKind::PatternSelect},
      {&TMainForm::P1Click, TToolKind::Pen}};
  for (const auto& [command, tool] : commands) {
    (MainForm->*command)();
    EXPECT_EQ(MainForm->Tool, tool);
    EXPECT_EQ(MainForm->View->cursor().shape(), MainForm->ToolCursor(tool).shape());
    const int checked = MainForm->P1->isChecked() + MainForm->M1->isChecked() +
                        MainForm->F1->isChecked() + MainForm->A2->isChecked() +
                        MainForm->N24->isChecked();
    EXPECT_EQ(checked, 1);
  }
  MainForm->A2Click();
  EXPECT_EQ(MainForm->View->cursor().shape(), Qt::CrossCursor);
  MainForm->P1Click();

  // The pen, tiling-pen and fill buttons deselect; the rectangle-select button does not.
  MainForm->A1Click();
  MainForm->SelectToolButton->click();
  EXPECT_TRUE(MainForm->Selection.active);
  MainForm->A1Click();
  MainForm->FillToolButton->click();
  EXPECT_EQ(MainForm->Tool, TToolKind::Fill);
  EXPECT_FALSE(MainForm->Selection.active);
  MainForm->A1Click();
  Key(Qt::Key_F2);
  EXPECT_EQ(MainForm->Tool, TToolKind::TilePen);
  EXPECT_TRUE(MainForm->Selection.active);
  Key(Qt::Key_F6);  // pattern select deselects
  EXPECT_FALSE(MainForm->Selection.active);
}

TEST_F(PaintToolTest, SpaceDragScrollsAndReturnsToTheFill) {
  NewMap(100, 100, 16);
  GiveLayerParts(0);
  MainForm->F1Click();
  QTest::keyPress(MainForm->View, Qt::Key_Space);
  EXPECT_EQ(MainForm->Tool, TToolKind::Hand);
  Press(5, 5);
  Move(3, 4);
  Release(3, 4);
  EXPECT_EQ(MainForm->ScrollX, 2);
  EXPECT_EQ(MainForm->ScrollY, 1);
  EXPECT_EQ(Groups(), 0);  // the hand changes no cell
  QTest::keyRelease(MainForm->View, Qt::Key_Space);
  EXPECT_EQ(MainForm->Tool, TToolKind::Fill);
  EXPECT_EQ(MainForm->View->cursor().shape(), MainForm->ToolCursor(TToolKind::Fill).shape());
  EXPECT_EQ(MainForm->View->cursor().pixmap().toImage(),
            MainForm->ToolCursor(TToolKind::Fill).pixmap().toImage());
}

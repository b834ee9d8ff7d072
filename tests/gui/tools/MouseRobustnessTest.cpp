// Mouse input that does not come in order: releases without presses, second buttons, lost
// releases, keys and commands in the middle of a drag.
#include <QApplication>
#include <QTest>

#include "ToolFixture.h"
#include "editor/MapView.h"
#include "windows/ChipFormUnit.h"

namespace {

class MouseRobustnessTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    SetUpMap(20, 15);
    PickParts(3, 0);
  }
  // Every group below the cursor is closed, none is nested.
  bool HistoryBalanced() const {
    int depth = 0;
    const auto& history = Map->GetHistory();
    for (int i = 0; i < Map->GetModifyCursor(); ++i) {
      if (history[i].Kind == mtBegin && ++depth > 1) return false;
      if (history[i].Kind == mtEnd && --depth < 0) return false;
    }
    return depth == 0;
  }
};

}  // namespace

TEST_F(MouseRobustnessTest, ReleaseWithoutPressChangesNothing) {
  MainForm->M1Click();
  MainForm->A1Click();
  Release(4, 4);
  MainForm->F1Click();
  Release(4, 4);
  MainForm->A2Click();
  Release(4, 4, Qt::RightButton);
  EXPECT_EQ(MainForm->Tool, TToolKind::RectSelect);
  EXPECT_EQ(Groups(), 0);
  EXPECT_EQ(Cells(0, 4, 4, 1, 1), "0");
}

TEST_F(MouseRobustnessTest, SecondButtonDuringADragIsIgnored) {
  Press(1, 1);
  Press(2, 2, Qt::RightButton);
  EXPECT_EQ(MainForm->Tool, TToolKind::Pen);
  QTest::mouseMove(MainForm->View, CellCentre(3, 1));
  Release(3, 1, Qt::RightButton);
  Move(4, 1);
  Release(4, 1);
  EXPECT_EQ(Cells(0, 1, 1, 4, 1), "3 0 3 3");
  EXPECT_EQ(Groups(), 1);
  EXPECT_TRUE(HistoryBalanced());
  EXPECT_FALSE(MainForm->PatternMode);
}

TEST_F(MouseRobustnessTest, APressAfterALostReleaseClosesTheStroke) {
  MainForm->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 8, MainForm->ToolBarHeight() + 8);
  ASSERT_TRUE(MainForm->StrokeOpen);
  Press(5, 5);  // the release of the first press never came
  Release(5, 5);
  EXPECT_EQ(Groups(), 2);
  EXPECT_TRUE(HistoryBalanced());
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(0, 0, 0, 1, 1), "3");
  EXPECT_EQ(Cells(0, 5, 5, 1, 1), "0");
}

TEST_F(MouseRobustnessTest, AMoveWithoutTheButtonEndsTheDrag) {
  Press(1, 1);
  MainForm->FormMouseMove(Qt::NoButton, Qt::NoModifier, CellCentre(2, 1).x(),
                          CellCentre(2, 1).y() + MainForm->ToolBarHeight());
  EXPECT_FALSE(MainForm->Dragging);
  EXPECT_FALSE(MainForm->StrokeOpen);
  EXPECT_TRUE(HistoryBalanced());
  EXPECT_EQ(Cells(0, 1, 1, 2, 1), "3 0");

  // The tiling pen's drag ends as a release would end it.
  MainForm->M1Click();
  Press(5, 5);
  Move(6, 6);
  MainForm->FormMouseMove(Qt::NoButton, Qt::NoModifier, 0, MainForm->ToolBarHeight());
  EXPECT_EQ(Cells(0, 5, 5, 2, 2), "3 3 / 3 3");
}

TEST_F(MouseRobustnessTest, CommandsDuringAStrokeCloseItFirst) {
  Press(1, 1);
  Move(2, 1);
  Key(Qt::Key_Z, Qt::ControlModifier);  // undo takes back the whole stroke
  EXPECT_EQ(Cells(0, 1, 1, 2, 1), "0 0");
  EXPECT_FALSE(MainForm->StrokeOpen);
  Move(3, 1);  // the button is still down, but the drag is over
  Release(3, 1);
  EXPECT_EQ(Cells(0, 3, 1, 1, 1), "0");
  EXPECT_TRUE(HistoryBalanced());
  EXPECT_TRUE(Map->CanRedo());

  Press(1, 2);
  MainForm->M1Click();
  EXPECT_FALSE(MainForm->Dragging);
  EXPECT_TRUE(HistoryBalanced());
  Release(1, 2);
}

TEST_F(MouseRobustnessTest, LosingActivationClosesTheStroke) {
  QWidget other;
  other.show();
  Press(1, 1);
  QApplication::setActiveWindow(&other);
  if (MainForm->isActiveWindow()) GTEST_SKIP() << "the platform keeps the window active";
  EXPECT_FALSE(MainForm->Dragging);
  EXPECT_FALSE(MainForm->StrokeOpen);
  EXPECT_TRUE(HistoryBalanced());
  Release(1, 1);
}

TEST_F(MouseRobustnessTest, SpaceDuringAStrokeScrollsAndTheStrokeStillCloses) {
  NewMap(100, 100, 16);
  GiveLayerParts(0);
  PickParts(3, 0);
  Press(5, 5);
  QTest::keyPress(MainForm->View, Qt::Key_Space);
  Move(3, 5);
  EXPECT_EQ(MainForm->ScrollX, 2);
  Release(3, 5);
  EXPECT_FALSE(MainForm->StrokeOpen);
  QTest::keyRelease(MainForm->View, Qt::Key_Space);
  EXPECT_EQ(MainForm->Tool, TToolKind::Pen);
  EXPECT_EQ(Cells(0, 5, 5, 1, 1), "3");
  EXPECT_EQ(Groups(), 1);
  EXPECT_TRUE(HistoryBalanced());

  // A drag begun by the hand paints nothing when space comes up in the middle of it.
  QTest::keyPress(MainForm->View, Qt::Key_Space);
  Press(5, 5);
  QTest::keyRelease(MainForm->View, Qt::Key_Space);
  Move(8, 8);
  Release(8, 8);
  EXPECT_EQ(Groups(), 1);
}

TEST_F(MouseRobustnessTest, RightPickWhileSpaceHeldReturnsToTheToolBeforeSpace) {
  MainForm->F1Click();
  QTest::keyPress(MainForm->View, Qt::Key_Space);
  Click(2, 2, Qt::RightButton);
  QTest::keyRelease(MainForm->View, Qt::Key_Space);
  EXPECT_EQ(MainForm->Tool, TToolKind::Fill);
  EXPECT_TRUE(MainForm->PatternMode);
}

TEST_F(MouseRobustnessTest, OtherButtonsAndNoMapDoNothing) {
  Click(1, 1, Qt::ForwardButton);
  EXPECT_EQ(Groups(), 0);
  TMap* map = Map;
  Map = nullptr;
  Press(1, 1);
  Move(2, 2);
  Release(2, 2);
  Map = map;
  EXPECT_EQ(Groups(), 0);
  EXPECT_FALSE(MainForm->Dragging);
}

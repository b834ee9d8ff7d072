// The Edit commands: select all, deselect, cut, copy, paste, undo, redo, flush, and the copy
// buffer's dump.
#include <QAction>
#include <QListWidget>
#include <QTest>

#include "ToolFixture.h"
#include "support/TempDir.h"
#include "windows/LayerFormUnit.h"

namespace {

class EditCommandTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    SetUpMap(20, 15);
    SetCells(0, 2, 2, "1 2 3 / 4 5 6");
    MainForm->A2Click();
  }
  void SelectRect(int x, int y, int dx, int dy) {
    Drag({x, y}, {x + dx, y + dy});
    ASSERT_TRUE(MainForm->Selection.active);
  }
};

}  // namespace

TEST_F(EditCommandTest, SelectAllAndDeselect) {
  MainForm->A1Click();
  const TCellRange& s = MainForm->Selection;
  EXPECT_EQ(s.x, 0);
  EXPECT_EQ(s.y, 0);
  EXPECT_EQ(s.dx, 19);
  EXPECT_EQ(s.dy, 14);
  EXPECT_EQ(s.index, 0);
  EXPECT_EQ(Panel(1), "選択範囲(0, 0)-(19, 14)");
  Key(Qt::Key_D, Qt::ControlModifier);
  EXPECT_FALSE(s.active);
  EXPECT_FALSE(MainForm->D2->isEnabled());
}

TEST_F(EditCommandTest, CutLeavesTheCurrentPartOrTiledBlock) {
  PickParts(0, 0);
  SelectRect(2, 2, 2, 1);
  MainForm->Cut1Click();
  EXPECT_EQ(Cells(0, 2, 2, 3, 2), "0 0 0 / 0 0 0");
  EXPECT_EQ(MainForm->CopyData.data, (std::vector<uint16_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(MainForm->CopyData.srcPitch, 2);
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_EQ(Groups(), 1);

  PickParts(1, 1, 1, 1);  // 17 18 / 33 34
  SelectRect(5, 5, 2, 2);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Cells(0, 5, 5, 3, 3), "17 18 17 / 33 34 33 / 17 18 17");
  EXPECT_EQ(Groups(), 2);
}

TEST_F(EditCommandTest, PasteIsClippedAtTheRightEdgeAndUndoneInOneStep) {
  SelectRect(2, 2, 2, 1);
  MainForm->Copy1Click();
  EXPECT_EQ(Groups(), 0);
  EXPECT_TRUE(MainForm->Selection.active);  // a copy keeps the selection
  SelectRect(17, 10, 0, 0);
  EXPECT_TRUE(MainForm->V1->isEnabled());
  MainForm->V1Click();
  EXPECT_EQ(Cells(0, 16, 10, 4, 3), "0 1 2 3 / 0 4 5 6 / 0 0 0 0");
  MainForm->V1Click();  // the selection stays: the same place again
  EXPECT_EQ(Groups(), 2);
  SelectRect(18, 14, 0, 0);
  MainForm->V1Click();
  EXPECT_EQ(Cells(0, 17, 14, 3, 1), "0 1 2");
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(0, 17, 14, 3, 1), "0 0 0");
  MainForm->Cancel1Click();
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(0, 16, 10, 4, 2), "0 0 0 0 / 0 0 0 0");
}

TEST_F(EditCommandTest, CopyOnLayerZeroPastesOnLayerOne) {
  AddLayer("上");
  ASSERT_EQ(LayerForm->GetCurrentLayerIndex(), 1);
  LayerForm->CheckList->setCurrentRow(1);  // the bottom row is layer 0
  ASSERT_EQ(LayerForm->GetCurrentLayerIndex(), 0);
  SelectRect(2, 2, 1, 0);
  MainForm->Copy1Click();
  EXPECT_EQ(MainForm->CopyData.layer, 0);
  LayerForm->CheckList->setCurrentRow(0);
  ASSERT_EQ(LayerForm->GetCurrentLayerIndex(), 1);
  SelectRect(8, 8, 0, 0);
  MainForm->V1Click();
  EXPECT_EQ(Cells(1, 8, 8, 2, 1), "1 2");
  EXPECT_EQ(Cells(0, 8, 8, 2, 1), "0 0");
  EXPECT_EQ(MainForm->CopyData.layer, 1);
  EXPECT_EQ(MainForm->CopyData.destination.x, 8);
}

TEST_F(EditCommandTest, UndoClearsTheSelectionAndSaysSo) {
  PickParts(7, 0);
  MainForm->P1Click();
  Click(0, 0);
  MainForm->A1Click();
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_EQ(Panel(1), "選択範囲なし");
  EXPECT_EQ(Cells(0, 0, 0, 1, 1), "0");
  MainForm->A1Click();
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_EQ(Panel(1), "選択範囲なし");
  EXPECT_EQ(Cells(0, 0, 0, 1, 1), "7");
}

TEST_F(EditCommandTest, UndoWhileFloatingRestoresTheLiftedCells) {
  PickParts(9, 0);
  SelectRect(2, 2, 2, 1);
  Press(3, 3);
  Move(6, 8);
  Release(6, 8);
  ASSERT_TRUE(MainForm->Floating);
  ASSERT_EQ(Cells(0, 2, 2, 3, 2), "9 9 9 / 9 9 9");
  MainForm->Cancel1Click();
  EXPECT_FALSE(MainForm->Floating);
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_EQ(Cells(0, 2, 2, 3, 2), "1 2 3 / 4 5 6");
  EXPECT_EQ(Cells(0, 5, 7, 3, 2), "0 0 0 / 0 0 0");  // the block was discarded, not dropped
  EXPECT_FALSE(Map->CanUndo());
}

TEST_F(EditCommandTest, CommandsActOnAFloatingBlockWhereItIsSeen) {
  SelectRect(2, 2, 2, 1);
  Press(2, 2);
  Move(2, 6);
  Release(2, 6);
  MainForm->Copy1Click();
  EXPECT_FALSE(MainForm->Floating);
  EXPECT_EQ(MainForm->CopyData.source.y, 6);
  EXPECT_EQ(MainForm->CopyData.data, (std::vector<uint16_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Cells(0, 2, 2, 3, 2), "0 0 0 / 0 0 0");
  EXPECT_EQ(Cells(0, 2, 6, 3, 2), "1 2 3 / 4 5 6");
}

TEST_F(EditCommandTest, FlushEmptiesTheHistory) {
  SelectRect(2, 2, 0, 0);
  MainForm->Cut1Click();
  ASSERT_TRUE(MainForm->Cancel1->isEnabled());
  MainForm->N25Click();
  EXPECT_FALSE(Map->CanUndo());
  EXPECT_FALSE(MainForm->Cancel1->isEnabled());
  EXPECT_FALSE(MainForm->Repeat1->isEnabled());
}

TEST_F(EditCommandTest, UnusableSelectionsAreDroppedQuietly) {
  TCellRange& s = MainForm->Selection;
  s = {1, 2, 2, -1, 0, 42};  // not normalised
  EXPECT_FALSE(MainForm->CutToCurrentSelection(true));
  EXPECT_FALSE(s.active);
  s = {1, 19, 14, 0, 0, 20 * 15};  // index past the map
  EXPECT_FALSE(MainForm->CopyOfCurrentSelection());
  EXPECT_FALSE(s.active);
  MainForm->CopyData.source.active = 0;
  s = {1, 0, 0, 0, 0, 0};
  EXPECT_FALSE(MainForm->PasteToCurrentSelection(true));  // nothing to paste
  EXPECT_EQ(Groups(), 0);
  EXPECT_TRUE(prompter.calls.empty());

  for (const TCellRange& r : {TCellRange{0, 0, 0, 0, 0, 0}, TCellRange{1, -1, 0, 0, 0, 0},
                              TCellRange{1, 20, 0, 0, 0, 20}, TCellRange{1, 0, 15, 0, 0, 300},
                              TCellRange{1, 0, 0, 20, 0, 0}, TCellRange{1, 0, 0, 0, -1, 0}})
    EXPECT_TRUE(TMainForm::IsFailedSelection(r));
  // The far corner is not tested: writes clip at the edge.
  EXPECT_FALSE(TMainForm::IsFailedSelection({1, 19, 14, 19, 14, 299}));

  TCellRange drag{1, 5, 5, -3, -2, 0};
  TMainForm::FixSelection(drag);
  EXPECT_EQ(drag.x, 2);
  EXPECT_EQ(drag.y, 3);
  EXPECT_EQ(drag.dx, 3);
  EXPECT_EQ(drag.dy, 2);
  EXPECT_EQ(drag.index, 62);
}

TEST_F(EditCommandTest, DebugOutputWritesTheCopyBufferAsShiftJis) {
  TempDir dir;
  ScopedCurrentDir here(dir.Path());
  SelectRect(2, 2, 1, 1);
  MainForm->Copy1Click();
  MainForm->CopyData.destination = {1, 7, 8, 1, 1, 0};
  MainForm->N19Click();
  const std::string expected =
      "\r\n\x83R\x83s\x81[\x83"
      "f\x81[\x83^\x82\xcc\x8f\x6f\x97\xcd\x8c\x8b\x89\xca\r\n"
      "copy layer=0\r\n"
      "\r\n"
      "Src\x95\xcf\x8dX\x94\xcd\x88\xcd(2, 2)-(3, 3)\r\n"
      "Dst\x95\xcf\x8dX\x94\xcd\x88\xcd(7, 8)-(8, 9)\r\n"
      "srcPitch:1\r\n"
      "1,2,4,5,[EOF]\r\n";
  EXPECT_EQ(ReadFileBytes(dir.File("copy.txt")), expected);
  EXPECT_FALSE(ReadFileBytes(dir.File("map.txt")).empty());
  EXPECT_FALSE(ReadFileBytes(dir.File("modify.txt")).empty());
}

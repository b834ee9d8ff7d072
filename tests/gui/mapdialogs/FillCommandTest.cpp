// The fill command: always the whole current layer, one undo step, then no selection.
#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include "MapDialogFixture.h"
#include "windows/ChipFormUnit.h"
#include "windows/FillDialogUnit.h"

namespace {

// A 4 x 3 map with two layers holding 1 and 2; the upper one ("上") is current.
class FillCommandTest : public MapDialogTest {
 protected:
  void SetUp() override {
    MapDialogTest::SetUp();
    NewMap(4, 3, 32);
    AddLayer("上");
    GiveLayerParts(0);
    GiveLayerParts(1);
    FillLayer(0, 1);
    FillLayer(1, 2);
    MainForm->Selection = {1, 1, 1, 1, 0, 5};
    Map->ClearModified();
    MainForm->UpdateFullCanvas();
    MainForm->ToolButtonMediator();
  }

  void Fill(int item) {
    script.Next<TFillDialog>([item](TFillDialog& dialog) {
      dialog.ComboBox1->setCurrentIndex(item);
      dialog.FillButton->click();
    });
    MainForm->N5Click();
  }
};

const char kUntouched[] = "1 1 1 1 / 1 1 1 1 / 1 1 1 1";

}  // namespace

TEST_F(FillCommandTest, SelectedPartsCoverTheWholeLayerDespiteTheSelection) {
  ChipForm->Selectchip(5);
  Fill(TFillDialog::kSelectedParts);
  EXPECT_EQ(script.lastParent, MainForm);
  EXPECT_EQ(Cells(1), "5 5 5 5 / 5 5 5 5 / 5 5 5 5");
  EXPECT_EQ(Cells(0), kUntouched);
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_FALSE(MainForm->Cut1->isEnabled());
  EXPECT_EQ(CellPixel(3, 2), PartColour(5));
  ASSERT_TRUE(MainForm->Cancel1->isEnabled());
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(1), "2 2 2 2 / 2 2 2 2 / 2 2 2 2");
  EXPECT_FALSE(Map->CanUndo());
}

TEST_F(FillCommandTest, PatternFillsWithThePickedBlock) {
  MainForm->PatternMode = true;
  MainForm->PatternData.source = {1, 0, 0, 2, 0, 0};
  MainForm->PatternData.srcPitch = 2;
  MainForm->PatternData.data = {6, 7, 0};
  Fill(TFillDialog::kPattern);
  EXPECT_EQ(Cells(1), "6 7 0 6 / 6 7 0 6 / 6 7 0 6");
}

TEST_F(FillCommandTest, PatternWithoutOneFillsNothingButStillClearsAndRedraws) {
  ChipForm->Selectchip(5);
  SmudgeView();
  Fill(TFillDialog::kPattern);
  EXPECT_EQ(Cells(1), "2 2 2 2 / 2 2 2 2 / 2 2 2 2");
  EXPECT_FALSE(Map->CanUndo());
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_TRUE(ViewRedrawn());
}

TEST_F(FillCommandTest, TransparentPartFillsWithItsNumber) {
  MainForm->Records.transparentPart = {1, 7, 0};
  Fill(TFillDialog::kTransparentPart);
  EXPECT_EQ(Cells(1), "7 7 7 7 / 7 7 7 7 / 7 7 7 7");
  EXPECT_EQ(CellPixel(0, 0), PartColour(1));  // part 7 is not drawn: the layer below shows
}

TEST_F(FillCommandTest, CancelKeepsMapAndSelection) {
  MainForm->N5Click();  // the script cancels
  EXPECT_EQ(script.shown, 1);
  EXPECT_EQ(Cells(1), "2 2 2 2 / 2 2 2 2 / 2 2 2 2");
  EXPECT_TRUE(MainForm->Selection.active);
}

TEST_F(FillCommandTest, AFloatingBlockIsPutDownWhereItHangs) {
  MainForm->Floating = true;
  MainForm->SelectData.source = {1, 0, 0, 1, 0, 0};
  MainForm->SelectData.data = {8, 9};
  Fill(TFillDialog::kPattern);  // fills nothing, so the dropped block shows
  EXPECT_FALSE(MainForm->Floating);
  EXPECT_EQ(Cells(1), "2 2 2 2 / 2 8 9 2 / 2 2 2 2");
}

// Enabled states after each kind of change, the View toggles, the editor defaults, keys and
// the wheel.
#include <QAction>
#include <QCoreApplication>
#include <QToolButton>
#include <QWheelEvent>

#include "EditorFixture.h"
#include "editor/MapView.h"
#include "editor/ScrollBar.h"
#include "editor/StatusBar.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

// Writes part `part` at (x, y) of layer 0 as one history group.
void Write(int x, int y, uint16_t part) {
  TModified block;
  block.source = {1, 0, 0, 0, 0, 0};
  block.destination = {1, x, y, 0, 0, y * Map->GetWidth() + x};
  block.data = {part};
  Map->BeginGroup();
  Map->WriteBlock(block);
  Map->EndGroup();
}

}  // namespace

using EditorStateTest = EditorTest;

TEST_F(EditorStateTest, UndoFollowsTheHistory) {
  MainForm->ToolButtonMediator();
  EXPECT_FALSE(MainForm->UndoToolButton->isEnabled());
  EXPECT_FALSE(MainForm->Cancel1->isEnabled());
  EXPECT_FALSE(MainForm->RedoToolButton->isEnabled());
  EXPECT_FALSE(MainForm->SaveToolButton->isEnabled());
  EXPECT_FALSE(MainForm->SaveMenuItem->isEnabled());

  Write(1, 1, 5);
  MainForm->ToolButtonMediator();
  EXPECT_TRUE(MainForm->UndoToolButton->isEnabled());
  EXPECT_TRUE(MainForm->Cancel1->isEnabled());
  EXPECT_TRUE(MainForm->SaveToolButton->isEnabled());

  MainForm->Cancel1Click();
  EXPECT_EQ(Map->LayerAt(0).Cells[101], 0);
  EXPECT_FALSE(MainForm->Cancel1->isEnabled());
  EXPECT_TRUE(MainForm->Repeat1->isEnabled());
  MainForm->Repeat1Click();
  EXPECT_EQ(Map->LayerAt(0).Cells[101], 5);

  MainForm->N25Click();
  EXPECT_FALSE(MainForm->UndoToolButton->isEnabled());
  EXPECT_FALSE(MainForm->RedoToolButton->isEnabled());
  EXPECT_FALSE(MainForm->Cancel1->isEnabled());
  EXPECT_FALSE(MainForm->Repeat1->isEnabled());
}

TEST_F(EditorStateTest, UndoWithASelectionClearsItAndSaysSo) {
  MainForm->A1Click();
  EXPECT_TRUE(MainForm->Selection.active);
  MainForm->Cancel1Click();  // disabled: nothing to undo, so nothing happens
  EXPECT_TRUE(MainForm->Selection.active);
  Write(0, 0, 1);
  MainForm->ToolButtonMediator();
  MainForm->Cancel1Click();
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_EQ(MainForm->StatusBar->PanelText(1).toStdString(), "選択範囲なし");
}

TEST_F(EditorStateTest, SelectionEnablesCutCopyAndDeselect) {
  MainForm->ToolButtonMediator();
  for (QAction* a : {MainForm->Cut1, MainForm->Copy1, MainForm->D2, MainForm->V1})
    EXPECT_FALSE(a->isEnabled());
  MainForm->A1Click();
  EXPECT_EQ(MainForm->Selection.dx, 99);
  EXPECT_EQ(MainForm->StatusBar->PanelText(1).toStdString(), "選択範囲(0, 0)-(99, 99)");
  for (QAction* a : {MainForm->Cut1, MainForm->Copy1, MainForm->D2}) EXPECT_TRUE(a->isEnabled());
  EXPECT_TRUE(MainForm->CutToolButton->isEnabled());
  EXPECT_FALSE(MainForm->V1->isEnabled());  // the copy buffer is empty
  EXPECT_FALSE(MainForm->PasteToolButton->isEnabled());
  MainForm->CopyData.source.active = 1;
  MainForm->ToolButtonMediator();
  EXPECT_TRUE(MainForm->V1->isEnabled());
  MainForm->D2Click();
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_FALSE(MainForm->D2->isEnabled());
}

TEST_F(EditorStateTest, ZoomStepsAndLimitsOfSixteenPixelParts) {
  NewMap(100, 100, 16);
  std::vector<int> widths;
  for (int i = 0; i < 6; ++i) {
    MainForm->I1Click();
    widths.push_back(MainForm->CellWidth);
  }
  EXPECT_EQ(widths, (std::vector<int>{19, 22, 25, 28, 31, 31}));
  EXPECT_EQ(MainForm->CellHeight, 31);
  EXPECT_FALSE(MainForm->BigToolButton->isEnabled());
  EXPECT_TRUE(MainForm->SmallToolButton->isEnabled());
  EXPECT_NE(Title().find("@ 193%"), std::string::npos);

  widths.clear();
  while (MainForm->SmallToolButton->isEnabled()) {
    MainForm->O1Click();
    widths.push_back(MainForm->CellWidth);
  }
  EXPECT_EQ(widths, (std::vector<int>{28, 25, 22, 19, 16, 13, 10, 7, 4, 1}));
  MainForm->O1Click();
  EXPECT_EQ(MainForm->CellWidth, 1);
  EXPECT_TRUE(MainForm->BigToolButton->isEnabled());

  MainForm->Z1Click();
  EXPECT_EQ(MainForm->CellWidth, 16);
  EXPECT_EQ(MainForm->CellHeight, 16);
  EXPECT_NE(Title().find("@ 100%"), std::string::npos);
}

TEST_F(EditorStateTest, TheCurrentToolsButtonIsDisabled) {
  MainForm->ToolButtonMediator();
  EXPECT_FALSE(MainForm->PenToolButton->isEnabled());
  EXPECT_TRUE(MainForm->PenToolButton->isChecked());
  EXPECT_TRUE(MainForm->FillToolButton->isEnabled());
  MainForm->N24Click();
  EXPECT_FALSE(MainForm->PtnToolButton->isEnabled());
  EXPECT_TRUE(MainForm->PenToolButton->isEnabled());
  EXPECT_TRUE(MainForm->N24->isChecked());
  EXPECT_FALSE(MainForm->P1->isChecked());
}

TEST_F(EditorStateTest, SpaceHoldsTheHandToolUntilReleased) {
  MainForm->F1Click();
  MainForm->FormKeyDown(Qt::Key_Space, Qt::NoModifier, false);
  EXPECT_EQ(MainForm->Tool, TToolKind::Hand);
  for (QToolButton* b :
       {MainForm->PenToolButton, MainForm->MPenToolButton, MainForm->FillToolButton,
        MainForm->SelectToolButton, MainForm->PtnToolButton})
    EXPECT_TRUE(b->isEnabled());
  MainForm->FormKeyDown(Qt::Key_Space, Qt::NoModifier, true);
  MainForm->FormKeyUp(Qt::Key_Space, Qt::NoModifier, true);  // a repeat, not the release
  EXPECT_EQ(MainForm->Tool, TToolKind::Hand);
  EXPECT_EQ(MainForm->SavedTool, TToolKind::Fill);
  MainForm->FormKeyUp(Qt::Key_Space, Qt::NoModifier, false);
  EXPECT_EQ(MainForm->Tool, TToolKind::Fill);
  EXPECT_FALSE(MainForm->FillToolButton->isEnabled());
}

TEST_F(EditorStateTest, DeleteLayerNeedsTwoLayers) {
  MainForm->ToolButtonMediator();
  EXPECT_FALSE(MainForm->D1->isEnabled());
  AddLayer("上");
  MainForm->ToolButtonMediator();
  EXPECT_TRUE(MainForm->D1->isEnabled());
}

TEST_F(EditorStateTest, ViewTogglesFlipSettingAndMark) {
  MainForm->G1Click();
  EXPECT_FALSE(MainForm->Records.env.grid);
  EXPECT_FALSE(MainForm->G1->isChecked());
  MainForm->N20Click();
  EXPECT_FALSE(MainForm->Records.env.cursorGrid);
  MainForm->N15Click();
  EXPECT_TRUE(MainForm->Records.marker.currentLayer);
  EXPECT_TRUE(MainForm->N15->isChecked());
  MainForm->P2Click();
  EXPECT_TRUE(MainForm->NumToolButton->isChecked());
  MainForm->P2Click();
  EXPECT_FALSE(MainForm->NumToolButton->isChecked());
  EXPECT_FALSE(MainForm->P2->isChecked());

  MainForm->N17Click();
  EXPECT_TRUE(MainForm->Records.colorKey.enabled);
  EXPECT_TRUE(MainForm->N17->isChecked());
  MainForm->N17Click();
  EXPECT_FALSE(MainForm->Records.colorKey.enabled);
  EXPECT_EQ(MainForm->BackBuffer.PixelFormat(), TPixelFormat::pf32bit);
}

TEST_F(EditorStateTest, TransparentColourComesFromTheColourDialog) {
  prompter.QueueColor(0x123456);
  MainForm->N18Click();
  EXPECT_EQ(MainForm->Records.colorKey.color, 0x123456u);
  EXPECT_EQ(prompter.lastCustomColours,
            (std::vector<uint32_t>{0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
                                   0x000000, 0xFFFFFF}));
  MainForm->N18Click();  // cancelled
  EXPECT_EQ(MainForm->Records.colorKey.color, 0x123456u);
}

TEST_F(EditorStateTest, DefaultsAndOffScreenWindowsComeBack) {
  const TProjectRecords& r = MainForm->Records;
  EXPECT_EQ(r.mainWin.width, 590);
  EXPECT_EQ(r.mainWin.height, 590);
  EXPECT_EQ(r.layerWin.top, 400);
  EXPECT_EQ(r.previewWin.top, 520);
  EXPECT_EQ(r.chipWin.left + 420, r.previewWin.left + 200);
  EXPECT_EQ(MainForm->CellWidth, 32);

  MainForm->Records.mainWin.left = -700;  // left + width < 0
  MainForm->Records.chipWin.top = 100000;
  MainForm->Records.layerWin.top = -500;
  MainForm->ApplyEditorFlags();
  EXPECT_EQ(MainForm->Records.mainWin.left, 0);
  EXPECT_EQ(MainForm->Records.chipWin.top, 100);
  EXPECT_EQ(MainForm->Records.layerWin.top, 200);
  EXPECT_EQ(ChipForm->y(), 100);
}

TEST_F(EditorStateTest, ArrowsLettersAndWheelScroll) {
  MainForm->FormKeyDown(Qt::Key_Right, Qt::NoModifier, false);
  MainForm->FormKeyDown(Qt::Key_Down, Qt::NoModifier, false);
  EXPECT_EQ(MainForm->ScrollX, 2);
  EXPECT_EQ(MainForm->ScrollY, 2);
  MainForm->FormKeyPress(QChar('d'));
  MainForm->FormKeyPress(QChar('D'));  // capitals do nothing
  MainForm->FormKeyPress(QChar('s'));
  EXPECT_EQ(MainForm->ScrollX, 3);
  EXPECT_EQ(MainForm->ScrollY, 3);
  MainForm->FormKeyPress(QChar('a'));
  MainForm->FormKeyPress(QChar('w'));
  MainForm->FormKeyDown(Qt::Key_Left, Qt::NoModifier, false);
  EXPECT_EQ(MainForm->ScrollX, 0);
  EXPECT_EQ(MainForm->ScrollY, 2);

  MainForm->FormMouseWheelDown(Qt::NoModifier, Qt::NoButton);
  EXPECT_EQ(MainForm->ScrollY, 3);
  MainForm->FormMouseWheelDown(Qt::ControlModifier, Qt::NoButton);
  EXPECT_EQ(MainForm->ScrollX, 1);
  MainForm->FormMouseWheelDown(Qt::ControlModifier | Qt::ShiftModifier, Qt::NoButton);
  EXPECT_EQ(MainForm->ScrollY, 4);
  MainForm->FormMouseWheelDown(Qt::ControlModifier, Qt::LeftButton);
  EXPECT_EQ(MainForm->ScrollY, 5);
  MainForm->FormMouseWheelUp(Qt::ControlModifier, Qt::NoButton);
  EXPECT_EQ(MainForm->ScrollX, 0);
  MainForm->FormKeyDown(Qt::Key_Up, Qt::NoModifier, false);
  MainForm->FormKeyDown(Qt::Key_Up, Qt::NoModifier, false);
  MainForm->FormKeyDown(Qt::Key_Up, Qt::NoModifier, false);
  EXPECT_EQ(MainForm->ScrollY, 0);  // never above the top
  EXPECT_EQ(MainForm->TopLeftIndex, 0);
}

// The view's wheel events as X11 delivers them: a notch is 120, Alt turns it sideways.
TEST_F(EditorStateTest, WheelNotchesOnTheView) {
  const auto turn = [](QPoint angle, Qt::KeyboardModifiers keys) {
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), angle, Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(MainForm->View, &event);
  };
  turn({0, -120}, Qt::NoModifier);
  EXPECT_EQ(MainForm->ScrollY, 1);
  turn({0, -60}, Qt::NoModifier);
  EXPECT_EQ(MainForm->ScrollY, 1);  // half a notch waits for the other half
  turn({0, -60}, Qt::NoModifier);
  EXPECT_EQ(MainForm->ScrollY, 2);
  turn({-120, 0}, Qt::AltModifier);  // Alt is not Ctrl: still down
  EXPECT_EQ(MainForm->ScrollY, 3);
  turn({0, -120}, Qt::ControlModifier);
  EXPECT_EQ(MainForm->ScrollX, 1);
  EXPECT_EQ(MainForm->ScrollY, 3);
}

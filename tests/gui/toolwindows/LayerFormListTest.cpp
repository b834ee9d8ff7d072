// The layer list under real mouse and key events: order, reordering by dragging, check boxes,
// the pointer, folding.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "PartsImageFile.h"
#include "ToolWindowFixture.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

QWidget* Rows() {
  return LayerForm->CheckList->viewport();
}

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (int i = 0; i < LayerForm->CheckList->count(); ++i)
    names.push_back(LayerForm->CheckList->item(i)->text().toStdString());
  return names;
}

void DragRow(int from, const QPoint& to) {
  const QPoint start = RowPoint(from);
  QTest::mousePress(Rows(), Qt::LeftButton, Qt::NoModifier, start);
  QTest::mouseMove(Rows(), start + QPoint(0, 6));
  QTest::mouseMove(Rows(), to);
  QTest::mouseRelease(Rows(), Qt::LeftButton, Qt::NoModifier, to);
}

void Hover(const QPoint& at) {
  QMouseEvent move(QEvent::MouseMove, at, Rows()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(Rows(), &move);
}

}  // namespace

class LayerListTest : public ToolWindowTest {
 protected:
  void SetUp() override {
    ToolWindowTest::SetUp();
    Map->SetLayerName(0, "0");
    LayerForm->CheckList->item(0)->setText(QStringLiteral("0"));
    AddLayer("1");
    AddLayer("2");
  }
};

TEST_F(LayerListTest, TheHighestLayerIsTheTopRow) {
  EXPECT_EQ(Names(), (std::vector<std::string>{"2", "1", "0"}));
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 2);
  QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(2));
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 0);
  EXPECT_EQ(LayerForm->GetCurrentMapIndex(), 0);
  EXPECT_EQ(Title(), "Brimwell 名称未設定(8bit)  @ 100%(0)");
  EXPECT_EQ(LayerForm->StatusBar->PanelText(0).toStdString(), "レイヤー数：3");
  LayerForm->Init();
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), -1);
  EXPECT_EQ(LayerForm->AddedLayerCount, 0);
}

TEST_F(LayerListTest, ChoosingARowShowsThatLayersImage) {
  LayerForm->CheckList->setCurrentRow(2);
  LoadParts("ground.bmp");
  QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(0));
  EXPECT_FALSE(ChipForm->ToolButton3->isEnabled());
  EXPECT_NE(Pixel(ChipForm->BackBuffer, 40, 5), TileColour(1));
  QTest::keyClick(LayerForm->CheckList, Qt::Key_Down);
  QTest::keyClick(LayerForm->CheckList, Qt::Key_Down);
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 0);
  EXPECT_TRUE(ChipForm->ToolButton3->isEnabled());
  EXPECT_EQ(Pixel(ChipForm->BackBuffer, 40, 5), TileColour(1));
  EXPECT_EQ(Title(), "Brimwell 名称未設定(8bit)  @ 100%(0)");
}

TEST_F(LayerListTest, DraggingTheTopRowOntoTheBottomSwapsThoseTwoLayers) {
  FillLayer(2, 2);
  FillLayer(0, 5);
  LayerForm->SetLayerVisibleState(2, false);
  QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(0));
  DragRow(0, RowPoint(2));
  EXPECT_EQ(Names(), (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_EQ(Map->GetLayerName(0), "2");
  EXPECT_EQ(Map->GetLayerName(1), "1");
  EXPECT_EQ(Map->GetLayerName(2), "0");
  EXPECT_EQ(Map->LayerAt(0).Cells[0], 2);
  EXPECT_EQ(Map->LayerAt(2).Cells[0], 5);
  EXPECT_EQ(LayerForm->CheckList->currentRow(), 2);  // the dropped-on row
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 0);
  // Each layer keeps its visibility.
  EXPECT_FALSE(LayerForm->GetLayerVisibleState(0));
  EXPECT_FALSE(Map->LayerAt(0).Visible);
  EXPECT_TRUE(LayerForm->GetLayerVisibleState(2));
  EXPECT_EQ(Title(), "Brimwell 名称未設定(8bit)  @ 100%(2)");
}

TEST_F(LayerListTest, DropsOnTheCheckBoxesOrTheDraggedRowAreRefused) {
  const std::vector<std::string> before = Names();
  DragRow(0, RowPoint(2, 14));
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(LayerForm->CheckList->currentRow(), 0);
  EXPECT_FALSE(LayerForm->CheckListDragOver(RowPoint(2, 14)));
  EXPECT_TRUE(LayerForm->CheckListDragOver(RowPoint(2, 15)));
  EXPECT_FALSE(LayerForm->CheckListDragOver(RowPoint(0)));      // the selected row
  EXPECT_FALSE(LayerForm->CheckListDragOver(QPoint(60, 200)));  // below the rows
  DragRow(0, QPoint(60, 200));
  EXPECT_EQ(Names(), before);
}

TEST_F(LayerListTest, CheckBoxesHideLayersInTheView) {
  LayerForm->CheckList->setCurrentRow(2);
  LoadParts("ground.bmp");
  FillLayer(0, 3);
  LayerForm->CheckList->setCurrentRow(1);
  LoadParts("ground.bmp");
  FillLayer(1, 6);
  MainForm->UpdateFullCanvas();
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 10, 10), Pixel(ChipForm->BackBuffer, 6 * 32 + 10, 10));

  QTest::keyClick(LayerForm->CheckList, Qt::Key_Space);  // the current row's box
  EXPECT_FALSE(Map->LayerAt(1).Visible);
  EXPECT_FALSE(LayerForm->GetLayerVisibleState(1));
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 10, 10), Pixel(ChipForm->BackBuffer, 3 * 32 + 10, 10));

  // A click on the box itself, which lies within the first 14 pixels.
  QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(1, 15));
  EXPECT_FALSE(Map->LayerAt(1).Visible);
  QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(1, 7));
  EXPECT_TRUE(Map->LayerAt(1).Visible);
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 10, 10), Pixel(ChipForm->BackBuffer, 6 * 32 + 10, 10));
}

TEST_F(LayerListTest, ACheckBoxClickAlsoChoosesItsRow) {
  ASSERT_EQ(LayerForm->GetCurrentLayerIndex(), 2);
  QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(2, 7));
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 0);
  EXPECT_FALSE(Map->LayerAt(0).Visible);
  EXPECT_TRUE(Map->LayerAt(2).Visible);
  EXPECT_EQ(Title(), "Brimwell 名称未設定(8bit)  @ 100%(0)");
}

// The default 200 x 120 leaves room for two rows; the status bar stays inside the window.
TEST_F(LayerListTest, TheWindowTakesItsStoredSizeHoweverSmall) {
  TWindowRecord record;
  record.left = 30;
  record.top = 40;
  record.width = 200;
  record.height = 120;
  LayerForm->Place(record);
  EXPECT_EQ(LayerForm->frameGeometry(), QRect(30, 40, 200, 120));
  EXPECT_LE(LayerForm->StatusBar->geometry().bottom(), LayerForm->height() - 1);
  EXPECT_GE(LayerForm->CheckList->height(), 16);
}

TEST_F(LayerListTest, TheHandAndThePopupOnlyRightOfTheCheckBoxes) {
  Hover(RowPoint(1, 40));
  EXPECT_EQ(Rows()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(LayerForm->PopupAllowedAt(RowPoint(1, 15)));
  Hover(RowPoint(1, 14));
  EXPECT_EQ(Rows()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_FALSE(LayerForm->PopupAllowedAt(RowPoint(1, 14)));
  Hover(QPoint(40, 200));
  EXPECT_EQ(Rows()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_FALSE(LayerForm->PopupAllowedAt(QPoint(40, 200)));
  const QList<QAction*> items = LayerForm->PopupMenu1->actions();
  ASSERT_EQ(items.size(), 5);
  EXPECT_EQ(items[0]->text().toStdString(), "レイヤーを複製...");
  EXPECT_EQ(items[1]->text().toStdString(), "レイヤーを削除");
  EXPECT_EQ(items[2]->text().toStdString(), "下のレイヤーと合成");
  EXPECT_TRUE(items[3]->isSeparator());
  EXPECT_EQ(items[4]->text().toStdString(), "レイヤー設定...");
}

TEST_F(LayerListTest, ADoubleClickOnANameOpensTheSettings) {
  EXPECT_TRUE(DialogShownBy(
      [] { QTest::mouseDClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(1, 40)); }));
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 1);
  EXPECT_FALSE(DialogShownBy(
      [] { QTest::mouseDClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(1, 10)); }));
}

TEST_F(LayerListTest, FoldingAndTheWindowsOtherKeys) {
  const int height = LayerForm->height();
  LayerForm->ToolButton4Click();
  EXPECT_EQ(LayerForm->frameGeometry().height(), 52);
  EXPECT_FALSE(LayerForm->CheckList->isVisible());
  EXPECT_FALSE(LayerForm->StatusBar->isVisible());
  EXPECT_EQ(LayerForm->ToolButton4->toolTip().toStdString(), "元に戻す");
  LayerForm->ToolButton4Click();
  EXPECT_EQ(LayerForm->height(), height);
  EXPECT_TRUE(LayerForm->CheckList->isVisible());
  EXPECT_EQ(LayerForm->ToolButton4->toolTip().toStdString(), "最小化");

  QTest::keyClick(LayerForm->CheckList, Qt::Key_Escape);
  EXPECT_TRUE(MainForm->ToolWindowsHidden);
  EXPECT_FALSE(LayerForm->isVisible());
  MainForm->HideTollWindows();
  LayerForm->close();
  EXPECT_FALSE(MainForm->L2->isChecked());
}

TEST_F(LayerListTest, ToolbarHints) {
  EXPECT_EQ(LayerForm->windowTitle().toStdString(), "レイヤー");
  EXPECT_EQ(LayerForm->AddLayerToolButton->toolTip().toStdString(), "新規レイヤーを作成");
  EXPECT_EQ(LayerForm->CopyLayerToolButton->toolTip().toStdString(), "選択レイヤーを複製");
  EXPECT_EQ(LayerForm->DelLayerToolButton->toolTip().toStdString(), "選択レイヤーを削除");
  EXPECT_EQ(LayerForm->LayerOptToolButton->toolTip().toStdString(),
            "選択レイヤーの設定ウィンドウを開く");
  EXPECT_EQ(LayerForm->CheckList->visualItemRect(LayerForm->CheckList->item(0)).height(), 16);
}

// A tool window closed with its close box stays closed through a new project; opening a
// project takes the marks from the file instead.
TEST_F(LayerListTest, ANewMapShowsClosedToolWindowsAgain) {
  ChipForm->close();
  EXPECT_FALSE(MainForm->P3->isChecked());
  NewMap(20, 20, 16);
  EXPECT_TRUE(MainForm->P3->isChecked());
  EXPECT_TRUE(ChipForm->isVisible());
  EXPECT_TRUE(LayerForm->isVisible());
  EXPECT_TRUE(MainForm->Records.chipWin.visible);
}

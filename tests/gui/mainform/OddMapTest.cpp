// The view's mouse, key and command handlers on maps at the edges of what the editor allows:
// no layers at all, the smallest map, tiny parts, and a huge map zoomed out to one pixel a cell.
#include <QAction>
#include <QTest>

#include "EditorFixture.h"
#include "editor/MapView.h"
#include "windows/LayerFormUnit.h"

namespace {

class OddMapTest : public EditorTest {
 protected:
  // Drags with both buttons for every tool, also from and to points off the map and the view.
  void DragEveryTool() {
    QWidget* view = MainForm->View;
    const QPoint points[] = {{1, 1}, {20, 20}, {300, 200}, {-5, -5}, {5000, 5000}};
    for (QAction* tool : {MainForm->P1, MainForm->M1, MainForm->F1, MainForm->A2, MainForm->N24}) {
      tool->trigger();
      for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(view, button, Qt::NoModifier, points[0]);
        for (const QPoint& p : points) QTest::mouseMove(view, p);
        QTest::mouseRelease(view, button, Qt::NoModifier, points[2]);
        QTest::mousePress(view, button, Qt::ControlModifier, points[1]);
        QTest::mouseMove(view, points[2]);
        QTest::mouseRelease(view, button, Qt::ControlModifier, points[2]);
      }
    }
  }

  void PressKeys() {
    QWidget* view = MainForm->View;
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Delete,
                        Qt::Key_A, Qt::Key_D, Qt::Key_W, Qt::Key_S})
      QTest::keyClick(view, key);
    QTest::keyPress(view, Qt::Key_Space);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, {300, 200});
    QTest::mouseMove(view, {1, 1});
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, {1, 1});
    QTest::keyRelease(view, Qt::Key_Space);
    MainForm->FormMouseWheelDown(Qt::NoModifier, Qt::NoButton);
    MainForm->FormMouseWheelUp(Qt::ControlModifier, Qt::NoButton);
  }

  void RunCommands() {
    for (QAction* command :
         {MainForm->A1, MainForm->Copy1, MainForm->Cut1, MainForm->V1, MainForm->D2,
          MainForm->Cancel1, MainForm->Repeat1, MainForm->N25, MainForm->I1, MainForm->O1,
          MainForm->Z1, MainForm->G1, MainForm->N20, MainForm->N15, MainForm->P2, MainForm->N17})
      command->trigger();
    for (int i = 0; i < 8; ++i) MainForm->O1->trigger();
    MainForm->A1->trigger();
    MainForm->resize(120, 110);
    MainForm->FormResize();
    MainForm->resize(900, 700);
    MainForm->FormResize();
  }

  void Exercise() {
    DragEveryTool();
    PressKeys();
    RunCommands();
    DragEveryTool();
  }
};

TEST_F(OddMapTest, NoLayers) {
  Map->ClearLayers();
  LayerForm->Init();
  Exercise();
  EXPECT_EQ(Map->LayerCount(), 0);
}

TEST_F(OddMapTest, TwoByTwo) {
  NewMap(2, 2, 16);
  GiveLayerParts(0);
  Exercise();
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>());
}

TEST_F(OddMapTest, TwoPixelParts) {
  NewMap(3, 2, 2);
  GiveLayerParts(0);
  Exercise();
  EXPECT_EQ(MainForm->CellWidth, 2);  // the zoom step of a 2-pixel part is 0
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>());
}

TEST_F(OddMapTest, HugeMapAtOnePixelACell) {
  NewMap(10000, 10000, 16);
  GiveLayerParts(0);
  MainForm->resize(1000, 800);
  MainForm->FormResize();
  for (int i = 0; i < 6; ++i) MainForm->O1Click();
  ASSERT_EQ(MainForm->CellWidth, 1);
  PressKeys();
  DragEveryTool();
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>());
}

}  // namespace

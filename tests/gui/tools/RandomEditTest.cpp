// Random editing through the mouse and the keyboard, then undo everything: the map is as it
// was, and redo brings back what the editing left.
#include <QListWidget>
#include <QTest>
#include <random>

#include "ToolFixture.h"
#include "editor/MapView.h"
#include "windows/LayerFormUnit.h"

namespace {

class RandomEditTest : public ToolTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    SetUpMap(20, 15);
    AddLayer("上");
    GiveLayerParts(1);
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 20; ++x) SetCell(0, x, y, static_cast<uint16_t>((x * 7 + y * 3) % 11));
  }

  std::vector<std::vector<uint16_t>> Snapshot() const {
    return {Map->LayerAt(0).Cells, Map->LayerAt(1).Cells};
  }

  int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  // A view cell, now and then beyond the map's right or bottom edge.
  QPoint AnyCell() { return {Random(0, 22), Random(0, 16)}; }

  void RandomDrag() {
    const Qt::MouseButton button = Random(0, 5) == 0 ? Qt::RightButton : Qt::LeftButton;
    const Qt::KeyboardModifiers keys =
        Random(0, 3) == 0 ? Qt::ControlModifier : Qt::KeyboardModifiers(Qt::NoModifier);
    QPoint cell = AnyCell();
    Press(cell.x(), cell.y(), button, keys);
    for (int moves = Random(0, 4); moves > 0; --moves) {
      cell = AnyCell();
      Move(cell.x(), cell.y());
    }
    if (Random(0, 15) == 0) return;  // the release gets lost
    Release(cell.x(), cell.y(), button, keys);
  }

  void RandomCommand() {
    static const Qt::Key tools[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F5, Qt::Key_F6};
    static const Qt::Key edits[] = {Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_A,
                                    Qt::Key_D, Qt::Key_Z, Qt::Key_Y};
    switch (Random(0, 5)) {
      case 0:
        Key(tools[Random(0, 4)]);
        break;
      case 1:
        Key(edits[Random(0, 6)], Qt::ControlModifier);
        break;
      case 2:
        Key(Qt::Key_Delete);
        break;
      case 3:
        PickParts(Random(0, 14), Random(0, 1), Random(0, 2), Random(0, 1) * Random(0, 1));
        MainForm->ExitPattern();
        break;
      case 4:
        LayerForm->CheckList->setCurrentRow(Random(0, 1));
        break;
      default:
        LayerForm->SetLayerVisibleState(Random(0, 1), Random(0, 3) != 0);
        break;
    }
  }

  std::mt19937 rng_{GetParam()};
};

}  // namespace

TEST_P(RandomEditTest, UndoingEverythingRestoresTheStart) {
  const auto start = Snapshot();
  for (int step = 0; step < 120; ++step) {
    if (Random(0, 2) == 0)
      RandomCommand();
    else
      RandomDrag();
  }
  QTest::mouseRelease(MainForm->View, Qt::LeftButton);
  QTest::mouseRelease(MainForm->View, Qt::RightButton);
  MainForm->ToolButtonMediator();
  MainForm->D2Click();  // a floating block lands
  ASSERT_FALSE(MainForm->Floating);
  ASSERT_FALSE(MainForm->StrokeOpen);
  const auto edited = Snapshot();

  int undos = 0;
  while (Map->CanUndo()) {
    MainForm->Cancel1Click();
    ASSERT_LT(++undos, 10000);
  }
  EXPECT_TRUE(Snapshot() == start);
  while (Map->CanRedo()) MainForm->Repeat1Click();
  EXPECT_TRUE(Snapshot() == edited);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEditTest, ::testing::Values(1u, 2u, 3u, 4u));

// The resize command: the dialog filled from the document, the resize, and the layout after it.
#include <QAction>
#include <QLabel>
#include <QToolButton>

#include "MapDialogFixture.h"
#include "editor/ScrollBar.h"
#include "support/ScopedTmpDir.h"
#include "windows/PreviewFormUnit.h"
#include "windows/ResizeDialogUnit.h"

namespace {

const char kShrinkQuestion[] = "マップの一部が切り取られますが、よろしいですか？";

class ResizeCommandTest : public MapDialogTest {
 protected:
  void SetUp() override {
    MapDialogTest::SetUp();
    NewMap(3, 2, 32);
    GiveLayerParts(0);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) SetCell(0, x, y, static_cast<uint16_t>(1 + y * 3 + x));
    Map->ClearModified();
    MainForm->UpdateFullCanvas();
    MainForm->ToolButtonMediator();
  }

  // Enters the size and presses "リサイズ" once.
  void ResizeTo(const char* width, const char* height) {
    script.Next<TResizeDialog>([=](TResizeDialog& dialog) {
      SetField(dialog.Edit1, width);
      SetField(dialog.Edit2, height);
      dialog.ResizeButtonClick();
    });
    MainForm->N23Click();
  }
};

}  // namespace

TEST_F(ResizeCommandTest, DialogShowsTheDocumentsSizeLayersAndCellWidth) {
  NewMap(10, 10, 32, 16);
  AddLayer("1");
  AddLayer("2");
  QString before;
  script.Next<TResizeDialog>([&](TResizeDialog& dialog) {
    before = dialog.Edit1->text() + "x" + dialog.Edit2->text() + " " + dialog.StaticText7->text();
  });
  MainForm->N23Click();
  EXPECT_EQ(script.lastParent, MainForm);
  EXPECT_EQ(before.toStdString(), "10x10 620 bytes");  // (10 x 10 x 3 x 16) / 8 + 20
  EXPECT_TRUE(script.last.isNull());
  EXPECT_EQ(Map->GetWidth(), 10);  // cancelled
}

TEST_F(ResizeCommandTest, EnlargingAddsEmptyColumnsAtTheRightAndKeepsCells) {
  ResizeTo("5", "2");
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(Cells(0), "1 2 3 0 0 / 4 5 6 0 0");
  EXPECT_TRUE(Map->IsModified());
  EXPECT_EQ(MainForm->HorizScrollBar->Max(), 5);
  EXPECT_EQ(CellPixel(4, 0), PartColour(0));
  EXPECT_EQ(CellPixel(2, 1), PartColour(6));
}

TEST_F(ResizeCommandTest, ShrinkingAsksAndCutsOnlyWhenConfirmed) {
  script.Next<TResizeDialog>([&](TResizeDialog& dialog) {
    SetField(dialog.Edit1, "2");
    prompter.QueueAnswer(MsgResult::Cancel);
    dialog.ResizeButtonClick();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text, kShrinkQuestion);
    EXPECT_EQ(prompter.calls[0].caption, "警告");
    EXPECT_NE(dialog.result(), QDialog::Accepted);  // stays open with its values
    EXPECT_EQ(dialog.Edit1->text().toStdString(), "2");
    dialog.ResizeButtonClick();  // OK this time
  });
  MainForm->N23Click();
  EXPECT_EQ(prompter.calls.size(), 2u);
  EXPECT_EQ(Cells(0), "1 2 / 4 5");
  EXPECT_EQ(MainForm->HorizScrollBar->Max(), 2);
}

TEST_F(ResizeCommandTest, SameSizeStillLaysTheWindowsOut) {
  MainForm->ViewWidth = 1;  // stale until the layout runs
  SmudgeView();
  ResizeTo("3", "2");
  EXPECT_EQ(Cells(0), "1 2 3 / 4 5 6");
  EXPECT_FALSE(Map->IsModified());
  EXPECT_GT(MainForm->ViewWidth, 1);
  EXPECT_TRUE(ViewRedrawn());
}

// The preview's scroll bars are laid out for the new size, not only its cells redrawn.
TEST_F(ResizeCommandTest, ThePreviewIsLaidOutForTheNewSize) {
  NewMap(100, 100, 32);
  ASSERT_EQ(PreviewForm->HorizScrollBar->Max(), 100);
  ASSERT_TRUE(PreviewForm->VertScrollBar->isVisibleTo(PreviewForm));
  PreviewForm->VertScrollBar->SetPosition(40);
  prompter.QueueAnswer(MsgResult::OK);
  ResizeTo("10", "10");
  EXPECT_EQ(PreviewForm->HorizScrollBar->Max(), 10);
  EXPECT_EQ(PreviewForm->VertScrollBar->Max(), 10);
  EXPECT_FALSE(PreviewForm->HorizScrollBar->isVisibleTo(PreviewForm));
  EXPECT_FALSE(PreviewForm->VertScrollBar->isVisibleTo(PreviewForm));
  EXPECT_EQ(PreviewForm->PreviewTop, 0);
  EXPECT_EQ(PreviewForm->PreviewOrigin, 0);
}

TEST_F(ResizeCommandTest, HistoryIsFlushedAndSaveEnabled) {
  ASSERT_TRUE(Map->ReplaceValue(1, 9, 0));
  Map->ClearModified();
  MainForm->ToolButtonMediator();
  ASSERT_TRUE(MainForm->Cancel1->isEnabled());
  ResizeTo("4", "4");
  EXPECT_FALSE(Map->CanUndo());
  EXPECT_FALSE(MainForm->Cancel1->isEnabled());
  EXPECT_FALSE(MainForm->UndoToolButton->isEnabled());
  EXPECT_TRUE(MainForm->SaveToolButton->isEnabled());
}

TEST_F(ResizeCommandTest, SpillFileFailureIsReportedAndTheWindowStaysUsable) {
  {
    ScopedTmpDir missing("/nonexistent/brimwell");
    ResizeTo("4", "2");
  }
  ASSERT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(prompter.calls[0].caption, "エラー");
  EXPECT_EQ(prompter.calls[0].icon, MsgIcon::Error);
  EXPECT_EQ(prompter.calls[0].text.rfind("マップのリサイズに失敗しました。", 0), 0u);
  EXPECT_EQ(Map->GetWidth() * Map->GetHeight(), static_cast<int>(Map->LayerAt(0).Cells.size()));
}

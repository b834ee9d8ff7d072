// Replace, project settings and version: what each command changes, and that the view is
// redrawn whether or not the dialog was confirmed.
#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "MapDialogFixture.h"
#include "windows/AboutBoxUnit.h"
#include "windows/FillDialogUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PrefsFormUnit.h"
#include "windows/ReplaceDialogUnit.h"
#include "windows/ResizeDialogUnit.h"

namespace {

// A 4 x 2 map, both layers "1 3 3 1 / 3 1 1 3"; the upper one is current.
class CommandTest : public MapDialogTest {
 protected:
  void SetUp() override {
    MapDialogTest::SetUp();
    NewMap(4, 2, 32);
    AddLayer("上");
    for (int layer = 0; layer < 2; ++layer) {
      GiveLayerParts(layer);
      FillLayer(layer, 1);
      for (int x : {1, 2}) SetCell(layer, x, 0, 3);
      for (int x : {0, 3}) SetCell(layer, x, 1, 3);
    }
    Map->ClearModified();
    MainForm->UpdateFullCanvas();
    MainForm->ToolButtonMediator();
  }
};

const char kPicture[] = "1 3 3 1 / 3 1 1 3";

}  // namespace

TEST_F(CommandTest, ReplaceIsOneUndoStepOnTheCurrentLayerOnly) {
  SmudgeView();
  script.Next<TReplaceDialog>([](TReplaceDialog& dialog) {
    SetField(dialog.Edit1, "1");
    SetField(dialog.Edit2, "5");
    dialog.ReplaceButton->click();
  });
  MainForm->N29Click();
  EXPECT_EQ(script.lastParent, MainForm);
  EXPECT_EQ(Cells(1), "5 3 3 5 / 3 5 5 3");
  EXPECT_EQ(Cells(0), kPicture);
  EXPECT_EQ(CellPixel(0, 0), PartColour(5));
  ASSERT_TRUE(MainForm->Cancel1->isEnabled());
  MainForm->Cancel1Click();
  EXPECT_EQ(Cells(1), kPicture);
  EXPECT_FALSE(Map->CanUndo());
}

TEST_F(CommandTest, ReplaceCancelledChangesNothingButRedraws) {
  SmudgeView();
  script.Next<TReplaceDialog>([](TReplaceDialog& dialog) {
    SetField(dialog.Edit1, "1");
    dialog.CancelButton->click();
  });
  MainForm->N29Click();
  EXPECT_EQ(Cells(1), kPicture);
  EXPECT_FALSE(Map->CanUndo());
  EXPECT_FALSE(Map->IsModified());
  EXPECT_TRUE(ViewRedrawn());
}

TEST_F(CommandTest, SettingsOKStoresThemAndMarksTheProjectModified) {
  ASSERT_FALSE(MainForm->SaveToolButton->isEnabled());
  MainForm->Records.comment = "古い";
  bool loaded = false;
  script.Next<TPrefsForm>([&](TPrefsForm& dialog) {
    loaded = dialog.Memo->toPlainText() == QStringLiteral("古い") && !dialog.CheckBox1->isChecked();
    dialog.CheckBox1->setChecked(true);
    SetField(dialog.Edit1, "3");
    dialog.CheckBox2->setChecked(true);
    dialog.Memo->setPlainText(QStringLiteral("新しいコメント"));
    dialog.OKButton->click();
  });
  MainForm->N28Click();
  EXPECT_TRUE(loaded);
  const TProjectRecords& records = MainForm->Records;
  EXPECT_EQ(records.transparentPart.enabled, 1);
  EXPECT_EQ(records.transparentPart.number, 3);
  EXPECT_EQ(records.header.relativePaths, 1);
  EXPECT_EQ(records.comment, "新しいコメント");
  EXPECT_TRUE(Map->IsModified());
  EXPECT_TRUE(MainForm->SaveToolButton->isEnabled());
  EXPECT_NE(CellPixel(1, 0), PartColour(3));  // part 3 is no longer drawn
  EXPECT_EQ(CellPixel(0, 0), PartColour(1));
}

TEST_F(CommandTest, SettingsCancelledChangeNothingButRedraw) {
  SmudgeView();
  script.Next<TPrefsForm>([](TPrefsForm& dialog) {
    dialog.CheckBox1->setChecked(true);
    dialog.Memo->setPlainText(QStringLiteral("捨てる"));
    dialog.CancelButton->click();
  });
  MainForm->N28Click();
  EXPECT_EQ(MainForm->Records.transparentPart.enabled, 0);
  EXPECT_EQ(MainForm->Records.comment, "");
  EXPECT_FALSE(Map->IsModified());
  EXPECT_FALSE(MainForm->SaveToolButton->isEnabled());
  EXPECT_TRUE(ViewRedrawn());
}

TEST_F(CommandTest, VersionDialogIsShownModallyAndReleased) {
  MainForm->N6Click();
  EXPECT_EQ(script.shown, 1);
  EXPECT_EQ(script.lastParent, MainForm);
  EXPECT_TRUE(script.last.isNull());
}

TEST_F(CommandTest, MenuItemsRunTheirCommands) {
  int shown = 0;
  auto count = [&](QDialog&) { ++shown; };
  script.Next<TResizeDialog>(count);
  MainForm->N23->trigger();
  script.Next<TFillDialog>(count);
  MainForm->N5->trigger();
  script.Next<TReplaceDialog>(count);
  MainForm->N29->trigger();
  script.Next<TPrefsForm>(count);
  MainForm->N28->trigger();
  script.Next<TAboutBox>(count);
  MainForm->N6->trigger();
  EXPECT_EQ(shown, 5);
}

TEST_F(CommandTest, WithoutADocumentOrLayerWindowNothingIsShown) {
  delete LayerForm;
  LayerForm = nullptr;
  MainForm->N29Click();
  EXPECT_EQ(script.shown, 0);
  delete Map;
  Map = nullptr;
  MainForm->N23Click();
  MainForm->N5Click();
  MainForm->N29Click();
  MainForm->N28Click();
  EXPECT_EQ(script.shown, 0);
}

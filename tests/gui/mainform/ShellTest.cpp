// Start-up state, the title, new maps, the unsaved-changes question, closing, dropped files and
// the tool windows.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "EditorFixture.h"
#include "editor/DroppedFile.h"
#include "windows/AboutBoxUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/NewDialogUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

const char kUnsaved[] = "変更が保存されていません。保存しますか？";

// Closes the next modal dialog: OK after filling it, or Cancel.
void AnswerNewDialog(bool accept, const char* width = "20") {
  QTimer::singleShot(0, [accept, width] {
    auto* dialog = dynamic_cast<TNewDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    if (!accept) {
      dialog->CancelButton->click();
      return;
    }
    dialog->Edit1->setText(QString::fromUtf8(width));
    dialog->Edit2->setText(QStringLiteral("30"));
    dialog->Edit3->setText(QStringLiteral("16"));
    dialog->RadioButton2->click();
    dialog->OKButton->click();
  });
}

void Modify() {
  Map->SetModified();
  MainForm->ToolButtonMediator();
}

void ExpectUnsavedQuestion(const PromptCall& call) {
  EXPECT_EQ(call.text, kUnsaved);
  EXPECT_EQ(call.caption, "Brimwell");
  EXPECT_EQ(call.icon, MsgIcon::Warning);
  EXPECT_EQ(call.buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(call.owner, MainForm);
}

}  // namespace

using ShellTest = EditorTest;

TEST_F(ShellTest, StartsWithAnUntitledUnmodifiedMap) {
  EXPECT_EQ(Title(), "Brimwell 名称未設定(8bit)  @ 100%(レイヤー0)");
  EXPECT_FALSE(Map->IsModified());
  EXPECT_EQ(Map->GetWidth(), 100);
  EXPECT_EQ(Map->LayerCount(), 1);
  EXPECT_EQ(Map->GetLayerName(0), "レイヤー0");
  EXPECT_EQ(MainForm->Tool, TToolKind::Pen);
  EXPECT_TRUE(MainForm->FileName.empty());
  EXPECT_EQ(LayerForm->AddedLayerCount, 1);
  EXPECT_TRUE(ChipForm->isVisible());
  EXPECT_TRUE(LayerForm->isVisible());
  EXPECT_TRUE(PreviewForm->isVisible());
  EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(ShellTest, TitleShowsBitsZoomAndCurrentLayer) {
  NewMap(10, 10, 32, 16);
  MainForm->CellWidth = 64;
  MainForm->FormatTittle();
  EXPECT_EQ(Title(), "Brimwell 名称未設定(16bit)  @ 200%(レイヤー0)");
  AddLayer("雲");
  EXPECT_EQ(Title(), "Brimwell 名称未設定(16bit)  @ 200%(雲)");
  LayerForm->Init();
  MainForm->FormatTittle();
  EXPECT_EQ(Title(), "Brimwell 名称未設定(16bit)  @ 200%()");
}

TEST_F(ShellTest, NewOnAnUnmodifiedMapAsksNothing) {
  AnswerNewDialog(true);
  MainForm->NewMenuItemClick();
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(Map->GetWidth(), 20);
  EXPECT_EQ(Map->GetHeight(), 30);
  EXPECT_EQ(Map->GetPartWidth(), 16);
  EXPECT_EQ(Map->GetPartHeight(), 32);
  EXPECT_EQ(Map->GetBitsPerCell(), 16);
  EXPECT_EQ(MainForm->Records.header.layerCount, 1);
  EXPECT_EQ(Title(), "Brimwell 名称未設定(16bit)  @ 100%(レイヤー0)");
}

TEST_F(ShellTest, NewOnAModifiedMap) {
  Modify();
  TMap* before = Map;

  prompter.QueueAnswer(MsgResult::Cancel);
  MainForm->NewMenuItemClick();
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  ExpectUnsavedQuestion(prompter.Boxes()[0]);
  EXPECT_EQ(Map, before);
  EXPECT_TRUE(Map->IsModified());

  // Yes: the save is cancelled (no file name is chosen), so the command is abandoned.
  prompter.QueueAnswer(MsgResult::Yes);
  MainForm->NewMenuItemClick();
  EXPECT_EQ(Map, before);
  EXPECT_TRUE(Map->IsModified());

  // No: the dialog opens; cancelling it keeps the map too.
  prompter.QueueAnswer(MsgResult::No);
  AnswerNewDialog(false);
  MainForm->NewMenuItemClick();
  EXPECT_EQ(Map, before);

  prompter.QueueAnswer(MsgResult::No);
  AnswerNewDialog(true);
  MainForm->NewMenuItemClick();
  EXPECT_EQ(Map->GetWidth(), 20);
  EXPECT_FALSE(Map->IsModified());
}

TEST_F(ShellTest, ClosingAsksAboutUnsavedChanges) {
  Modify();
  prompter.QueueAnswer(MsgResult::Cancel);
  EXPECT_FALSE(MainForm->close());
  ExpectUnsavedQuestion(prompter.Boxes().at(0));
  EXPECT_NE(Map, nullptr);
  EXPECT_TRUE(MainForm->DrawingEnabled);

  prompter.QueueAnswer(MsgResult::Yes);  // the save is cancelled
  EXPECT_FALSE(MainForm->close());
  EXPECT_NE(Map, nullptr);
  EXPECT_EQ(prompter.Boxes().at(2).kind, PromptCall::SaveFile);

  prompter.QueueAnswer(MsgResult::No);
  EXPECT_TRUE(MainForm->close());
  EXPECT_EQ(Map, nullptr);
  EXPECT_FALSE(MainForm->DrawingEnabled);
  EXPECT_EQ(prompter.Boxes().size(), 4u);
}

TEST_F(ShellTest, ClosingAnUnmodifiedMapAsksNothing) {
  MainForm->QuitMenuItemClick();
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(Map, nullptr);
  EXPECT_FALSE(MainForm->isVisible());
}

TEST_F(ShellTest, EscapeHidesAndRestoresTheCheckedToolWindows) {
  ChipForm->close();  // its close box
  EXPECT_FALSE(MainForm->P3->isChecked());
  MainForm->FormKeyDown(Qt::Key_Escape, Qt::NoModifier, false);
  EXPECT_TRUE(MainForm->ToolWindowsHidden);
  EXPECT_FALSE(ChipForm->isVisible());
  EXPECT_FALSE(LayerForm->isVisible());
  EXPECT_FALSE(PreviewForm->isVisible());
  EXPECT_TRUE(MainForm->L2->isChecked());  // the toggle keeps the check marks

  MainForm->FormKeyDown(Qt::Key_Escape, Qt::NoModifier, false);
  EXPECT_FALSE(MainForm->ToolWindowsHidden);
  EXPECT_FALSE(ChipForm->isVisible());
  EXPECT_TRUE(LayerForm->isVisible());
  EXPECT_TRUE(PreviewForm->isVisible());
}

TEST_F(ShellTest, EscapeInAToolWindowTogglesToo) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(PreviewForm, &escape);
  EXPECT_TRUE(MainForm->ToolWindowsHidden);
  EXPECT_FALSE(LayerForm->isVisible());
}

TEST_F(ShellTest, ShowMenuAndButtonsToggleToolWindows) {
  MainForm->L2Click();
  EXPECT_FALSE(MainForm->L2->isChecked());
  EXPECT_FALSE(LayerForm->isVisible());
  MainForm->LayerWinToolButton->click();
  EXPECT_TRUE(MainForm->L2->isChecked());
  EXPECT_TRUE(LayerForm->isVisible());
  PreviewForm->close();
  EXPECT_FALSE(MainForm->N2->isChecked());

  // A new map starts from the default settings, which show all three, and ends any Escape
  // hiding.
  MainForm->HideTollWindows();
  NewMap(10, 10, 16);
  EXPECT_FALSE(MainForm->ToolWindowsHidden);
  EXPECT_TRUE(MainForm->N2->isChecked());
  EXPECT_TRUE(ChipForm->isVisible());
  EXPECT_TRUE(LayerForm->isVisible());
  EXPECT_TRUE(PreviewForm->isVisible());
}

TEST_F(ShellTest, NewMapResetsTheEditor) {
  MainForm->A2Click();
  MainForm->A1Click();
  MainForm->MapName = "x.bwp";
  MainForm->FileName = "/tmp/x.bwp";
  MainForm->FormKeyDown(Qt::Key_Right, Qt::NoModifier, false);
  NewMap(50, 40, 16);
  EXPECT_EQ(MainForm->Tool, TToolKind::Pen);
  EXPECT_TRUE(MainForm->P1->isChecked());
  EXPECT_FALSE(MainForm->Selection.active);
  EXPECT_EQ(MainForm->MapName, "名称未設定");
  EXPECT_TRUE(MainForm->FileName.empty());
  EXPECT_EQ(MainForm->ScrollX, 0);
  EXPECT_EQ(MainForm->CellWidth, 16);
  EXPECT_EQ(ChipForm->PartsPerRow, 16);
  EXPECT_TRUE(ChipForm->GetSelectedInfo().active);
  EXPECT_EQ(MainForm->Records.header.width, 50);
  EXPECT_EQ(MainForm->Records.header.partHeight, 16);
}

TEST_F(ShellTest, DroppedFilesAreSortedByExtension) {
  EXPECT_EQ(ClassifyDroppedFile("/a/b/map.bwp"), TDroppedFile::Project);
  EXPECT_EQ(ClassifyDroppedFile("C:\\maps\\MAP.BWP"), TDroppedFile::Project);
  EXPECT_EQ(ClassifyDroppedFile("/a/data.FMF"), TDroppedFile::MapData);
  EXPECT_EQ(ClassifyDroppedFile("/a/data.Fmf"), TDroppedFile::MapData);
  EXPECT_EQ(ClassifyDroppedFile("/a/level.TMX"), TDroppedFile::TiledMap);
  EXPECT_EQ(ClassifyDroppedFile("/a/level.tmj"), TDroppedFile::TiledMap);
  EXPECT_EQ(ClassifyDroppedFile("/a/parts.bmp"), TDroppedFile::Other);
  EXPECT_EQ(ClassifyDroppedFile("/a/fmf"), TDroppedFile::Other);
  EXPECT_EQ(ClassifyDroppedFile("/a.bwp/readme"), TDroppedFile::Other);
  // Other files are ignored without a word.
  MainForm->WMDropFiles({QStringLiteral("/a/parts.bmp"), QStringLiteral("/a/notes.txt")});
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(Map->GetWidth(), 100);
}

TEST_F(ShellTest, MeasuringShowsFramesPerSecond) {
  MainForm->N33Click();
  ASSERT_EQ(prompter.Texts().size(), 1u);
  const std::string text = prompter.Texts()[0];
  ASSERT_GT(text.size(), 3u);
  EXPECT_EQ(text.substr(text.size() - 3), "fps");
  EXPECT_GT(std::stoi(text), 0);
}

TEST_F(ShellTest, VersionCommandShowsTheVersionDialog) {
  bool shown = false;
  QTimer::singleShot(0, [&shown] {
    auto* dialog = dynamic_cast<TAboutBox*>(QApplication::activeModalWidget());
    shown = dialog != nullptr;
    if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
  });
  MainForm->N6Click();
  EXPECT_TRUE(shown);
}

// Saving projects: the save and save-as commands, what the file holds, and failed writes.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAction>
#include <QToolButton>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "../../formats/FormatsTestUtil.h"
#include "FilesFixture.h"
#include "editor/FileProgress.h"
#include "formats/ImagePath.h"
#include "support/ScopedFileSizeLimit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

const char kOverwrite[] = "同名のファイルがすでにが存在します。置き換えますか？";
const char kWriteFailed[] = "プロジェクトファイルの書き込み中にエラーが発生しました";

}  // namespace

using ProjectSaveTest = FilesTest;

TEST_F(ProjectSaveTest, SavingAnUntitledMapAsksForAName) {
  AddLayer("top");
  SetCell(1, 2, 3, 7);
  Modify();
  ASSERT_TRUE(MainForm->SaveMenuItem->isEnabled());
  const std::string path = dir.File("new.bwp");
  prompter.QueueFile(path);
  MainForm->SaveMenuItemClick();
  ASSERT_EQ(prompter.calls.size(), 1u);
  const FileDialogRequest& request = prompter.calls[0].file;
  EXPECT_EQ(prompter.calls[0].kind, PromptCall::SaveFile);
  EXPECT_EQ(request.filter, "Project file (*.bwp)|*.bwp");
  EXPECT_EQ(request.defaultExt, "bwp");
  EXPECT_EQ(request.title, "新規保存");
  EXPECT_EQ(request.fileName, "名称未設定");

  EXPECT_FALSE(Map->IsModified());
  EXPECT_FALSE(MainForm->SaveMenuItem->isEnabled());
  EXPECT_FALSE(MainForm->SaveToolButton->isEnabled());
  EXPECT_EQ(MainForm->MapName, "new.bwp");
  EXPECT_EQ(MainForm->FileName, path);
  EXPECT_NE(Title().find("new.bwp(8bit)"), std::string::npos);
  // Start and one step, then one step per layer.
  EXPECT_EQ(TFileProgress::LastMaximum, 2 + 1);
  EXPECT_EQ(TFileProgress::LastSteps, 3);
  EXPECT_FALSE(ProgressWindowLeft());

  NewMap(10, 10, 16);
  ASSERT_TRUE(MainForm->OpenProjectFile(path));
  ASSERT_EQ(Map->LayerCount(), 2);
  EXPECT_EQ(Map->GetLayerName(1), "top");
  EXPECT_EQ(Map->LayerAt(1).Cells[3 * 100 + 2], 7);
}

TEST_F(ProjectSaveTest, SaveWritesToTheKnownPathWithoutAsking) {
  SaveAs(dir.File("map.bwp"));
  prompter.Clear();
  SetCell(0, 0, 0, 5);
  Modify();
  EXPECT_TRUE(MainForm->Save());
  EXPECT_TRUE(prompter.calls.empty());
  NewMap(10, 10, 16);
  ASSERT_TRUE(MainForm->OpenProjectFile(dir.File("map.bwp")));
  EXPECT_EQ(Map->LayerAt(0).Cells[0], 5);
}

TEST_F(ProjectSaveTest, SavingAnUnmodifiedDocumentWritesNothing) {
  SaveAs(dir.File("map.bwp"));
  WriteFileBytes(dir.File("map.bwp"), "sentinel");
  prompter.Clear();
  EXPECT_FALSE(MainForm->Save());
  MainForm->SaveMenuItemClick();
  MainForm->SaveToolButtonClick();
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(ReadFileBytes(dir.File("map.bwp")), "sentinel");
}

TEST_F(ProjectSaveTest, OverwriteQuestionBeforeReplacingAFile) {
  const std::string path = WriteFile("there.bwp", "old");
  Modify();
  prompter.QueueFile(path);
  prompter.QueueAnswer(MsgResult::Cancel);
  EXPECT_FALSE(MainForm->Save());
  ASSERT_EQ(prompter.calls.size(), 2u);
  ExpectBox(prompter.calls[1], kOverwrite, "Brimwell", MsgIcon::Warning, MsgButtons::OKCancel);
  EXPECT_EQ(ReadFileBytes(path), "old");
  EXPECT_TRUE(Map->IsModified());

  prompter.QueueFile(path);
  prompter.QueueAnswer(MsgResult::OK);
  EXPECT_TRUE(MainForm->Save());
  EXPECT_EQ(ReadFileBytes(path).substr(0, 4), "RIFF");
}

TEST_F(ProjectSaveTest, SaveAsReopensItsDialogWhenReplacingIsDeclined) {
  SaveAs(dir.File("first.bwp"));
  const std::string taken = WriteFile("taken.bwp", "old");
  prompter.Clear();
  prompter.QueueFile(taken);
  prompter.QueueAnswer(MsgResult::Cancel);
  prompter.QueueFile(dir.File("second.bwp"));
  MainForm->SaveAs1Click();  // written although nothing changed
  ASSERT_EQ(prompter.calls.size(), 3u);
  const FileDialogRequest& request = prompter.calls[0].file;
  EXPECT_EQ(request.title, "名前を付けて保存");
  EXPECT_EQ(request.filter, "Project file (*.bwp)|*.bwp");
  EXPECT_EQ(request.defaultExt, "bwp");
  EXPECT_EQ(request.fileName, "first");
  EXPECT_EQ(request.initialDir, FolderPart(dir.File("first.bwp")));
  EXPECT_EQ(prompter.calls[1].text, kOverwrite);
  EXPECT_EQ(prompter.calls[2].kind, PromptCall::SaveFile);
  EXPECT_EQ(ReadFileBytes(taken), "old");
  EXPECT_EQ(ReadFileBytes(dir.File("second.bwp")).substr(0, 4), "RIFF");
  EXPECT_EQ(MainForm->MapName, "second.bwp");

  prompter.Clear();
  prompter.QueueFileCancel();
  MainForm->SaveAs1Click();
  EXPECT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(MainForm->MapName, "second.bwp");
}

TEST_F(ProjectSaveTest, AFailedSaveKeepsEverythingAndSaysSo) {
  SaveAs(dir.File("map.bwp"));
  const std::string before = ReadFileBytes(dir.File("map.bwp"));
  SetCell(0, 1, 1, 3);
  Modify();
  const std::string title = Title();
  // The project's folder is replaced by a file: nothing can be created there.
  std::filesystem::rename(dir.Path(), dir.Path() + ".moved");
  WriteFileBytes(dir.Path(), "not a folder");
  prompter.Clear();
  EXPECT_FALSE(MainForm->Save());
  ASSERT_EQ(prompter.calls.size(), 1u);
  ExpectBox(prompter.calls[0],
            std::string(kWriteFailed) + "\nファイル " + dir.File("map.bwp") +
                " を作成できません (途中の名前がフォルダーではありません)",
            "エラー", MsgIcon::Error, MsgButtons::OK);
  EXPECT_TRUE(Map->IsModified());
  EXPECT_TRUE(MainForm->SaveMenuItem->isEnabled());
  EXPECT_EQ(MainForm->MapName, "map.bwp");
  EXPECT_EQ(MainForm->FileName, dir.File("map.bwp"));
  EXPECT_EQ(Title(), title);
  EXPECT_FALSE(ProgressWindowLeft());
  std::filesystem::remove(dir.Path());
  std::filesystem::rename(dir.Path() + ".moved", dir.Path());
  EXPECT_EQ(ReadFileBytes(dir.File("map.bwp")), before);

  // Save as into a place that cannot hold a file fails the same way.
  prompter.Clear();
  prompter.QueueFile(dir.File("map.bwp/inner.bwp"));
  MainForm->SaveAs1Click();
  ASSERT_EQ(prompter.calls.size(), 2u);
  ExpectBox(prompter.calls[1],
            std::string(kWriteFailed) + "\nファイル " + dir.File("map.bwp/inner.bwp") +
                " を作成できません (途中の名前がフォルダーではありません)",
            "エラー", MsgIcon::Error, MsgButtons::OK);
  EXPECT_EQ(MainForm->FileName, dir.File("map.bwp"));
  EXPECT_TRUE(Map->IsModified());
}

// A disk that fills up, a file-size limit, a flush that fails: the save says why and the
// document stays as it was, unsaved.
TEST_F(ProjectSaveTest, AWriteThatFailsLateKeepsTheDocument) {
  SaveAs(dir.File("map.bwp"));
  const std::string before = ReadFileBytes(dir.File("map.bwp"));
  SetCell(0, 4, 4, 9);
  Modify();
  const struct {
    const char* name;
    std::function<std::shared_ptr<void>()> fault;
    const char* reason;
  } cases[] = {
      {"file-size limit", [] { return std::make_shared<ScopedFileSizeLimit>(4096); },
       "ファイルが大きすぎます"},
      {"failed flush", [] { return std::make_shared<ScopedFailingCall>(ScopedFailingCall::Sync); },
       "入出力エラーが発生しました"},
      {"failed close", [] { return std::make_shared<ScopedFailingCall>(ScopedFailingCall::Close); },
       "入出力エラーが発生しました"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompter.Clear();
    {
      const std::shared_ptr<void> fault = c.fault();
      EXPECT_FALSE(MainForm->Save());
    }
    ASSERT_EQ(prompter.calls.size(), 1u);
    ExpectBox(prompter.calls[0],
              std::string(kWriteFailed) + "\nファイル " + dir.File("map.bwp") +
                  " に書き込めません (" + c.reason + ")",
              "エラー", MsgIcon::Error, MsgButtons::OK);
    EXPECT_TRUE(Map->IsModified());
    EXPECT_EQ(Map->LayerAt(0).Cells[4 * 100 + 4], 9);
    EXPECT_EQ(ReadFileBytes(dir.File("map.bwp")), before);
  }
  EXPECT_TRUE(MainForm->Save());
}

// The editor itself ignores the signal that a file-size limit sends, which would end it with
// the user's work; the test above runs with it ignored as well.
TEST(EditorProgramTest, IgnoresTheFileSizeSignal) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {  // only async-signal-safe calls until exec
    signal(SIGXFSZ, SIG_DFL);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDERR_FILENO);
    execl(BRIMWELL_PATH, BRIMWELL_PATH, static_cast<char*>(nullptr));
    _exit(127);
  }
  bool ignored = false;
  for (int i = 0; i < 200 && !ignored; ++i) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
      if (line.rfind("SigIgn:", 0) == 0)
        ignored = (std::stoull(line.substr(7), nullptr, 16) >> (SIGXFSZ - 1)) & 1;
    if (!ignored) usleep(25000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  EXPECT_TRUE(ignored);
}

TEST_F(ProjectSaveTest, WindowRecordsComeFromTheLiveWindows) {
  ChipForm->setMinimumHeight(0);
  ChipForm->resize(ChipForm->width(),
                   52 - (ChipForm->frameGeometry().height() - ChipForm->height()));
  ChipForm->move(33, 44);
  PreviewForm->ToolButton2Click();  // scale 3
  MainForm->I1Click();              // 32 + 6 pixels per cell
  LayerForm->hide();
  SaveAs(dir.File("win.bwp"));
  const TProjectRecords r = ReadRecords(dir.File("win.bwp"));
  EXPECT_EQ(r.chipWin.height, 90);  // a rolled-up window is stored at 90
  EXPECT_EQ(MainForm->Records.chipWin.height, 90);
  EXPECT_EQ(r.chipWin.left, 33);
  EXPECT_EQ(r.chipWin.top, 44);
  EXPECT_EQ(r.chipWin.zoom, ChipForm->GetZoomRatio());
  EXPECT_EQ(r.previewWin.zoom, 3);
  EXPECT_EQ(r.mainWin.zoom, 38 * 256 / 32);
  EXPECT_EQ(r.layerWin.visible, 0);
  EXPECT_EQ(r.chipWin.visible, 1);
  EXPECT_EQ(r.mainWin.width, MainForm->frameGeometry().width());
}


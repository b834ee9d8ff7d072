// Recovery copies through the editor: written on a clock the test moves, left behind when an
// editor ends without saying goodbye, offered and restored at the next start, and never
// offered while their editor still runs.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <functional>
#include <memory>

#include "../files/FilesFixture.h"
#include "editor/RecoveryKeeper.h"
#include "editor/RecoveryTexts.h"
#include "formats/PlainProjectHost.h"
#include "formats/ProjectReader.h"
#include "windows/ChipFormUnit.h"

namespace {

class RecoveryTest : public FilesTest {
 protected:
  QString Folder() const { return QString::fromStdString(dir.File("recovery")); }

  // A keeper of one editor run, on the test's clock.
  std::unique_ptr<TRecoveryKeeper> Keeper() {
    return std::make_unique<TRecoveryKeeper>(Folder(), [this] { return now; });
  }

  // Changes a cell as an edit would and lets the keeper write after the pause.
  void PaintAndWait(TRecoveryKeeper& keeper, int cell, uint16_t part) {
    Map->LayerAt(0).Cells.at(static_cast<size_t>(cell)) = part;
    Map->SetModified();
    keeper.Tick();
    now += 3000;
    keeper.Tick();
    keeper.WaitForWriter();
  }

  QStringList Copies() const {
    return QDir(Folder()).entryList({QStringLiteral("*.bwp")}, QDir::Files);
  }

  // A copy of this editor left behind as a killed editor leaves it: written, not unlocked.
  void LeaveCopy(const std::string& savedAs, uint16_t part, qint64 writtenMs) {
    if (!savedAs.empty()) SaveAs(dir.File(savedAs));
    auto keeper = Keeper();
    PaintAndWait(*keeper, 0, part);
    const QString copy = QString::fromStdString(keeper->Store().CopyPath(keeper->Id()));
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::fromMSecsSinceEpoch(writtenMs), QFileDevice::FileModificationTime);
    keeper.reset();
    MainForm->CreateNewMap(100, 100, 1, 32, 32, 8);
  }

  int64_t now = 1000;
};

std::vector<uint16_t> SavedCells(const std::string& path) {
  TMap map;
  TProjectRecords records;
  TPlainProjectHost host(map);
  EXPECT_TRUE(ReadProjectFile(path, map, records, host).ok);
  return map.LayerCount() > 0 ? map.LayerAt(0).Cells : std::vector<uint16_t>();
}

TEST_F(RecoveryTest, KilledEditorsWorkIsRestoredAndSavedToItsOwnFile) {
  const std::string parts = WritePartsImage("img/parts.bmp", 32);
  ASSERT_TRUE(ChipForm->AddMapChip(QString::fromStdString(parts)));
  WriteFile("maps/notes.txt", "");
  SaveAs(dir.File("maps/castle.bwp"));
  const std::string saved = ReadFileBytes(dir.File("maps/castle.bwp"));

  auto first = Keeper();
  PaintAndWait(*first, 5, 7);
  PaintAndWait(*first, 6, 9);
  ASSERT_EQ(Copies().size(), 1);
  const std::vector<uint16_t> painted = Map->LayerAt(0).Cells;
  first.reset();  // the process is gone; its copy stays
  ASSERT_EQ(Copies().size(), 1);
  MainForm->CreateNewMap(100, 100, 1, 32, 32, 8);
  prompter.Clear();

  auto second = Keeper();
  second->OfferLeftCopies();
  ASSERT_EQ(prompter.Boxes().size(), 1);
  const PromptCall ask = prompter.Boxes()[0];
  EXPECT_EQ(ask.caption, "Brimwell");
  EXPECT_EQ(ask.icon, MsgIcon::Question);
  EXPECT_EQ(ask.buttons, MsgButtons::YesNoDiscard);
  EXPECT_NE(ask.text.find("castle.bwp（"), std::string::npos) << ask.text;
  EXPECT_EQ(Map->LayerAt(0).Cells, painted);
  EXPECT_EQ(Map->LayerAt(0).Chip ? Map->LayerAt(0).Chip->FileName : "", parts);
  EXPECT_TRUE(Map->IsModified());
  EXPECT_FALSE(Map->CanUndo());
  EXPECT_EQ(MainForm->FileName, dir.File("maps/castle.bwp"));
  EXPECT_EQ(MainForm->Records.header.relativePaths, 0);
  EXPECT_NE(Title().find("castle.bwp("), std::string::npos) << Title();
  EXPECT_EQ(ReadFileBytes(dir.File("maps/castle.bwp")), saved);
  EXPECT_EQ(Copies().size(), 1);  // now this editor's own

  prompter.Clear();
  EXPECT_TRUE(MainForm->Save());
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(SavedCells(dir.File("maps/castle.bwp")), painted);
  EXPECT_TRUE(Copies().isEmpty());
  second.reset();
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(RecoveryTest, SavingGivingUpNewAndOpenRemoveTheCopy) {
  SaveAs(dir.File("other.bwp"));
  const std::vector<std::pair<const char*, std::function<void()>>> ends = {
      {"save", [] { MainForm->Save(); }},
      {"no to the question",
       [this] {
         prompter.QueueAnswer(MsgResult::No);
         MainForm->AskToSaveChanges();
       }},
      {"new map", [] { MainForm->CreateNewMap(20, 20, 1, 32, 32, 8); }},
      {"open",
       [this] {
         prompter.QueueAnswer(MsgResult::No);
         MainForm->OpenProjectFile(dir.File("other.bwp"));
       }},
  };
  for (const auto& [name, end] : ends) {
    auto keeper = Keeper();
    PaintAndWait(*keeper, 1, 3);
    ASSERT_EQ(Copies().size(), 1) << name;
    end();
    keeper->WaitForWriter();
    EXPECT_TRUE(Copies().isEmpty()) << name;
    now += 10000;
    keeper->Tick();
    keeper->WaitForWriter();
    EXPECT_TRUE(Copies().isEmpty()) << name << ": written again without a change";
  }
}

TEST_F(RecoveryTest, RunningEditorsKeepTheirCopiesAndChoicesAreKept) {
  const qint64 wall = QDateTime::currentMSecsSinceEpoch();
  LeaveCopy("a.bwp", 1, wall - 60000);
  LeaveCopy("b.bwp", 2, wall - 1000);
  LeaveCopy("", 3, wall - 31LL * 24 * 3600 * 1000);  // expired
  auto running = Keeper();
  PaintAndWait(*running, 2, 4);
  ASSERT_EQ(Copies().size(), 4);

  prompter.Clear();
  TRecoveryKeeper starting(Folder(), [this] { return now; });
  prompter.QueueAnswer(MsgResult::No);
  starting.OfferLeftCopies();
  ASSERT_EQ(prompter.Boxes().size(), 1);
  const PromptCall list = prompter.Boxes()[0];
  EXPECT_EQ(list.kind, PromptCall::List);
  EXPECT_EQ(list.text, recoverytext::ManyCopiesQuestion(2));
  ASSERT_EQ(list.items.size(), 2);
  EXPECT_EQ(list.items[0].rfind("b.bwp（", 0), 0) << list.items[0];
  EXPECT_EQ(list.items[1].rfind("a.bwp（", 0), 0) << list.items[1];
  EXPECT_EQ(Copies().size(), 3) << "the expired copy goes, the others stay";

  prompter.QueueChoice(1);
  prompter.QueueAnswer(MsgResult::Yes);
  prompter.QueueAnswer(MsgResult::No);  // the running editor's changes, as the test shares them
  starting.OfferLeftCopies();
  EXPECT_EQ(MainForm->MapName, "a.bwp");
  EXPECT_EQ(Map->LayerAt(0).Cells[0], 1);

  prompter.Clear();
  TRecoveryKeeper third(Folder(), [this] { return now; });
  prompter.QueueAnswer(MsgResult::Discard);
  third.OfferLeftCopies();
  ASSERT_EQ(prompter.Boxes().size(), 1);
  EXPECT_EQ(prompter.Boxes()[0].kind, PromptCall::Message);
  EXPECT_EQ(Copies().size(), 2) << "b.bwp discarded; a.bwp and the running editor's stay";
  prompter.Clear();
  third.OfferLeftCopies();
  EXPECT_TRUE(prompter.Boxes().empty());
}

TEST_F(RecoveryTest, AFailedWriteIsShownOnceThenOnlyInTheStatusBar) {
  WriteFile("recovery", "a file where the folder should be");
  auto keeper = Keeper();
  PaintAndWait(*keeper, 1, 3);
  now += 61000;
  keeper->Tick();
  keeper->WaitForWriter();
  ASSERT_EQ(prompter.Boxes().size(), 1);
  EXPECT_EQ(prompter.Boxes()[0].caption, "警告");
  EXPECT_EQ(prompter.Boxes()[0].text.rfind("復元用のコピーを書き込めませんでした", 0), 0);
  EXPECT_FALSE(MainForm->statusBar()->currentMessage().isEmpty());
}

}  // namespace

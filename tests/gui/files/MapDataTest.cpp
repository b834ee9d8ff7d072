// Importing and exporting map data: the commands, their dispatch, questions and messages.
#include <QAction>

#include "../../formats/FormatsTestUtil.h"
#include "FilesFixture.h"
#include "editor/FileDialogs.h"
#include "editor/ScrollBar.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/TiledTexts.h"
#include "windows/LayerFormUnit.h"

namespace {

const char kImportFailed[] = "fmfファイルの読み込みに失敗しました";
const char kExportFilter[] =
    "Fixed Mapdata File (*.fmf)|*.fmf|CSV Text File v1(*.csv)|*.csv|CSV Text File v2(*.csv)|*.csv|"
    "Bitmap File (*.bmp)|*.bmp|Tiled Map (*.tmx)|*.tmx|Tiled JSON Map (*.tmj)|*.tmj";
const char kSizeQuestion[] =
    "3200*3200ピクセルのビットマップ画像を生成しますがよろしいですか？("
    "あまりにも大きいビットマップを出力しようとするとアプリケーションが応答しなくなる場合があります"
    "。)";

// A 2 x 1 map of three layers whose file ends after the first layer's cells.
std::string ShortFmf() {
  return FmfBytes(2, 1, 16, 3, 8, std::string{2, 1});
}

}  // namespace

using MapDataTest = FilesTest;

TEST_F(MapDataTest, ImportCommandReadsAShortFile) {
  MainForm->SetHorizPosition(20);
  const std::string path = WriteFile("short.fmf", ShortFmf());
  prompter.QueueFile(path);
  MainForm->N32Click();
  ASSERT_EQ(prompter.calls.size(), 1u);
  const FileDialogRequest& request = prompter.calls[0].file;
  EXPECT_EQ(prompter.calls[0].kind, PromptCall::OpenFile);
  EXPECT_EQ(request.filter,
            "Fixed Mapdata File (*.fmf)|*.fmf|Tiled Map (*.tmx *.tmj *.json)|*.tmx;*.tmj;*.json");
  EXPECT_EQ(request.defaultExt, "fmf");
  EXPECT_EQ(request.title, "マップデータの読み込み(fmf)");

  ASSERT_EQ(Map->LayerCount(), 3);
  EXPECT_EQ(Map->GetWidth(), 2);
  EXPECT_EQ(Map->GetPartWidth(), 16);
  EXPECT_EQ(Map->GetLayerName(2), "レイヤー2");
  EXPECT_EQ(Map->LayerAt(0).Cells, (std::vector<uint16_t>{2, 1}));
  EXPECT_EQ(Map->LayerAt(2).Cells, (std::vector<uint16_t>{0, 0}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(LayerForm->GetLayerVisibleState(i));
    EXPECT_EQ(Map->GetLayerChip(i), nullptr);
  }
  // An imported map is unsaved and untitled, shown at 100 % from its top-left corner.
  EXPECT_TRUE(Map->IsModified());
  EXPECT_FALSE(Map->CanUndo());
  EXPECT_EQ(MainForm->MapName, "名称未設定");
  EXPECT_TRUE(MainForm->FileName.empty());
  EXPECT_EQ(MainForm->CellWidth, 16);
  EXPECT_EQ(MainForm->ScrollX, 0);
  EXPECT_EQ(MainForm->Records.header.layerCount, 3);
  EXPECT_EQ(MainForm->Records.header.relativePaths, 0);
  EXPECT_NE(Title().find("名称未設定(8bit)"), std::string::npos);

  // So the next save asks for a name.
  prompter.Clear();
  prompter.QueueFileCancel();
  EXPECT_FALSE(MainForm->Save());
  EXPECT_EQ(prompter.calls.at(0).file.title, "新規保存");
}

TEST_F(MapDataTest, OnlyExactExtensionsImport) {
  const std::string upper = WriteFile("MAP.FMF", ShortFmf());
  const std::string csv = WriteFile("map.csv", "1,2\r\n");
  for (const std::string& path : {upper, csv}) {
    prompter.Clear();
    prompter.QueueFile(path);
    MainForm->N32Click();
    EXPECT_EQ(prompter.calls.size(), 1u);  // the dialog alone
    EXPECT_EQ(Map->GetWidth(), 100);
  }
  EXPECT_TRUE(MainForm->importCSV(csv));
}

TEST_F(MapDataTest, FailedImportsShowBothMessagesAndLeaveAFreshMap) {
  NewMap(10, 10, 16);
  const struct {
    std::string name, bytes, reason;
  } cases[] = {
      {"magic.fmf", "FMX_" + std::string(16, '\0'), filetext::kNotFmf},
      {"tiny.fmf", "FMF_", filetext::kReadPastEnd},
      // a header alone, claiming 11 GB of cells
      {"huge.fmf", FmfBytes(10000, 10000, 32, 58, 16, ""), filetext::kMapTooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompter.Clear();
    prompter.QueueFile(WriteFile(c.name, c.bytes));
    MainForm->N32Click();
    ASSERT_EQ(prompter.calls.size(), 3u);
    ExpectBox(prompter.calls[1], filetext::ReadErrorText(c.name, c.reason), "エラー",
              MsgIcon::Error, MsgButtons::OK);
    ExpectBox(prompter.calls[2], kImportFailed, "エラー", MsgIcon::Error, MsgButtons::OK);
    EXPECT_EQ(prompter.calls[2].owner, MainForm);
    ExpectDefaultMap();
  }
}

TEST_F(MapDataTest, ImportAsksAboutUnsavedChangesFirst) {
  const std::string path = WriteFile("short.fmf", ShortFmf());
  Modify();
  prompter.QueueFile(path);
  prompter.QueueAnswer(MsgResult::Cancel);
  MainForm->N32Click();
  ASSERT_EQ(prompter.calls.size(), 2u);  // no failure message for a cancelled import
  ExpectBox(prompter.calls[1], "変更が保存されていません。保存しますか？", "Brimwell",
            MsgIcon::Warning, MsgButtons::YesNoCancel);
  EXPECT_EQ(Map->GetWidth(), 100);
  EXPECT_TRUE(Map->IsModified());

  // Dropped map data asks the same.
  prompter.Clear();
  prompter.QueueAnswer(MsgResult::Cancel);
  MainForm->WMDropFiles({QString::fromStdString(path)});
  EXPECT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(Map->GetWidth(), 100);

  // Yes saves first.
  prompter.Clear();
  prompter.QueueAnswer(MsgResult::Yes);
  prompter.QueueFile(dir.File("saved.bwp"));
  MainForm->WMDropFiles({QString::fromStdString(path)});
  EXPECT_EQ(ReadRecords(dir.File("saved.bwp")).header.width, 100);
  EXPECT_EQ(Map->GetWidth(), 2);

  // An unchanged map is replaced without a question, also from a name in capitals.
  prompter.Clear();
  Map->ClearModified();
  MainForm->WMDropFiles(
      {QString::fromStdString(WriteFile("DATA.FMF", FmfBytes(3, 2, 8, 1, 8, "")))});
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(Map->GetWidth(), 3);
}

// --- export ------------------------------------------------------------------------------------

TEST_F(MapDataTest, ExportDialogAndDispatchByType) {
  SaveAs(dir.File("proj.bwp"));
  SetCell(0, 0, 0, 300);
  prompter.Clear();
  // The chosen type decides, whatever the typed extension.
  prompter.QueueFile(dir.File("a.csv"), 1);
  MainForm->N31Click();
  ASSERT_EQ(prompter.calls.size(), 1u);
  const FileDialogRequest& request = prompter.calls[0].file;
  EXPECT_EQ(prompter.calls[0].kind, PromptCall::SaveFile);
  EXPECT_EQ(request.filter, kExportFilter);
  EXPECT_EQ(request.defaultExt, "fmf");
  EXPECT_EQ(request.title, "マップデータの書き出し");
  EXPECT_EQ(request.initialDir, FolderPart(dir.File("proj.bwp")));
  EXPECT_EQ(request.fileName, "proj");
  EXPECT_EQ(ReadFileBytes(dir.File("a.csv")).substr(0, 4), "FMF_");

  prompter.QueueFile(dir.File("b.fmf"), 2);
  MainForm->N31Click();
  const std::string v1 = ReadFileBytes(dir.File("b.fmf"));
  EXPECT_EQ(v1.substr(0, 6), "300,0,");
  prompter.QueueFile(dir.File("c.txt"), 3);
  MainForm->N31Click();
  EXPECT_EQ(ReadFileBytes(dir.File("c.txt")).substr(0, 22), "100,100,32,32,1,8\r\n300");

  prompter.Clear();
  prompter.QueueFile(dir.File("d.csv"), 4);
  MainForm->N31Click();
  ASSERT_EQ(prompter.calls.size(), 2u);
  ExpectBox(prompter.calls[1], kSizeQuestion, "Brimwell", MsgIcon::Warning, MsgButtons::OKCancel);
  const std::string bitmap = ReadFileBytes(dir.File("d.csv"));
  EXPECT_EQ(bitmap.substr(0, 2), "BM");
  EXPECT_EQ(bitmap.size(), 3200u * 3 * 3200 + 54);
  EXPECT_FALSE(Map->IsModified());
}

TEST_F(MapDataTest, DecliningTheSizeQuestionWritesNoBitmap) {
  prompter.QueueFile(dir.File("no.bmp"), 4);
  prompter.QueueAnswer(MsgResult::Cancel);
  MainForm->N31Click();
  EXPECT_FALSE(FileExists(dir.File("no.bmp")));
}

TEST_F(MapDataTest, OverwriteQuestionReopensTheExportDialog) {
  const std::string taken = WriteFile("taken.fmf", "old");
  prompter.QueueFile(taken, 4);
  prompter.QueueAnswer(MsgResult::Cancel);
  prompter.QueueFileCancel();
  MainForm->N31Click();
  ASSERT_EQ(prompter.calls.size(), 3u);
  ExpectBox(prompter.calls[1], "同名のファイルがすでにが存在します。置き換えますか？", "Brimwell",
            MsgIcon::Warning, MsgButtons::OKCancel);
  EXPECT_EQ(prompter.calls[2].kind, PromptCall::SaveFile);
  // Reopened on the type the user had picked, not the first one.
  EXPECT_EQ(prompter.calls[2].file.filterIndex, 4);
  EXPECT_EQ(ReadFileBytes(taken), "old");

  prompter.Clear();
  prompter.QueueFile(taken, 1);
  prompter.QueueAnswer(MsgResult::OK);
  MainForm->N31Click();
  EXPECT_EQ(ReadFileBytes(taken).substr(0, 4), "FMF_");
}

TEST_F(MapDataTest, ExportFailuresNameTheirFormat) {
  const std::string nowhere = dir.File("no/such/folder/x");
  const std::pair<int, const char*> cases[] = {
      {1, filetext::kFmfExportFailed},  {2, filetext::kCsv1ExportFailed},
      {3, filetext::kCsv2ExportFailed}, {4, filetext::kBitmapExportFailed},
      {5, tiledtext::kTmxExportFailed}, {6, tiledtext::kJsonExportFailed}};
  for (const auto& [type, text] : cases) {
    prompter.Clear();
    prompter.QueueFile(nowhere, type);
    MainForm->N31Click();
    ASSERT_FALSE(prompter.calls.empty());
    // The reason names the file on the next line.
    ExpectBox(prompter.calls.back(),
              std::string(text) + "\nファイル " + nowhere +
                  " を作成できません (ファイルまたはフォルダーが見つかりません)",
              "Brimwell", MsgIcon::Error, MsgButtons::OK);
    EXPECT_EQ(prompter.calls.back().owner, MainForm);
  }
}

TEST_F(MapDataTest, HiddenBitmapCommandAsksSizeThenFileAndWrites) {
  NewMap(3, 2, 4);
  prompter.QueueFile(dir.File("only.bmp"));
  MainForm->N34Click();
  ASSERT_EQ(prompter.calls.size(), 2u);
  ExpectBox(prompter.calls[0], "12*8ピクセルのビットマップ画像を生成しますがよろしいですか？",
            "Brimwell", MsgIcon::Warning, MsgButtons::OKCancel);
  const FileDialogRequest& request = prompter.calls[1].file;
  EXPECT_EQ(request.filter, "Bitmap File (*.bmp)|*.bmp");
  EXPECT_EQ(request.defaultExt, "bmp");
  EXPECT_EQ(request.title, "マップデータの書き出し(Bitmap)");
  EXPECT_EQ(ReadFileBytes(dir.File("only.bmp")).size(), 12u * 8 * 3 + 54);

  prompter.Clear();
  prompter.QueueAnswer(MsgResult::Cancel);
  MainForm->N34Click();
  EXPECT_EQ(prompter.calls.size(), 1u);
}

// --- Tiled maps
// -----------------------------------------------------------------------------------

TEST_F(MapDataTest, TiledMapsGoOutAndComeBackThroughTheDialogs) {
  NewMap(3, 2, 16, 16);
  AddLayer("上の層");
  SetCell(0, 2, 1, 300);
  SetCell(1, 0, 0, 7);
  LayerForm->SetLayerVisibleState(0, false);
  MainForm->Records.comment = "メモ";
  for (const auto& [type, name] : {std::pair{5, "m.tmx"}, std::pair{6, "m.tmj"}}) {
    SCOPED_TRACE(name);
    prompter.Clear();
    prompter.QueueFile(dir.File(name), type);
    MainForm->N31Click();
    ASSERT_EQ(prompter.calls.size(), 1u);
    Modify();
    // The import asks about the unsaved changes first, as the FMF import does.
    prompter.Clear();
    prompter.QueueFile(dir.File(name));
    prompter.QueueAnswer(MsgResult::No);
    MainForm->N32Click();
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_EQ(prompter.calls[1].text, "変更が保存されていません。保存しますか？");
    ASSERT_EQ(Map->LayerCount(), 2);
    EXPECT_EQ(Map->GetBitsPerCell(), 16);
    EXPECT_EQ(Map->LayerAt(0).Cells[5], 300);
    EXPECT_EQ(Map->LayerAt(1).Cells[0], 7);
    EXPECT_EQ(Map->GetLayerName(1), "上の層");
    EXPECT_FALSE(LayerForm->GetLayerVisibleState(0));
    EXPECT_TRUE(LayerForm->GetLayerVisibleState(1));
    EXPECT_EQ(MainForm->Records.comment, "メモ");
    EXPECT_TRUE(Map->IsModified());
    EXPECT_EQ(MainForm->MapName, "名称未設定");
  }

  // A refusal: the read error, then the import's own failure, and a fresh map.
  prompter.Clear();
  Map->ClearModified();
  std::string tmx = ReadFileBytes(dir.File("m.tmx"));
  tmx.replace(tmx.find("orthogonal"), 10, "isometric");
  prompter.QueueFile(WriteFile("iso.tmx", tmx));
  MainForm->N32Click();
  ASSERT_EQ(prompter.calls.size(), 3u);
  ExpectBox(prompter.calls[1], filetext::ReadErrorText("iso.tmx", tiledtext::kNotOrthogonal),
            "エラー", MsgIcon::Error, MsgButtons::OK);
  ExpectBox(prompter.calls[2], tiledtext::kImportFailed, "エラー", MsgIcon::Error, MsgButtons::OK);
  ExpectDefaultMap();
}

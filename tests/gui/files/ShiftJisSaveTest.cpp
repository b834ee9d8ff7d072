// Saving text that Shift-JIS cannot hold: the question before the file is written, and what
// the file holds afterwards.
#include <algorithm>

#include "../../formats/FormatsTestUtil.h"
#include "FilesFixture.h"
#include "formats/ProjectReader.h"

using ShiftJisSaveTest = FilesTest;

TEST_F(ShiftJisSaveTest, AsksBeforeWritingWhatShiftJisCannotHoldAndCancelLeavesTheFile) {
  // The wave dash of Linux input methods is stored as Windows's full-width tilde, unasked.
  Map->SetLayerName(0, "川〜橋");
  const std::string path = dir.File("map.bwp");
  SaveAs(path);
  EXPECT_EQ(prompter.Boxes().size(), 1u) << "only the save dialog";
  NewMap(10, 10, 16);
  ASSERT_TRUE(MainForm->OpenProjectFile(path));
  EXPECT_EQ(Map->GetLayerName(0), "川～橋");

  AddLayer("Aé");
  GiveLayerParts(1);
  chips.back()->FileName = dir.File("é.bmp");
  MainForm->Records.comment = "ü\r\nok";
  Modify();
  const std::string before = ReadFileBytes(path);
  prompter.Clear();
  prompter.QueueAnswer(MsgResult::Cancel);
  EXPECT_FALSE(MainForm->Save());
  ASSERT_EQ(prompter.calls.size(), 1u);
  ExpectBox(prompter.calls[0],
            "Shift-JISで保存できない文字があります。保存するとこれらの文字は「?」になります。\n"
            "レイヤー名「Aé」：é\n"
            "パーツ画像「é.bmp」：é\n"
            "コメント：ü\n"
            "このまま保存しますか？",
            "Brimwell", MsgIcon::Warning, MsgButtons::OKCancel);
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_TRUE(Map->IsModified());

  prompter.Clear();
  ASSERT_TRUE(MainForm->Save());  // OK
  EXPECT_EQ(prompter.calls.size(), 1u);
  TMap map;
  TProjectRecords records;
  TRecordingHost host(map);
  ASSERT_TRUE(ReadProjectFile(path, map, records, host).ok);
  EXPECT_EQ(map.GetLayerName(0), "川～橋");
  EXPECT_EQ(map.GetLayerName(1), "A?");
  EXPECT_EQ(records.comment, "?\r\nok");
  EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "image 1 " + dir.File("?.bmp")),
            host.calls.end());
}

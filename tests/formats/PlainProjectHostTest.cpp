#include <gtest/gtest.h>

#include <filesystem>

#include "FormatsTestUtil.h"
#include "formats/PlainProjectHost.h"
#include "formats/ProjectReader.h"
#include "formats/ProjectWriter.h"
#include "imaging/DIBDrawUnit.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

class PlainProjectHostTest : public ::testing::Test {
 protected:
  TFileResult Open(const std::string& bytes) {
    WriteFileBytes(dir.File("p.bwp"), bytes);
    return ReadProjectFile(dir.File("p.bwp"), map, records, host);
  }
  TempDir dir;
  TMap map;
  TProjectRecords records = TestRecords();
  TPlainProjectHost host{map};
  ScopedPrompter prompter;
};

const std::vector<uint16_t> kCells = {1, 2, 3, 4};

std::string Project(const std::vector<std::string>& paths) {
  std::string chunks = Chunk("UMFh", HeaderPayload(2, 2, 4, 4, 1, 8, 1));
  for (const std::string& path : paths) chunks += Chunk("LAY1", Lay1Payload("n", path, 1, kCells));
  return Riff(chunks);
}

TEST_F(PlainProjectHostTest, LayersNamingOneImageShareIt) {
  SaveBmp24(*NumberedParts(4, 16, 1, true), dir.File("parts.bmp"));
  ASSERT_TRUE(Open(Project({"parts.bmp", "", ".\\parts.bmp"})).ok);
  ASSERT_EQ(host.Chips().size(), 1u);
  EXPECT_EQ(map.LayerAt(0).Chip, host.Chips()[0].get());
  EXPECT_EQ(map.LayerAt(1).Chip, nullptr);
  EXPECT_EQ(map.LayerAt(2).Chip, map.LayerAt(0).Chip);
  EXPECT_EQ(map.LayerAt(0).Chip->FileName, dir.File("parts.bmp"));
  EXPECT_EQ(map.LayerAt(0).Chip->Image->Width(), 64);
  EXPECT_NE(map.LayerAt(0).Chip->FileDate, 0);
  EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(PlainProjectHostTest, MissingAndUnreadableImagesAreWarningsOnly) {
  WriteFileBytes(dir.File("broken.bmp"), "not a bitmap");
  ASSERT_TRUE(Open(Project({"img\\gone.bmp", "broken.bmp"})).ok);
  EXPECT_EQ(map.LayerAt(0).Chip, nullptr);
  EXPECT_EQ(map.LayerAt(1).Chip, nullptr);
  ASSERT_EQ(prompter.calls.size(), 2u);
  EXPECT_EQ(prompter.calls[0].text, "gone.bmpが見つかりませんでした。");
  EXPECT_EQ(prompter.calls[0].caption, "情報");
  EXPECT_EQ(prompter.calls[0].icon, MsgIcon::Warning);
  EXPECT_EQ(prompter.calls[1].text, "パーツ画像を開けません (ファイル " + dir.File("broken.bmp") +
                                        " を読み込めません (異常なファイル))");
  EXPECT_EQ(prompter.calls[1].caption, "エラー");
  EXPECT_EQ(prompter.calls[1].icon, MsgIcon::Error);
  EXPECT_EQ(host.Warnings().size(), 2u);
}

TEST_F(PlainProjectHostTest, ImagesAreFoundWhereverTheProjectMoved) {
  std::filesystem::create_directories(dir.File("a/img"));
  SaveBmp24(*NumberedParts(4, 16, 1, true), dir.File("a/img/parts.bmp"));
  BuildMap(map, 2, 2, 4, 8, {"1 2 / 3 4"});
  TMapChip chip;
  chip.FileName = dir.File("a/img/parts.bmp");
  map.SetLayerChip(0, &chip);
  records.header.relativePaths = 1;
  ASSERT_TRUE(WriteProjectFile(dir.File("a/p.bwp"), map, records).ok);
  std::filesystem::rename(dir.File("a"), dir.File("b"));
  TMap read;
  TPlainProjectHost readHost(read);
  ASSERT_TRUE(ReadProjectFile(dir.File("b/p.bwp"), read, records, readHost).ok);
  ASSERT_NE(read.LayerAt(0).Chip, nullptr);
  EXPECT_EQ(read.LayerAt(0).Chip->FileName, dir.File("b/img/parts.bmp"));
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>

#include "FormatsTestUtil.h"
#include "formats/ImagePath.h"
#include "formats/ProjectLoadHost.h"
#include "formats/ProjectReader.h"
#include "formats/ProjectWriter.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"

namespace {

class ProjectWriterTest : public ::testing::Test {
 protected:
  std::string Save(TMap& map, TProjectRecords& records, const std::string& name = "p.bwp") {
    const std::string path = dir.File(name);
    EXPECT_TRUE(WriteProjectFile(path, map, records).ok);
    return ReadFileBytes(path);
  }
  TempDir dir;
  TMap map;
  TProjectRecords records = TestRecords();
};

size_t Pad(size_t n) { return n % 2; }

TEST_F(ProjectWriterTest, ChunksComeInOrderWithTheirSizes) {
  BuildMap(map, 3, 2, 16, 8, {"1 2 3 / 4 5 6", "0 0 0 / 0 0 7"});
  records.comment = "abc";
  const std::string bytes = Save(map, records);
  const auto chunks = WalkRiff(bytes);
  const std::vector<std::pair<std::string, uint32_t>> expected = {
      {"Ver_", 4},  {"UMFh", 20}, {"mWin", 20}, {"cWin", 20}, {"lWin", 20},
      {"pWin", 20}, {"Env_", 4},  {"Marh", 2},  {"ColK", 6},  {"InvC", 4},
      {"Comt", 3},  {"LAY1", 12 + 3 + 1 + 1}, {"LAY1", 12 + 3 + 1 + 1}};
  ASSERT_EQ(chunks.size(), expected.size());
  for (size_t i = 0; i < chunks.size(); ++i) {
    EXPECT_EQ(chunks[i].id, expected[i].first) << i;
    EXPECT_EQ(chunks[i].size, expected[i].second) << i;
  }
  EXPECT_EQ(bytes.substr(chunks[0].offset, 4), "\x01\x05\x02" "b");
  EXPECT_EQ(bytes.substr(chunks[1].offset, 20), HeaderPayload(3, 2, 16, 16, 2, 8, 0));
  EXPECT_EQ(bytes.substr(chunks[10].offset, 4), std::string("abc\0", 4)) << "odd comment padded";
  EXPECT_EQ(bytes.substr(chunks[11].offset, chunks[11].size + 1),
            Lay1Payload("L0", "", 1, {1, 2, 3, 4, 5, 6}) + '\0');
}

TEST_F(ProjectWriterTest, DefaultRecordsAreWrittenAsTheEditorKeepsThem) {
  BuildMap(map, 2, 2, 32, 8, {"0 0 / 0 0"});
  const std::string bytes = Save(map, records);
  const auto chunks = WalkRiff(bytes);
  auto payload = [&](size_t i) { return bytes.substr(chunks[i].offset, chunks[i].size); };
  EXPECT_EQ(payload(2), U32(0) + U32(0) + U32(590) + U32(590) + U16(256) + "\x01" + '\0');
  EXPECT_EQ(payload(3), U32(1280 - 420) + U32(0) + U32(420) + U32(400) + U16(256) + "\x01" + '\0');
  EXPECT_EQ(payload(4), U32(1280 - 200) + U32(400) + U32(200) + U32(120) + U16(256) + "\x01" + '\0');
  EXPECT_EQ(payload(5), U32(1280 - 200) + U32(520) + U32(200) + U32(200) + U16(2) + "\x01" + '\0');
  EXPECT_EQ(payload(6), std::string("\x01\x00\x00\x01", 4));
  EXPECT_EQ(payload(7), std::string(2, '\0'));
  EXPECT_EQ(payload(8), std::string("\x00\x00\xFF\x00\x00\x00", 6));
  EXPECT_EQ(payload(9), std::string(4, '\0'));
  EXPECT_EQ(chunks[10].id, "LAY1") << "no Comt chunk for an empty comment";
}

TEST_F(ProjectWriterTest, FileSizeFollowsTheFormula) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    RandomMap(map, random, {});
    records.comment = std::string(size_t(round % 5), 'c');
    const std::string bytes = Save(map, records);
    const size_t m = records.comment.size();
    size_t expected = 12 + 12 + 28 * 5 + 12 + 10 + 14 + 12 + (m ? 8 + m + Pad(m) : 0);
    for (int i = 0; i < map.LayerCount(); ++i) {
      const size_t n = ToShiftJis(map.LayerAt(i).Name).size();
      const size_t body = 2 * map.LayerAt(i).Cells.size() + n + 0 + 3;
      expected += 8 + body + Pad(body);
    }
    EXPECT_EQ(bytes.size(), expected);
    WalkRiff(bytes);
  }
}

TEST_F(ProjectWriterTest, ToolWindowHeightsAreAtLeast90) {
  BuildMap(map, 2, 2, 32, 8, {"0 0 / 0 0"});
  records.mainWin.height = 52;
  records.chipWin.height = 52;
  records.layerWin.height = 89;
  records.previewWin.height = 91;
  const std::string bytes = Save(map, records);
  const auto chunks = WalkRiff(bytes);
  auto height = [&](size_t i) { return bytes.substr(chunks[i].offset + 12, 4); };
  EXPECT_EQ(height(2), U32(52)) << "the main window keeps its height";
  EXPECT_EQ(height(3), U32(90));
  EXPECT_EQ(height(4), U32(90));
  EXPECT_EQ(height(5), U32(91));
  EXPECT_EQ(records.chipWin.height, 90) << "the held record is raised too";
  EXPECT_EQ(records.mainWin.height, 52);
}

TEST_F(ProjectWriterTest, HeaderAndVersionAreRefreshedFromTheDocument) {
  BuildMap(map, 5, 4, 24, 16, {"", ""});
  records.version = {9, 9, 9, 'f'};
  records.header = {100, 100, 32, 32, 1, 16, 1, 0};
  Save(map, records);
  EXPECT_EQ(records.header.width, 5);
  EXPECT_EQ(records.header.height, 4);
  EXPECT_EQ(records.header.partWidth, 24);
  EXPECT_EQ(records.header.layerCount, 2);
  EXPECT_EQ(records.header.bitsPerCell, 16);
  EXPECT_EQ(records.header.relativePaths, 1);
  EXPECT_EQ(records.header.reserved, 255);
  EXPECT_EQ(records.version.major, 1);
  EXPECT_EQ(records.version.letter, 'b');
}

TEST_F(ProjectWriterTest, NamesAreShiftJisAndLayersWithoutImageHaveAnEmptyPath) {
  BuildMap(map, 2, 2, 16, 8, {"0 0 / 0 0", "0 0 / 0 0"});
  TMapChip chip;
  chip.FileName = dir.File("parts.bmp");
  map.SetLayerChip(0, &chip);
  map.SetLayerName(1, "レイヤー0");
  const std::string bytes = Save(map, records);
  const auto chunks = WalkRiff(bytes);
  EXPECT_EQ(bytes.substr(chunks[10].offset, 13), std::string("L0\0parts.bmp\0", 13));
  EXPECT_EQ(bytes.substr(chunks[11].offset, 12),
            std::string("\x83\x8C\x83\x43\x83\x84\x81\x5B\x30\0\0\x01", 12));
}

TEST_F(ProjectWriterTest, ImagePathsAreRelativeToTheProjectWhenAskedFor) {
  BuildMap(map, 2, 2, 16, 8, {"", "", ""});
  TMapChip inSub, beside, elsewhere;
  inSub.FileName = dir.File("proj/img/parts.bmp");
  beside.FileName = dir.File("proj/a.bmp");
  elsewhere.FileName = dir.File("other/deep/b.bmp");
  map.SetLayerChip(0, &inSub);
  map.SetLayerChip(1, &beside);
  map.SetLayerChip(2, &elsewhere);
  std::filesystem::create_directory(dir.File("proj"));
  auto paths = [&](bool relative) {
    records.header.relativePaths = relative;
    const std::string bytes = Save(map, records, "proj/p.bwp");
    std::vector<std::string> out;
    for (const auto& c : WalkRiff(bytes))
      if (c.id == "LAY1") {
        const size_t name = bytes.find('\0', c.offset);
        out.push_back(bytes.substr(name + 1, bytes.find('\0', name + 1) - name - 1));
      }
    return out;
  };
  EXPECT_EQ(paths(true),
            (std::vector<std::string>{"img\\parts.bmp", "a.bmp", "..\\other\\deep\\b.bmp"}));
  EXPECT_EQ(paths(false), (std::vector<std::string>{"parts.bmp", "a.bmp", "b.bmp"}));
}

TEST_F(ProjectWriterTest, ProgressStepsOnceAndThenPerLayer) {
  struct Progress : IProgressSink {
    void Start(int maximum) override { log += "start " + std::to_string(maximum) + ";"; }
    void Step() override { log += "step;"; }
    void Finish() override { log += "finish;"; }
    std::string log;
  } progress;
  BuildMap(map, 2, 2, 16, 8, {"", ""});
  ASSERT_TRUE(WriteProjectFile(dir.File("p.bwp"), map, records, &progress).ok);
  EXPECT_EQ(progress.log, "start 3;step;step;step;finish;");
  progress.log.clear();
  EXPECT_FALSE(WriteProjectFile(dir.File("none/p.bwp"), map, records, &progress).ok);
  EXPECT_EQ(progress.log, "finish;") << "closed after a failure too";
}

TEST_F(ProjectWriterTest, RandomMapsSurviveARoundTripByteForByte) {
  std::mt19937 random(2024);
  TMapChip a, b;
  a.FileName = dir.File("img/a.bmp");
  b.FileName = dir.File("b.bmp");
  for (int round = 0; round < 25; ++round) {
    RandomMap(map, random, {&a, &b});
    records.comment = round % 2 ? "コメント\r\n二行目" : "";
    records.header.relativePaths = round % 3 == 0;
    records.colorKey = {1, uint32_t(random()) & 0xFFFFFF, 0};
    records.transparentPart = {uint8_t(round % 2), uint16_t(random()), 0};
    records.env.partNumbers = 1;
    const std::string first = Save(map, records);

    TMap read;
    read.Setup(2, 2, 2, 2, 8);
    TProjectRecords readRecords = TestRecords();
    TRecordingHost host(read);
    ASSERT_TRUE(ReadProjectFile(dir.File("p.bwp"), read, readRecords, host).ok);
    ASSERT_EQ(read.LayerCount(), map.LayerCount());
    for (int i = 0; i < map.LayerCount(); ++i) {
      EXPECT_EQ(read.LayerAt(i).Cells, map.LayerAt(i).Cells);
      EXPECT_EQ(read.LayerAt(i).Name, map.LayerAt(i).Name);
      EXPECT_EQ(read.LayerAt(i).Visible, map.LayerAt(i).Visible);
    }
    EXPECT_EQ(readRecords.comment, records.comment);
    // The images are handed over by their full paths; give the layers the same entries back.
    for (const std::string& call : host.calls)
      if (call.rfind("image ", 0) == 0) {
        const int layer = std::stoi(call.substr(6));
        const std::string path = call.substr(call.find(' ', 6) + 1);
        const std::string& original = map.LayerAt(layer).Chip->FileName;
        EXPECT_EQ(path, records.header.relativePaths ? original
                                                     : dir.File(FileNamePart(original)));
        read.SetLayerChip(layer, map.LayerAt(layer).Chip);
      }
    EXPECT_EQ(Save(read, readRecords, "again.bwp"), first) << "round " << round;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include "FormatsTestUtil.h"
#include "formats/ByteSource.h"
#include "formats/FileTexts.h"
#include "formats/ProjectReader.h"
#include "support/ScriptedPrompter.h"

namespace {

class ProjectReaderTest : public ::testing::Test {
 protected:
  ProjectReaderTest() {
    map.Setup(100, 100, 32, 32, 8);
    map.AppendLayer("old", nullptr);
  }
  TFileResult Read(const std::string& bytes) {
    TMemoryByteSource source(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return ReadProject(source, "/proj/x.bwp", map, records, host, options);
  }
  std::string Reason(const std::string& bytes) {
    const TFileResult result = Read(bytes);
    EXPECT_FALSE(result.ok);
    return result.reason;
  }
  TMap map;
  TProjectRecords records = TestRecords();
  TRecordingHost host{map};
  TProjectReadOptions options;
  ScopedPrompter prompter;
};

const std::vector<uint16_t> kCells = {1, 2, 3, 4, 5, 6};

TEST_F(ProjectReaderTest, ReadsLayersThroughTheHostInFileOrder) {
  const std::string bytes = Riff(Chunk("UMFh", HeaderPayload(3, 2, 16, 16, 1, 16)) +
                                 Chunk("LAY1", Lay1Payload("a", "img\\p.bmp", 0, kCells)) +
                                 Chunk("LAY1", Lay1Payload("b", "", 1, {0, 0, 0, 0, 0, 7})));
  ASSERT_TRUE(Read(bytes).ok);
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"hide", "before 2", "add a", "image 0 /proj/p.bmp",
                                      "visible 0 0", "done", "add b", "visible 1 1", "done"}));
  ASSERT_EQ(map.LayerCount(), 2);
  EXPECT_EQ(LayerPicture(map, 0), "1 2 3 / 4 5 6");
  EXPECT_EQ(LayerPicture(map, 1), "0 0 0 / 0 0 7");
  EXPECT_FALSE(map.LayerAt(0).Visible) << "a hidden layer stays hidden";
  EXPECT_TRUE(map.LayerAt(1).Visible);
  EXPECT_EQ(map.GetBitsPerCell(), 16);
  EXPECT_EQ(map.GetPartWidth(), 16);
  EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(ProjectReaderTest, RefusesWhatIsNotARiffUmfFile) {
  std::string bytes = SmallProject(3, 2, {kCells});
  EXPECT_EQ(Reason("RIFX" + bytes.substr(4)), filetext::kNotRiffUmf);
  EXPECT_EQ(Reason(bytes.substr(0, 8) + "AVI " + bytes.substr(12)), filetext::kNotRiffUmf);
  EXPECT_EQ(Reason(bytes.substr(0, 11)), filetext::kReadPastEnd);
  EXPECT_EQ(Reason(""), filetext::kReadPastEnd);
}

TEST_F(ProjectReaderTest, SizeFieldMustMatchTheFileButTrailingBytesAreIgnored) {
  const std::string bytes = SmallProject(3, 2, {kCells});
  EXPECT_EQ(Reason(bytes + "x"), filetext::kDataSizeMismatch);
  EXPECT_EQ(Reason(bytes.substr(0, bytes.size() - 1)), filetext::kDataSizeMismatch);
  for (size_t extra = 1; extra <= 7; ++extra) {
    std::string longer = bytes + std::string(extra, '\x55');
    longer.replace(4, 4, U32(uint32_t(longer.size() - 8)));
    EXPECT_TRUE(Read(longer).ok) << extra;
    EXPECT_EQ(LayerPicture(map, 0), "1 2 3 / 4 5 6");
  }
}

TEST_F(ProjectReaderTest, AFileWithoutLayersFails) {
  EXPECT_EQ(Reason(std::string("RIFF\x04\0\0\0UMF_", 12)), filetext::kNoLayers);
  EXPECT_EQ(Reason(Riff(Chunk("UMFh", HeaderPayload(3, 2, 16, 16, 1, 8)))), filetext::kNoLayers);
  EXPECT_EQ(map.LayerCount(), 1) << "the document is not touched before the layers";
}

TEST_F(ProjectReaderTest, HeaderValuesOutOfRangeFail) {
  struct Case {
    uint32_t w, h, pw, ph;
    uint8_t layers, bits;
    bool ok;
  };
  // Every size the document can hold, which is what an FMF import makes.
  const Case cases[] = {{2, 2, 2, 2, 1, 8, true},
                        {1, 2, 16, 16, 1, 8, true},
                        {2, 1, 16, 16, 1, 8, true},
                        {1, 1, 1, 1, 1, 16, true},
                        {0, 2, 16, 16, 1, 8, false},
                        {2, 0, 16, 16, 1, 8, false},
                        {10001, 2, 16, 16, 1, 8, false},
                        {2, 10001, 16, 16, 1, 8, false},
                        {2, 2, 0, 16, 1, 8, false},
                        {2, 2, 16, 0, 1, 8, false},
                        {2, 2, 256, 16, 1, 8, false},
                        {2, 2, 16, 256, 1, 8, false},
                        {2, 2, 255, 255, 1, 16, true},
                        {2, 2, 16, 16, 0, 8, false},
                        {2, 2, 16, 16, 1, 24, false},
                        {2, 2, 16, 16, 1, 0, false},
                        {0xFFFFFFFF, 2, 16, 16, 1, 8, false}};
  for (const Case& c : cases) {
    const std::string bytes =
        Riff(Chunk("UMFh", HeaderPayload(c.w, c.h, c.pw, c.ph, c.layers, c.bits)) +
             Chunk("LAY1", Lay1Payload("a", "", 1, {0, 0, 0, 0})));
    const TFileResult result = Read(bytes);
    EXPECT_EQ(result.ok, c.ok) << c.w << " " << c.h << " " << c.pw << " " << int(c.bits);
    if (!c.ok) {
      EXPECT_EQ(result.reason, filetext::kBadHeader);
    }
  }
  // The largest map passes the header check and then lacks its cells.
  EXPECT_EQ(Reason(Riff(Chunk("UMFh", HeaderPayload(10000, 10000, 16, 16, 1, 8)) +
                        Chunk("LAY1", Lay1Payload("a", "", 1, {})))),
            filetext::kLayerDataMissing);
}

TEST_F(ProjectReaderTest, WithoutAHeaderChunkThePreviousHeaderCounts) {
  records.header = {3, 2, 16, 16, 1, 8, 0, 255};
  ASSERT_TRUE(Read(Riff(Chunk("LAY1", Lay1Payload("a", "", 1, kCells)))).ok);
  EXPECT_EQ(map.GetWidth(), 3);
  EXPECT_EQ(LayerPicture(map, 0), "1 2 3 / 4 5 6");
  records.header.width = 0;
  EXPECT_EQ(Reason(Riff(Chunk("LAY1", Lay1Payload("a", "", 1, kCells)))), filetext::kBadHeader);
}

TEST_F(ProjectReaderTest, RecordsMissingFromTheFileGetTheirDefaults) {
  records.mainWin = {5, 5, 5, 5, 5, 0, 7};
  records.env = {0, 1, 1, 0};
  records.colorKey = {1, 0x123456, 9};
  records.transparentPart = {1, 77, 3};
  records.comment = "old comment";
  ASSERT_TRUE(Read(SmallProject(3, 2, {kCells})).ok);
  const TProjectRecords defaults = TestRecords();
  EXPECT_EQ(records.mainWin.width, 590);
  EXPECT_EQ(records.mainWin.reserved, 0);
  EXPECT_EQ(records.env.grid, 1);
  EXPECT_EQ(records.env.partNumbers, 0);
  EXPECT_EQ(records.colorKey.color, defaults.colorKey.color);
  EXPECT_EQ(records.transparentPart.number, 0);
  EXPECT_EQ(records.comment, "");
  EXPECT_EQ(records.layerWin.top, 400);
}

TEST_F(ProjectReaderTest, RecordsAreReadAtTheirOwnSizeAndLaterOnesWin) {
  const std::string win = U32(1) + U32(2) + U32(3) + U32(4) + U16(5) + std::string("\x00\x09", 2);
  // A size field of 0 does not shorten the record; the second "cWin" overwrites the first.
  const std::string chunks = "cWin" + U32(0) + win + Chunk("cWin", win.substr(0, 16) + U16(6) +
                                                                   std::string("\x01\x00", 2)) +
                             Chunk("InvC", std::string("\x01\x2C\x01\x00", 4));
  ASSERT_TRUE(Read(SmallProject(3, 2, {kCells}, chunks)).ok);
  EXPECT_EQ(records.chipWin.left, 1);
  EXPECT_EQ(records.chipWin.height, 4);
  EXPECT_EQ(records.chipWin.zoom, 6);
  EXPECT_EQ(records.chipWin.visible, 1);
  EXPECT_EQ(records.transparentPart.enabled, 1);
  EXPECT_EQ(records.transparentPart.number, 300);
}

TEST_F(ProjectReaderTest, FlagRecordsMayBeCutShortByTheEndOfTheFile) {
  std::string bytes = SmallProject(3, 2, {kCells}) + "Env_" + U32(4) + std::string("\0\x01", 2);
  bytes.replace(4, 4, U32(uint32_t(bytes.size() - 8)));
  ASSERT_TRUE(Read(bytes).ok);
  EXPECT_EQ(records.env.grid, 0);
  EXPECT_EQ(records.env.partNumbers, 1);
  EXPECT_EQ(records.env.cursorGrid, 1) << "not in the file: default";

  std::string marker = SmallProject(3, 2, {kCells}) + "Marh" + U32(2) + "\x01";
  marker.replace(4, 4, U32(uint32_t(marker.size() - 8)));
  ASSERT_TRUE(Read(marker).ok);
  EXPECT_EQ(records.marker.currentLayer, 1);

  std::string colour = SmallProject(3, 2, {kCells}) + "ColK" + U32(6) + "\x01\x02\x03";
  colour.replace(4, 4, U32(uint32_t(colour.size() - 8)));
  EXPECT_EQ(Reason(colour), filetext::kReadPastEnd) << "other records must be whole";
}

TEST_F(ProjectReaderTest, CommentsOfOddLengthArePadded) {
  const std::string comment = "\x83\x52\x83\x81\x83\x93\x83\x67" "1";  // コメント1
  ASSERT_TRUE(Read(SmallProject(3, 2, {kCells}, Chunk("Comt", comment))).ok);
  EXPECT_EQ(records.comment, "コメント1");
  EXPECT_EQ(LayerPicture(map, 0), "1 2 3 / 4 5 6") << "the chunk after the pad byte is found";
  EXPECT_EQ(Reason(Riff("Comt" + U32(0x7FFFFFFF) + "abc")), filetext::kDataSizeMismatch);
}

TEST_F(ProjectReaderTest, EachKindOfUnknownChunkAsksOnceAndCancelStops) {
  // Odd-sized unknown chunks are skipped without a pad byte; "SImg" asks nothing.
  std::string extra = Chunk("abcd", "xyz", false) + Chunk("SImg", "12345", false);
  for (int i = 0; i < 1000; ++i) extra += Chunk(i % 2 ? "abcd" : "wxyz", "", false);
  ASSERT_TRUE(Read(SmallProject(3, 2, {kCells}, extra)).ok);
  ASSERT_EQ(prompter.calls.size(), 2u);
  for (const PromptCall& call : prompter.calls) {
    EXPECT_EQ(call.text, "未定義のチャンク構造を検出しました。続行しますか？");
    EXPECT_EQ(call.caption, "Brimwell");
    EXPECT_EQ(call.icon, MsgIcon::Warning);
    EXPECT_EQ(call.buttons, MsgButtons::OKCancel);
  }
  prompter.Clear();
  prompter.QueueAnswer(MsgResult::OK);
  prompter.QueueAnswer(MsgResult::Cancel);
  EXPECT_EQ(Reason(SmallProject(3, 2, {kCells}, extra)), filetext::kCancelled);
  EXPECT_EQ(prompter.calls.size(), 2u);
  prompter.Clear();
  ASSERT_TRUE(Read(SmallProject(3, 2, {kCells}, extra)).ok) << "a new file asks again";
  EXPECT_EQ(prompter.calls.size(), 2u);
}

std::string VersionChunk(uint8_t major, uint8_t minor, uint8_t release, char letter) {
  return Chunk("Ver_", std::string{char(major), char(minor), char(release), letter});
}

TEST_F(ProjectReaderTest, VersionsAskAsTheyShould) {
  struct Case {
    uint8_t minor, release;
    char letter;
    const char* question;
  };
  const std::string older =
      "下位バージョン(ver1.5.0.a)で作成されたプロジェクトファイルの読み込みはサポートしていません。"
      "Brimwell ver1.5.0.aでfmfファイル形式で出力してから「マップデータの読み込み」で開いてください。"
      "それでも無理やり開いてみますか？";
  const Case cases[] = {{5, 0, 'a', older.c_str()},
                        {5, 0, 'b', nullptr},
                        {5, 2, 'b', nullptr},
                        {5, 2, 'c', filetext::kNewerVersionQuestion},
                        {9, 9, 'F', filetext::kNewerVersionQuestion}};
  for (const Case& c : cases) {
    prompter.Clear();
    ASSERT_TRUE(Read(SmallProject(3, 2, {kCells}, VersionChunk(1, c.minor, c.release, c.letter))).ok);
    if (!c.question) {
      EXPECT_TRUE(prompter.calls.empty()) << int(c.minor) << int(c.release) << c.letter;
      continue;
    }
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text, c.question);
    EXPECT_EQ(prompter.calls[0].caption, "Brimwell");
    EXPECT_EQ(prompter.calls[0].buttons, MsgButtons::OKCancel);
    prompter.QueueAnswer(MsgResult::Cancel);
    EXPECT_EQ(Reason(SmallProject(3, 2, {kCells}, VersionChunk(1, c.minor, c.release, c.letter))),
              filetext::kCancelled);
  }
  EXPECT_EQ(ProjectVersionText({1, 4, 0, 'a'}), "ver1.4.0.a");
  EXPECT_EQ(ProjectVersionValue({1, 5, 2, 'b'}), 1521);
  EXPECT_EQ(ProjectVersionValue({1, 5, 0, 'a'}), 1500);
}

TEST_F(ProjectReaderTest, AVersionLetterThatIsNoHexDigitFails) {
  EXPECT_EQ(Reason(SmallProject(3, 2, {kCells}, VersionChunk(1, 5, 2, 'g'))),
            "'g' は有効な16進数ではありません");
  EXPECT_TRUE(prompter.calls.empty());
}

std::string Lay0(const std::string& name, const std::string& path, uint8_t width,
                 const std::string& cells) {
  return Chunk("LAY0", name + '\0' + 'z' + path + '\0' + char(width) + cells, false);
}

// A flipped bit in a size field must not hide the chunks behind it: a later save would drop
// them.
TEST_F(ProjectReaderTest, AChunkRunningPastTheEndOfTheFileIsASizeMismatch) {
  const std::string header = Chunk("UMFh", HeaderPayload(3, 2, 16, 16, 1, 8));
  const std::string layer = Chunk("LAY1", Lay1Payload("a", "", 1, kCells));
  const std::string layers = layer + layer + layer;
  struct Case {
    std::string bytes;
    size_t sizeField;  // offset of the size field to damage, from the first chunk
  };
  const Case cases[] = {
      {header + layers, header.size() + layer.size() + 4},      // the middle layer
      {header + layers, header.size() + 2 * layer.size() + 4},  // the last layer
      {header + Lay0("n", "", 1, "123456") + layers, header.size() + 4},
      {Chunk("Comt", "abc") + header + layers, 4},
      {Chunk("SImg", "abcd") + header + layers, 4},
      {Chunk("abcd", "abcd") + header + layers, 4},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(Riff(c.bytes)).ok);
    for (uint32_t bit : {1u << 20, 1u << 31}) {
      std::string damaged = c.bytes;
      const uint32_t size = uint8_t(damaged[c.sizeField]) | uint8_t(damaged[c.sizeField + 1]) << 8;
      damaged.replace(c.sizeField, 4, U32(size | bit));
      EXPECT_EQ(Reason(Riff(damaged)), filetext::kDataSizeMismatch) << c.sizeField;
    }
  }
  // The file ends inside the cells.
  std::string cut = SmallProject(3, 2, {kCells});
  cut.resize(cut.size() - 3);
  cut.replace(4, 4, U32(uint32_t(cut.size() - 8)));
  EXPECT_EQ(Reason(cut), filetext::kDataSizeMismatch);
}

TEST_F(ProjectReaderTest, MissingLayerDataFails) {
  // A chunk too short for its cells does not take them from the next chunk.
  const std::string payload = Lay1Payload("a", "", 1, kCells);
  const std::string shortChunk =
      "LAY1" + U32(uint32_t(payload.size() - 2)) + payload.substr(0, payload.size() - 2);
  EXPECT_EQ(Reason(Riff(Chunk("UMFh", HeaderPayload(3, 2, 16, 16, 1, 8)) + shortChunk +
                        Chunk("LAY1", payload))),
            filetext::kLayerDataMissing);
  // A name without its NUL inside the chunk.
  EXPECT_EQ(Reason(Riff(Chunk("UMFh", HeaderPayload(3, 2, 16, 16, 1, 8)) + Chunk("LAY1", "abc"))),
            filetext::kLayerDataMissing);
}

TEST_F(ProjectReaderTest, OldLayersHoldOneOrTwoBytesPerCell) {
  const std::string header = Chunk("UMFh", HeaderPayload(3, 2, 16, 16, 1, 8));
  ASSERT_TRUE(Read(Riff(header + Lay0("n", "dir\\old.bmp", 1, "\x01\x02\x03\x04\x05\xFF") +
                        Lay0("w", "", 2, U16(1) + U16(258) + U16(3) + U16(4) + U16(5) + U16(6))))
                  .ok);
  EXPECT_EQ(LayerPicture(map, 0), "1 2 3 / 4 5 255");
  EXPECT_EQ(LayerPicture(map, 1), "1 258 3 / 4 5 6");
  EXPECT_EQ(host.calls[3], "image 0 dir/old.bmp") << "an old path is not resolved";
  EXPECT_EQ(Reason(Riff(header + Lay0("n", "", 3, std::string(18, '\1')))),
            std::string(filetext::kBadCellWidth) + " (3)");
  EXPECT_EQ(Reason(Riff(header + Lay0("n", "", 2, std::string(11, '\1')))),
            filetext::kOldLayerDataMissing);
}

TEST_F(ProjectReaderTest, RefusesMoreThan255Layers) {
  std::vector<std::vector<uint16_t>> layers(255, std::vector<uint16_t>(4, 1));
  ASSERT_TRUE(Read(SmallProject(2, 2, layers)).ok);
  EXPECT_EQ(map.LayerCount(), 255);
  layers.emplace_back(4, 2);
  EXPECT_EQ(Reason(SmallProject(2, 2, layers)), filetext::kTooManyLayers);
}

TEST_F(ProjectReaderTest, RefusesMapsBeyondTheMemoryBudget) {
  options.memoryBudget = 2 * 3 * 2 * 2 - 1;
  EXPECT_EQ(Reason(SmallProject(3, 2, {kCells, kCells})), filetext::kMapTooLarge);
  options.memoryBudget = 2 * 3 * 2 * 2;
  EXPECT_TRUE(Read(SmallProject(3, 2, {kCells, kCells})).ok);
}

TEST_F(ProjectReaderTest, ImagePathsAreResolvedAgainstTheProjectFolder) {
  auto resolved = [&](const std::string& stored, uint8_t relative) {
    host.calls.clear();
    const std::string bytes = Riff(Chunk("UMFh", HeaderPayload(3, 2, 16, 16, 1, 8, relative)) +
                                   Chunk("LAY1", Lay1Payload("a", stored, 1, kCells)));
    EXPECT_TRUE(Read(bytes).ok);
    return host.calls.at(3);
  };
  EXPECT_EQ(resolved("img\\parts.bmp", 1), "image 0 /proj/img/parts.bmp");
  EXPECT_EQ(resolved("..\\shared\\p.bmp", 1), "image 0 /shared/p.bmp");
  EXPECT_EQ(resolved("/abs/p.bmp", 1), "image 0 /abs/p.bmp");
  EXPECT_EQ(resolved("img\\parts.bmp", 0), "image 0 /proj/parts.bmp");
  EXPECT_EQ(resolved("C:\\old\\place\\parts.bmp", 0), "image 0 /proj/parts.bmp");
}

// Every prefix and many corruptions of a valid file: each read ends in success or a reason,
// never in a crash or a read outside a layer (the sanitizer build checks that).
TEST_F(ProjectReaderTest, DamagedFilesFailCleanly) {
  const std::string good =
      Riff(VersionChunk(1, 5, 2, 'b') + Chunk("UMFh", HeaderPayload(3, 2, 16, 16, 2, 8)) +
           Chunk("Comt", "abc") + Chunk("LAY1", Lay1Payload("a", "p.bmp", 1, kCells)) +
           Lay0("b", "", 1, "123456"));
  options.memoryBudget = 1 << 20;  // a corrupted header must not make every round slow
  auto check = [&](const std::string& bytes) {
    const TFileResult result = Read(bytes);
    if (!result.ok) {
      EXPECT_FALSE(result.reason.empty());
      return;
    }
    for (int i = 0; i < map.LayerCount(); ++i)
      EXPECT_EQ(map.LayerAt(i).Cells.size(), size_t(map.GetWidth()) * map.GetHeight());
  };
  for (size_t length = 0; length <= good.size(); ++length) {
    std::string cut = good.substr(0, length);
    if (length >= 8) cut.replace(4, 4, U32(uint32_t(length - 8)));
    check(cut);
  }
  std::mt19937 random(99);
  for (int round = 0; round < 2000; ++round) {
    std::string bad = good;
    for (int n = 0; n < 3; ++n) bad[random() % bad.size()] = static_cast<char>(random());
    check(bad);
  }
  EXPECT_TRUE(Read(good).ok);
}

TEST(ProjectReaderFileTest, AMissingFileFailsWithTheFileLayersText) {
  TMap map;
  TProjectRecords records = TestRecords();
  TRecordingHost host(map);
  const TFileResult result = ReadProjectFile("/nonexistent/x.bwp", map, records, host);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.reason.find("/nonexistent/x.bwp"), std::string::npos) << result.reason;
  EXPECT_EQ(filetext::ReadErrorText("x.bwp", "UMFヘッダ異常"),
            "x.bwpの読み込み中にエラーが発生しました (UMFヘッダ異常)");
}

}  // namespace

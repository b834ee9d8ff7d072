#include <gtest/gtest.h>

#include "MapPictures.h"
#include "support/ScriptedPrompter.h"

namespace {
const TModifyRecord& LastData(const TMap& map) {
  const auto& history = map.GetHistory();
  for (auto it = history.rbegin(); it != history.rend(); ++it) {
    if (it->Kind == mtData) return *it;
  }
  throw std::logic_error("no data record");
}
}  // namespace

TEST(MapBlocks, ClipBlockDropsTheRowsAndColumnsLeftOfAndAboveTheMap) {
  auto map = MapOf({"0 0 0 / 0 0 0"});
  TModified block = Block(0, -1, -1, "1 2 3 / 4 5 6 / 7 8 9");
  map->ClipBlock(block);
  EXPECT_EQ(std::vector<uint16_t>(block.data.begin(), block.data.begin() + 4),
            std::vector<uint16_t>({5, 6, 8, 9}));
  EXPECT_EQ(block.data.size(), 9u);
  EXPECT_EQ(block.srcPitch, 1);
  EXPECT_EQ(block.source.x, 1);
  EXPECT_EQ(block.source.dy, 1);
  EXPECT_EQ(block.source.index, 4);
  EXPECT_EQ(block.destination.index, 0);
}

TEST(MapBlocks, WriteBlockClipsAtEveryEdgeAndRecordsWhatItWrote) {
  auto map = MapOf({"0 0 0 / 0 0 0"});
  TModified corner = Block(0, -1, -1, "1 2 3 / 4 5 6 / 7 8 9");
  EXPECT_TRUE(map->WriteBlock(corner));
  EXPECT_EQ(Picture(*map, 0), "5 6 0 / 8 9 0");
  EXPECT_EQ(LastData(*map).Width, 2);
  EXPECT_EQ(LastData(*map).Height, 2);
  EXPECT_EQ(LastData(*map).StartIndex, 0);

  TModified edge = Block(0, 2, 1, "1 2 3");
  EXPECT_TRUE(map->WriteBlock(edge));
  EXPECT_EQ(Picture(*map, 0), "5 6 0 / 8 9 1");
  EXPECT_EQ(LastData(*map).Width, 1);
  EXPECT_EQ(LastData(*map).Count, 1);

  for (auto [x, y] : {std::pair{3, 0}, {0, 2}, {-3, 0}, {0, -5}, {-1000000, 2000000000}}) {
    TModified outside = Block(0, x, y, "4 4 / 4 4");
    EXPECT_TRUE(map->WriteBlock(outside));
  }
  EXPECT_EQ(Picture(*map, 0), "5 6 0 / 8 9 1");
  while (map->Undo()) {
  }
  EXPECT_EQ(Picture(*map, 0), "0 0 0 / 0 0 0");
}

TEST(MapBlocks, WritesAreRefusedForMissingLayersInactiveRangesAndNoData) {
  ScopedPrompter prompter;
  auto map = MapOf({"0 0"});
  TModified missing = Block(1, 0, 0, "1");
  EXPECT_FALSE(map->WriteBlock(missing));
  EXPECT_FALSE(map->ReadBlock(missing));
  TModified negative = Block(-1, 0, 0, "1");
  EXPECT_FALSE(map->WriteBlock(negative));
  ASSERT_EQ(prompter.Boxes().size(), 3u);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>({"対象レイヤーが存在しません(layer:1)",
                                                        "レイヤーが存在しません(layer:1)",
                                                        "対象レイヤーが存在しません(layer:-1)"}));
  EXPECT_EQ(prompter.Boxes()[0].caption, "エラー");
  EXPECT_EQ(prompter.Boxes()[0].icon, MsgIcon::Error);
  EXPECT_EQ(prompter.Boxes()[0].buttons, MsgButtons::OK);

  TModified inactive = Block(0, 0, 0, "1");
  inactive.destination.active = 0;
  TModified empty = Block(0, 0, 0, "1");
  empty.data.clear();
  EXPECT_FALSE(map->WriteBlock(inactive) || map->WriteBlock(empty) ||
               map->WriteTiledBlock(inactive) || map->WriteTiledBlock(missing));
  EXPECT_EQ(map->GetHistory().size(), 1u);
}

TEST(MapBlocks, ShortDataBeepsAndKeepsWhatWasWritten) {
  ScopedPrompter prompter;
  auto map = MapOf({"0 0 0 / 0 0 0"});
  TModified block = Block(0, 0, 0, "1 2 3 / 4 5 6");
  block.data.resize(4);
  EXPECT_TRUE(map->WriteBlock(block));
  EXPECT_EQ(Picture(*map, 0), "1 2 3 / 4 0 0");
  EXPECT_EQ(prompter.BeepCount(), 1);
  map->Undo();
  EXPECT_EQ(Picture(*map, 0), "0 0 0 / 0 0 0");
}

TEST(MapBlocks, ReadBlockCopiesTheSourceRange) {
  auto map = MapOf({"1 2 3 / 4 5 6 / 7 8 9"});
  TModified block;
  block.source = {1, 1, 1, 1, 1, 4};
  block.srcPitch = 7;
  EXPECT_TRUE(map->ReadBlock(block));
  EXPECT_EQ(block.data, std::vector<uint16_t>({5, 6, 8, 9}));
  EXPECT_EQ(block.srcPitch, 7);
  block.source = {1, 2, 2, 1, 1, 8};  // reaches past the layer's last cell
  EXPECT_TRUE(map->ReadBlock(block));
  EXPECT_EQ(block.data, std::vector<uint16_t>({9, 0, 0, 0}));
}

TEST(MapBlocks, TiledWriteRepeatsTheBlockAndCutsTheLastTiles) {
  auto map = MapOf({"0 0 0 0 0 0 / 0 0 0 0 0 0 / 0 0 0 0 0 0 / 0 0 0 0 0 0"});
  TModified block = Block(0, 0, 0, "1 2 / 3 4");
  block.destination.dx = 4;
  block.destination.dy = 2;
  EXPECT_TRUE(map->WriteTiledBlock(block));
  EXPECT_EQ(Picture(*map, 0), Normal("1 2 1 2 1 0 / 3 4 3 4 3 0 / 1 2 1 2 1 0 / 0 0 0 0 0 0"));
  EXPECT_EQ(Kinds(*map), std::vector<uint8_t>({mtBegin, mtData, mtEnd, mtEmpty}));
  EXPECT_EQ(LastData(*map).Width, 5);

  TModified wide = Block(0, 3, 2, "7 8 9 / 5 5 5");  // data rows 4 apart
  wide.data = {7, 8, 9, 0, 5, 5, 5, 0};
  wide.srcPitch = 3;
  wide.destination.dx = 99;
  wide.destination.dy = 99;
  EXPECT_TRUE(map->WriteTiledBlock(wide));
  EXPECT_EQ(Picture(*map, 0), Normal("1 2 1 2 1 0 / 3 4 3 4 3 0 / 1 2 1 7 8 9 / 0 0 0 5 5 5"));
  EXPECT_EQ(LastData(*map).Width, 3);
  map->Undo();
  map->Undo();
  EXPECT_EQ(Picture(*map, 0), Normal("0 0 0 0 0 0 / 0 0 0 0 0 0 / 0 0 0 0 0 0 / 0 0 0 0 0 0"));
}

TEST(MapBlocks, TiledWriteWithShortDataWritesEachTileUntilItsDataRunsOut) {
  ScopedPrompter prompter;
  auto map = MapOf({"0 0 0 0 0 / 0 0 0 0 0"});
  TModified block = Block(0, 0, 0, "1 2 / 3 4");
  block.data.resize(3);
  block.destination.dx = 4;
  block.destination.dy = 1;
  EXPECT_TRUE(map->WriteTiledBlock(block));
  EXPECT_EQ(Picture(*map, 0), "1 2 1 2 1 / 3 0 3 0 3");
  EXPECT_EQ(prompter.BeepCount(), 1);
  block.data.clear();
  EXPECT_TRUE(map->WriteTiledBlock(block));  // records a group that changes nothing
  EXPECT_EQ(Picture(*map, 0), "1 2 1 2 1 / 3 0 3 0 3");
}

TEST(MapBlocks, StepsCalledDirectlyStayInsideTheLayer) {
  ScopedPrompter quiet;
  auto map = MapOf({"0 0 0 / 0 0 0"});
  TModified block = Block(0, 0, 0, "1 2 3 / 4 5 6");
  int32_t w, h;
  map->PutBlock(-1, -1, 2, 1, block, w, h);  // no wrapping into the row before
  map->PutBlock(2, 1, 2, 1, block, w, h);
  EXPECT_EQ(std::pair(w, h), std::pair(1, 1));
  EXPECT_EQ(Picture(*map, 0), "5 6 0 / 0 0 1");
  TModifyRecord record;
  record.Before.resize(2);
  map->SaveBefore(-1, 0, 2, 1, record, block);
  EXPECT_EQ(record.Count, 6);
  EXPECT_EQ(record.Before, std::vector<uint16_t>({0, 5}));
  EXPECT_EQ(quiet.BeepCount(), 0);
}

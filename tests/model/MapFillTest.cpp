#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "MapPictures.h"
#include "model/SpanFill.h"

namespace {

TModified Seed(int layer, uint16_t value) {
  return Block(layer, 0, 0, std::to_string(value));
}

}  // namespace

TEST(MapFill, FillsTheFourConnectedAreaOfTheSeedsValue) {
  const std::string other = "0 0 0 0 / 0 0 0 0 / 0 0 0 0 / 0 0 0 0";
  auto map = MapOf({"1 1 0 0 / 1 0 1 0 / 0 1 0 0 / 0 0 2 0", other});
  TModified block = Seed(0, 5);
  map->FloodFill(3, 0, block);
  EXPECT_EQ(Picture(*map, 0), Normal("1 1 5 5 / 1 0 1 5 / 0 1 5 5 / 0 0 2 5"));
  map->FloodFill(1, 1, block);
  EXPECT_EQ(Picture(*map, 0), Normal("1 1 5 5 / 1 5 1 5 / 0 1 5 5 / 0 0 2 5"));
  EXPECT_EQ(Picture(*map, 1), Normal(other));
  map->Undo();
  map->Undo();
  EXPECT_EQ(Picture(*map, 0), Normal("1 1 0 0 / 1 0 1 0 / 0 1 0 0 / 0 0 2 0"));
}

TEST(MapFill, RecordsOneWholeLayerGroupAndNothingWhenThereIsNothingToDo) {
  auto map = MapOf({"0 0 0 / 0 0 0"});
  TModified block = Seed(0, 4);
  map->FloodFill(1, 1, block);
  EXPECT_EQ(Picture(*map, 0), "4 4 4 / 4 4 4");
  ASSERT_EQ(Kinds(*map), std::vector<uint8_t>({mtBegin, mtData, mtEnd, mtEmpty}));
  const TModifyRecord& record = map->GetHistory()[1];
  EXPECT_EQ(std::vector<int32_t>({record.Width, record.Height, record.Count, record.StartIndex}),
            std::vector<int32_t>({3, 2, 6, 0}));

  TModified inactive = Seed(0, 1);
  inactive.source.active = 0;
  TModified empty = Seed(0, 1);
  empty.data.clear();
  TModified missing = Seed(3, 1);
  map->FloodFill(0, 0, block);  // already 4
  map->FloodFill(0, 0, inactive);
  map->FloodFill(0, 0, empty);
  map->FloodFill(0, 0, missing);
  TModified other = Seed(0, 1);
  for (auto [x, y] : {std::pair{3, 0}, {0, 2}, {-1, 0}, {0, -1}}) map->FloodFill(x, y, other);
  map->ClearLayers();
  map->FloodFill(0, 0, other);  // not ready
  EXPECT_EQ(map->GetHistory().size(), 4u);
}

TEST(MapFill, SpanFillMatchesTheReferenceFillOnRandomGrids) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 300; ++round) {
    const int w = 1 + static_cast<int>(random() % 23);
    const int h = 1 + static_cast<int>(random() % 17);
    const unsigned colours = 2 + random() % 3;
    std::vector<uint16_t> cells(static_cast<size_t>(w * h));
    for (uint16_t& cell : cells) cell = static_cast<uint16_t>(random() % colours);
    const int x = static_cast<int>(random() % w);
    const int y = static_cast<int>(random() % h);
    std::vector<uint16_t> expected = cells;
    ReferenceFill(expected, w, h, x, y, 9);
    auto stack = std::make_unique<uint32_t[]>(cells.size());
    FillSpans(cells.data(), w, h, x, y, 9, stack.get());
    ASSERT_EQ(cells, expected) << "round " << round;
  }
}

TEST(MapFill, ReplaceChangesEveryMatchingCellAndAlwaysRecords) {
  auto map = MapOf({"7 1 7 / 2 7 3"});
  EXPECT_TRUE(map->ReplaceValue(7, 0, 0));
  EXPECT_EQ(Picture(*map, 0), "0 1 0 / 2 0 3");
  EXPECT_TRUE(map->ReplaceValue(7, 7, 0));
  EXPECT_EQ(map->GetModifyCursor(), 6);
  EXPECT_FALSE(map->ReplaceValue(1, 2, 1));
  EXPECT_FALSE(map->ReplaceValue(1, 2, -1));
  EXPECT_EQ(map->GetModifyCursor(), 6);
  map->Undo();
  map->Undo();
  EXPECT_EQ(Picture(*map, 0), "7 1 7 / 2 7 3");
}

TEST(MapFill, ArraysReusedFromDroppedRecordsHoldTheirNewRecords) {
  TMap map;
  map.Setup(1024, 512, 32, 32, 8);  // records of one MiB are kept for reuse
  map.AppendLayer("a", nullptr);
  const auto all = [&](uint16_t value) {
    return map.LayerAt(0).Cells == std::vector<uint16_t>(1024 * 512, value);
  };
  map.ReplaceValue(0, 1, 0);
  map.Undo();
  map.ReplaceValue(0, 2, 0);  // drops the undone group and takes its arrays
  EXPECT_FALSE(map.CanRedo());
  map.Undo();
  EXPECT_TRUE(all(0));
  map.Redo();
  EXPECT_TRUE(all(2));
  map.FlushHistory();
  TModified block = Block(0, 0, 0, "3");
  map.FloodFill(5, 5, block);
  EXPECT_TRUE(all(3));
  map.Undo();
  EXPECT_TRUE(all(2));
  map.Redo();
  EXPECT_TRUE(all(3));
}

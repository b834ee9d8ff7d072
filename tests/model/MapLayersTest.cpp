#include <gtest/gtest.h>

#include "MapPictures.h"
#include "platform/Errors.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"

TEST(MapDocument, StartsEmptyAndBecomesReadyWithItsFirstLayer) {
  TMap map;
  EXPECT_EQ(Kinds(map), std::vector<uint8_t>{mtEmpty});
  EXPECT_FALSE(map.IsReady() || map.IsModified());
  EXPECT_TRUE(map.Setup(3, 2, 16, 24, 16));
  int32_t w, h, pw, ph;
  map.GetSize(w, h);
  map.GetPartSize(pw, ph);
  EXPECT_EQ(std::vector<int32_t>({w, h, pw, ph}), std::vector<int32_t>({3, 2, 16, 24}));
  EXPECT_TRUE(map.IsModified() && !map.IsReady());
  map.AppendLayer("a", nullptr);
  EXPECT_TRUE(map.IsReady() && map.LayerAt(0).Visible);
  EXPECT_EQ(Picture(map, 0), "0 0 0 / 0 0 0");
  map.ClearModified();
  map.ClearLayers();
  EXPECT_EQ(map.LayerCount(), 0);
  EXPECT_FALSE(map.IsReady() || map.IsModified());
}

TEST(MapDocument, RefusesAbsurdSizesBeforeAllocating) {
  TMap map;
  map.Setup(4, 4, 32, 32, 8);
  map.AppendLayer("a", nullptr);
  for (auto [w, h] : {std::pair{100000, 100000}, {0, 5}, {-3, 7}}) {
    map.Setup(w, h, 32, 32, 8);
    map.ClearModified();
    try {
      map.AppendLayer("b", nullptr);
      FAIL() << w << " x " << h;
    } catch (const EAbort& e) {
      EXPECT_STREQ(e.what(), "レイヤ作成に失敗");
    }
    EXPECT_THROW(map.DuplicateLayer(0, "c"), EAbort);
    EXPECT_EQ(map.LayerCount(), 1);
    EXPECT_FALSE(map.IsReady() || map.IsModified());
  }
}

TEST(MapLayers, DuplicateAppendsOnTopWithTheSourcesCellsAndFlags) {
  auto map = MapOf({"1 2", "3 4", "5 6"});
  TMapChip chip;
  map->SetLayerChip(0, &chip);
  map->SetLayerVisible(0, false);
  map->LayerAt(0).Reserved = true;
  EXPECT_TRUE(map->DuplicateLayer(0, "copy"));
  ASSERT_EQ(map->LayerCount(), 4);
  const TMapLayer& copy = map->LayerAt(3);
  EXPECT_EQ(Picture(*map, 3), "1 2");
  EXPECT_EQ(copy.Name, "copy");
  EXPECT_TRUE(copy.Chip == &chip && !copy.Visible && copy.Reserved);
  EXPECT_FALSE(map->DuplicateLayer(4, "none"));
}

TEST(MapLayers, MergeKeepsTheDestinationUnderKeyCellsAndDropsTheSource) {
  auto map = MapOf({"9 9 9", "1 1 1 ", "255 0 7", "4 4 4"});
  EXPECT_TRUE(map->MergeLayer(1, 2, 255));
  ASSERT_EQ(map->LayerCount(), 3);
  EXPECT_EQ(Picture(*map, 1), "1 0 7");
  EXPECT_EQ(Picture(*map, 2), "4 4 4");
  EXPECT_TRUE(map->IsModified());

  map->ClearModified();
  for (auto [d, s] : {std::pair{-1, 0}, {0, 3}, {3, 0}, {1, 1}}) {
    EXPECT_FALSE(map->MergeLayer(d, s, 255)) << d << "," << s;
  }
  EXPECT_EQ(map->LayerCount(), 3);
  EXPECT_FALSE(map->IsModified());
}

TEST(MapLayers, NamesChipsAndVisibilityIgnoreMissingLayers) {
  auto map = MapOf({"0", "0"});
  EXPECT_EQ(map->GetLayerName(1), "L1");
  EXPECT_EQ(map->GetLayerName(-1), "");
  EXPECT_EQ(map->GetLayerName(2), "");
  map->SetLayerName(2, "x");
  EXPECT_TRUE(map->IsModified());  // even for a missing layer

  map->ClearModified();
  map->SetLayerVisible(0, false);
  map->ClearLayerChip(0);
  map->SetLayerChip(5, nullptr);
  map->DeleteLayer(-1);
  map->SwapLayers(0, 2);
  EXPECT_FALSE(map->IsModified());
  EXPECT_EQ(map->GetLayerChip(7), nullptr);
  EXPECT_THROW(map->LayerAt(2), std::out_of_range);

  TMapChip chip;
  map->SetLayerChip(1, &chip);
  map->SwapLayers(0, 1);
  EXPECT_EQ(map->GetLayerChip(0), &chip);
  EXPECT_EQ(map->GetLayerName(0), "L1");

  for (int i = 2; i < 257; ++i) map->AppendLayer("n", nullptr);
  EXPECT_EQ(map->GetLayerName(255), "n");
  EXPECT_EQ(map->GetLayerName(256), "");  // indices above 255 are never valid
}

TEST(MapDump, WritesMapTxtInShiftJisWithCrLf) {
  TempDir dir;
  auto map = MapOf({"5 0", "1 2 "});
  map->SetLayerName(0, "a");
  TMapChip chip;
  chip.FileName = "C:\\絵\\parts.bmp";
  map->SetLayerChip(1, &chip);
  {
    ScopedCurrentDir here(dir.Path());
    map->DumpMap();
  }
  EXPECT_EQ(ReadFileBytes(dir.File("map.txt")),
            ToShiftJis("\r\nマップデータの出力結果\r\nWidth=2:Height=1\r\n\r\nname:a\r\n"
                       "chip:参照なし\r\n5,0,\r\n\r\nname:L1\r\nchip:C:\\絵\\parts.bmp\r\n1,2,\r\n"
                       "[EOF]\r\n"));
  EXPECT_THROW(map->DumpMap(dir.File("no/such/folder/map.txt")), EInOutError);
}

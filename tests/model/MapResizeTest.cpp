#include <gtest/gtest.h>

#include <filesystem>

#include "MapPictures.h"
#include "platform/Errors.h"
#include "support/ScopedFileSizeLimit.h"
#include "support/ScopedTmpDir.h"
#include "support/TempDir.h"

namespace {

bool IsEmptyFolder(const std::string& dir) {
  return std::filesystem::is_empty(dir);
}

}  // namespace

TEST(MapResize, KeepsTheTopLeftCornerOfEveryLayer) {
  TempDir tmp;
  ScopedTmpDir scoped(tmp.Path());
  TMap map;
  map.Setup(100, 100, 32, 32, 8);
  for (int layer = 0; layer < 2; ++layer) {
    map.AppendLayer("a", nullptr);
    Paste(map, layer, 0, 0, "1");
    for (int i = 0; i < 100 * 100; ++i)
      map.LayerAt(layer).Cells[i] = static_cast<uint16_t>(i + layer);
  }
  map.ClearModified();
  EXPECT_TRUE(map.Resize(50, 120));
  EXPECT_EQ(map.GetWidth(), 50);
  EXPECT_EQ(map.GetHeight(), 120);
  for (int layer = 0; layer < 2; ++layer) {
    const auto& cells = map.LayerAt(layer).Cells;
    ASSERT_EQ(cells.size(), 50u * 120u);
    for (int y = 0; y < 120; ++y) {
      for (int x = 0; x < 50; ++x) {
        ASSERT_EQ(cells[y * 50 + x], y < 100 ? y * 100 + x + layer : 0) << x << "," << y;
      }
    }
  }
  EXPECT_TRUE(map.IsModified());
  EXPECT_FALSE(map.CanUndo());  // the records addressed cells by the old width
  EXPECT_TRUE(IsEmptyFolder(tmp.Path()));

  map.ClearModified();
  EXPECT_FALSE(map.Resize(50, 120));
  for (auto [w, h] : {std::pair{0, 5}, {5, -1}, {1 << 20, 1 << 20}}) EXPECT_FALSE(map.Resize(w, h));
  EXPECT_FALSE(map.IsModified());
  EXPECT_EQ(map.GetWidth(), 50);
}

TEST(MapResize, FileFailuresLeaveEveryLayerAtOneSizeAndNoTemporaryFile) {
  TempDir tmp;
  {
    ScopedTmpDir missing(tmp.File("missing"));
    auto map = MapOf({"1 2 / 3 4"});
    EXPECT_THROW(map->Resize(3, 3), EInOutError);
    EXPECT_EQ(Picture(*map, 0), "1 2 / 3 4");
  }
  ScopedTmpDir scoped(tmp.Path());
  auto map = MapOf({"1 2 3 / 4 5 6", "7 8 9 / 1 2 3"});
  {
    ScopedFileSizeLimit limit(4);
    EXPECT_THROW(map->Resize(2, 2), EInOutError);
  }
  EXPECT_EQ(Picture(*map, 0), "1 2 3 / 4 5 6");  // failed on the first layer: unchanged
  EXPECT_EQ(map->GetWidth(), 3);
  EXPECT_TRUE(IsEmptyFolder(tmp.Path()));

  map->LayerAt(0).Cells.resize(1);  // a short first layer passes; the second cannot
  {
    ScopedFileSizeLimit limit(4);
    EXPECT_THROW(map->Resize(2, 2), EInOutError);
  }
  EXPECT_EQ(map->GetWidth(), 2);
  EXPECT_EQ(Picture(*map, 0), "1 0 / 0 0");
  EXPECT_EQ(Picture(*map, 1), "7 8 / 1 2");
  EXPECT_TRUE(IsEmptyFolder(tmp.Path()));
}

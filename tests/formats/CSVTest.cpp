#include <gtest/gtest.h>

#include "FormatsTestUtil.h"
#include "support/TempDir.h"

namespace {

class CSVTest : public ::testing::Test {
 protected:
  std::string V1() {
    EXPECT_TRUE(map.ExportCSV1(dir.File("a.csv")));
    return ReadFileBytes(dir.File("a.csv"));
  }
  std::string V2() {
    EXPECT_TRUE(map.ExportCSV2(dir.File("b.csv")));
    return ReadFileBytes(dir.File("b.csv"));
  }
  TempDir dir;
  TMap map;
};

TEST_F(CSVTest, TheThreeByTwoTable) {
  BuildMap(map, 3, 2, 16, 8, {"1 2 3 / 4 5 6", "0 0 0 / 0 0 0"});
  EXPECT_EQ(V1(), "1,2,3\r\n4,5,6\r\n\r\n0,0,0\r\n0,0,0\r\n\r\n");
  EXPECT_EQ(V2(), "3,2,16,16,2,8\r\n1,2,3\r\n4,5,6\r\n0,0,0\r\n0,0,0\r\n");
}

TEST_F(CSVTest, CellsAreWrittenWholeWhateverTheBitsPerCell) {
  BuildMap(map, 2, 2, 32, 8, {"300 65535 / 0 256"});
  EXPECT_EQ(V1(), "300,65535\r\n0,256\r\n\r\n");
  EXPECT_EQ(V2(), "2,2,32,32,1,8\r\n300,65535\r\n0,256\r\n");
}

TEST_F(CSVTest, AMapOneCellWideHasNoCommas) {
  BuildMap(map, 1, 3, 16, 16, {"7 / 8 / 9"});
  EXPECT_EQ(V1(), "7\r\n8\r\n9\r\n\r\n");
  EXPECT_EQ(V2(), "1,3,16,16,1,16\r\n7\r\n8\r\n9\r\n");
}

TEST_F(CSVTest, TheLayerCountIsTheFullNumber) {
  std::vector<std::string> layers(12, "0 0 / 0 0");
  BuildMap(map, 2, 2, 16, 8, layers);
  EXPECT_EQ(V2().substr(0, 15), "2,2,16,16,12,8\r");
}

TEST_F(CSVTest, AnExistingFileIsReplaced) {
  WriteFileBytes(dir.File("a.csv"), std::string(1000, 'x'));
  BuildMap(map, 2, 2, 16, 8, {"1 2 / 3 4"});
  EXPECT_EQ(V1(), "1,2\r\n3,4\r\n\r\n");
}

}  // namespace

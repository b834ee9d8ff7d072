// The sample project in examples/ opens as it should and is exactly what our writer writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "formats/ImagePath.h"
#include "formats/PlainProjectHost.h"
#include "formats/ProjectReader.h"
#include "formats/ProjectWriter.h"
#include "imaging/TBitmap.h"
#include "model/MapDataUnit.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

const std::string kExamples = BRIMWELL_EXAMPLES_DIR;
constexpr int kPartsPerRow = 16;
constexpr uint32_t kGreen = 0x0000FF00;

class SampleProjectTest : public ::testing::Test {
 protected:
  // Reads the sample from `folder`, where the project and its image lie side by side.
  void Open(const std::string& folder) {
    result = ReadProjectFile(folder + "/sample.bwp", map, records, host);
  }
  int PartsInImage() const {
    const TBitmap& image = *host.Chips().front()->Image;
    return (image.Width() / map.GetPartWidth()) * (image.Height() / map.GetPartHeight());
  }
  bool PartHasKeyPixel(int part) const {
    const TBitmap& image = *host.Chips().front()->Image;
    const int x0 = part % kPartsPerRow * map.GetPartWidth();
    const int y0 = part / kPartsPerRow * map.GetPartHeight();
    for (int y = y0; y < y0 + map.GetPartHeight(); ++y)
      for (int x = x0; x < x0 + map.GetPartWidth(); ++x)
        if ((image.ScanLine32(y)[x] & 0x00FFFFFF) == kGreen) return true;
    return false;
  }
  std::set<int> PartsOfLayer(int layer) const {
    const auto& cells = map.LayerAt(layer).Cells;
    return std::set<int>(cells.begin(), cells.end());
  }

  ScopedPrompter prompter;  // any question or warning would be recorded here
  TMap map;
  TProjectRecords records;
  TPlainProjectHost host{map};
  TFileResult result;
};

TEST_F(SampleProjectTest, OpensWithItsLayersImageAndTransparency) {
  Open(kExamples);
  ASSERT_TRUE(result.ok) << result.reason;
  EXPECT_TRUE(prompter.calls.empty()) << prompter.calls.front().text;

  EXPECT_EQ(map.GetWidth(), 40);
  EXPECT_EQ(map.GetHeight(), 30);
  EXPECT_EQ(map.GetPartWidth(), 32);
  EXPECT_EQ(map.GetBitsPerCell(), 8);
  ASSERT_EQ(map.LayerCount(), 3);
  const char* names[] = {"地面", "建物", "装飾"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(map.LayerAt(i).Name, names[i]);
    EXPECT_TRUE(map.LayerAt(i).Visible) << i;
  }

  // One image, next to the project, shared by every layer.
  ASSERT_EQ(host.Chips().size(), 1u);
  EXPECT_EQ(host.Chips().front()->FileName, NormalizePath(AbsolutePath(kExamples + "/parts.bmp")));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(map.LayerAt(i).Chip, host.Chips().front().get()) << i;
  EXPECT_EQ(host.Chips().front()->Image->Width(), kPartsPerRow * 32);

  EXPECT_EQ(records.header.relativePaths, 1);
  EXPECT_EQ(records.colorKey.enabled, 1);
  EXPECT_EQ(records.colorKey.color, kGreen);
  EXPECT_EQ(records.transparentPart.enabled, 1);
  EXPECT_EQ(records.transparentPart.number, 0);
  EXPECT_NE(records.comment.find("examples/make-sample.py"), std::string::npos);
}

TEST_F(SampleProjectTest, EveryCellShowsAPartOfTheImageAndTheGroundHasNoHoles) {
  Open(kExamples);
  ASSERT_TRUE(result.ok) << result.reason;
  for (int layer = 0; layer < 3; ++layer)
    EXPECT_LT(*PartsOfLayer(layer).rbegin(), PartsInImage()) << "layer " << layer;

  // The ground is the bottom layer: a key pixel or the transparent part there would show the
  // editor's background through the map.
  for (int part : PartsOfLayer(0)) {
    EXPECT_NE(part, records.transparentPart.number);
    EXPECT_FALSE(PartHasKeyPixel(part)) << "part " << part;
  }
  // The upper layers are mostly empty, and their things stand on the ground below.
  for (int layer = 1; layer < 3; ++layer) {
    const auto& cells = map.LayerAt(layer).Cells;
    EXPECT_GT(std::count(cells.begin(), cells.end(), 0), int(cells.size()) / 2) << layer;
  }
  EXPECT_TRUE(PartHasKeyPixel(0)) << "the empty part";
  for (int part : PartsOfLayer(2)) EXPECT_TRUE(PartHasKeyPixel(part)) << "part " << part;
}

TEST_F(SampleProjectTest, SavingItAgainWritesTheSameBytes) {
  TempDir dir;
  const std::string committed = ReadFileBytes(kExamples + "/sample.bwp");
  WriteFileBytes(dir.File("sample.bwp"), committed);
  WriteFileBytes(dir.File("parts.bmp"), ReadFileBytes(kExamples + "/parts.bmp"));
  Open(dir.Path());
  ASSERT_TRUE(result.ok) << result.reason;

  ASSERT_TRUE(WriteProjectFile(dir.File("again.bwp"), map, records).ok);
  EXPECT_TRUE(ReadFileBytes(dir.File("again.bwp")) == committed)
      << "examples/make-sample.py and the project writer disagree";
}

}  // namespace

// Drawing only from the highest covering layer up must give exactly the pixels of drawing
// every layer bottom first; and the part covers it relies on.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "editor/LayerRenderer.h"
#include "editor/PartCovers.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"

namespace {

constexpr uint32_t kKey = 0x00FF00;  // pure green, as a pixel value and as a colour

// Parts of 4 x 4 pixels, 4 per row, in an image 14 pixels wide so that part 3 is cut by the
// edge: 0 opaque, 1 all key, 2 one key pixel.
std::shared_ptr<TBitmap> SmallParts() {
  auto image = std::make_shared<TBitmap>(14, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 14; ++x) image->ScanLine32(y)[x] = 0x101010 * (x / 4 + 1);
  for (int y = 0; y < 4; ++y)
    for (int x = 4; x < 8; ++x) image->ScanLine32(y)[x] = kKey;
  image->ScanLine32(2)[9] = kKey;
  return image;
}

TEST(PartCoversTest, ClassifiesByPixelsAndImageEdges) {
  const auto image = SmallParts();
  const TPartGrid keyed{4, 4, 4, true, kKey};
  EXPECT_EQ(ClassifyPart(*image, keyed, 0), TPartCover::Opaque);
  EXPECT_EQ(ClassifyPart(*image, keyed, 1), TPartCover::Empty);
  EXPECT_EQ(ClassifyPart(*image, keyed, 2), TPartCover::Mixed);
  EXPECT_EQ(ClassifyPart(*image, keyed, 3), TPartCover::Mixed);  // cut by the right edge
  EXPECT_EQ(ClassifyPart(*image, keyed, 8), TPartCover::Empty);  // below the image
  const TPartGrid plain{4, 4, 4, false, kKey};
  EXPECT_EQ(ClassifyPart(*image, plain, 1), TPartCover::Opaque);
  EXPECT_EQ(ClassifyPart(*image, plain, 3), TPartCover::Mixed);
  EXPECT_EQ(ClassifyPart(*image, TPartGrid{4, 4, 0, true, kKey}, 9), TPartCover::Opaque);
}

TEST(PartCoversTest, ForgetsWhatChanged) {
  TMapChip chip;
  chip.Image = SmallParts();
  TPartCovers covers;
  const TPartGrid grid{4, 4, 4, true, kKey};
  EXPECT_EQ(covers.For(chip, grid).Cover(0), TPartCover::Opaque);

  chip.Image->ScanLine32(0)[0] = kKey;  // reloaded in place: the file date moves
  chip.FileDate = 5;
  EXPECT_EQ(covers.For(chip, grid).Cover(0), TPartCover::Mixed);

  chip.Image = SmallParts();  // a new image
  EXPECT_EQ(covers.For(chip, grid).Cover(0), TPartCover::Opaque);

  EXPECT_EQ(covers.For(chip, TPartGrid{4, 4, 4, true, 0x101010}).Cover(0), TPartCover::Empty);
  EXPECT_EQ(covers.For(chip, TPartGrid{4, 4, 4, false, kKey}).Cover(1), TPartCover::Opaque);
}

// Parts of 16 x 16: 0-3 opaque, 4-7 with key holes, 8 all key; 9 parts per row, two rows, so
// parts 9 and up lie partly or wholly beyond the image.
std::shared_ptr<TBitmap> TestParts(std::mt19937& random) {
  auto image = std::make_shared<TBitmap>(16 * 9 + 8, 16);
  for (int y = 0; y < image->Height(); ++y)
    for (int x = 0; x < image->Width(); ++x) {
      const int part = x / 16;
      const bool hole = part == 8 || (part >= 4 && (x + y) % 3 == 0);
      image->ScanLine32(y)[x] = hole ? kKey : random() & 0xFFFFFF;
    }
  return image;
}

// Every layer, every cell, bottom first.
void DrawEverything(TBitmap& target, const TMap& map, const TLayerDrawing& d, int across,
                    int down) {
  TLayerRenderer renderer(target, map, d);
  for (int l = 0; l < map.LayerCount(); ++l) {
    std::vector<QPoint> markers;
    for (int r = 0; r < down; ++r)
      for (int c = 0; c < across; ++c) {
        const int part = map.LayerAt(l).Cells[static_cast<size_t>(r) * map.GetWidth() + c];
        if (d.skipPart && part == d.skippedPart) continue;
        renderer.DrawPart(*map.LayerAt(l).Chip->Image, part, c * d.cellWidth, r * d.cellHeight);
        if (d.marker && l == d.currentLayer)
          markers.emplace_back(c * d.cellWidth, r * d.cellHeight);
      }
    DrawLayerMarkers(target, markers, d.cellWidth);
  }
}

TEST(LayerRendererTest, SkippingCoveredCellsChangesNoPixel) {
  std::mt19937 random(3);
  TMap map;
  ASSERT_TRUE(map.Setup(10, 7, 16, 16, 8));
  std::vector<std::unique_ptr<TMapChip>> chips;
  for (int l = 0; l < 3; ++l) {
    ASSERT_TRUE(map.AppendLayer("l" + std::to_string(l), nullptr));
    chips.push_back(std::make_unique<TMapChip>());
    chips.back()->Image = TestParts(random);
    map.SetLayerChip(l, chips.back().get());
    for (uint16_t& cell : map.LayerAt(l).Cells) cell = random() % 20;
  }
  for (const bool keyed : {false, true})
    for (const int cell : {16, 7, 22})
      for (const bool marker : {false, true}) {
        SCOPED_TRACE(testing::Message() << "keyed " << keyed << " cell " << cell);
        TLayerDrawing d;
        d.cellWidth = d.cellHeight = cell;
        d.perRow = 9;
        d.keyed = keyed;
        d.keyColour = kKey;
        d.skipPart = true;
        d.skippedPart = 2;
        d.marker = marker;
        d.currentLayer = 1;
        TBitmap expected(10 * cell, 7 * cell), actual(10 * cell, 7 * cell);
        expected.Fill(0x123456);
        actual.Fill(0x123456);
        DrawEverything(expected, map, d, 10, 7);
        TPartCovers covers;
        TLayerRenderer(actual, map, d).DrawLayers({0, 1, 2}, covers, 0, 0, 10, 7);
        EXPECT_EQ(actual.View(), expected.View());
      }
}

}  // namespace

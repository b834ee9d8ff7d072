#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QCryptographicHash>
#include <QImage>

#include "FormatsTestUtil.h"
#include "formats/BitmapBand.h"
#include "imaging/DIBDrawUnit.h"
#include "support/TempDir.h"

namespace {

constexpr uint32_t kGreenKey = 0x0000FF00;

class BitmapExportTest : public ::testing::Test {
 protected:
  std::string Export(uint16_t transparent = 0, bool key = false, uint32_t keyColor = kGreenKey) {
    EXPECT_TRUE(map.ExportBitmap(dir.File("m.bmp"), transparent, key, keyColor));
    return ReadFileBytes(dir.File("m.bmp"));
  }
  // The exported picture as an independent decoder reads it.
  QImage Picture(uint16_t transparent = 0, bool key = false) {
    Export(transparent, key);
    QImage image(QString::fromStdString(dir.File("m.bmp")));
    EXPECT_FALSE(image.isNull());
    return image;
  }
  void Attach(int layer, std::shared_ptr<TBitmap> image) {
    chips.push_back(std::make_unique<TMapChip>());
    chips.back()->Image = std::move(image);
    map.SetLayerChip(layer, chips.back().get());
  }
  TempDir dir;
  TMap map;
  std::vector<std::unique_ptr<TMapChip>> chips;
};

// Colour of part `n` in NumberedParts, as QImage reports it.
QRgb PartColour(int n) { return qRgb(0x80, n >> 8, n & 0xFF); }
const QRgb kBlack = qRgb(0, 0, 0);

TEST_F(BitmapExportTest, HeadersAndRowPaddingOfANinePixelWideMap) {
  BuildMap(map, 3, 2, 3, 8, {"1 1 1 / 1 1 1"});
  Attach(0, NumberedParts(3, 16, 1, true));
  const std::string bytes = Export();
  ASSERT_EQ(bytes.size(), 28u * 6 + 54);
  const std::string expected = "BM" + U32(28 * 6 + 54) + U32(0) + U32(54) + U32(40) + U32(9) +
                               U32(6) + U16(1) + U16(24) + std::string(24, '\0');
  EXPECT_EQ(bytes.substr(0, 54), expected);
  for (int row = 0; row < 6; ++row) {
    const std::string line = bytes.substr(54 + size_t(row) * 28, 28);
    EXPECT_EQ(line.substr(0, 3), std::string("\x01\x00\x80", 3)) << row;
    EXPECT_EQ(line.substr(27), std::string(1, '\0')) << "padding";
  }
}

TEST_F(BitmapExportTest, LayersAreDrawnBottomFirstWithTheirParts) {
  BuildMap(map, 2, 2, 4, 8, {"1 2 / 3 4", "0 5 / 0 0"});
  Attach(0, NumberedParts(4, 16, 1, true));
  Attach(1, NumberedParts(4, 16, 1, false));
  const QImage image = Picture();
  ASSERT_EQ(image.size(), QSize(8, 8));
  EXPECT_EQ(image.pixel(0, 0), PartColour(1));
  EXPECT_EQ(image.pixel(7, 0), PartColour(5)) << "the upper layer covers";
  EXPECT_EQ(image.pixel(3, 7), PartColour(3));
  EXPECT_EQ(image.pixel(7, 7), PartColour(4)) << "part 0 of the upper layer is left out";
}

TEST_F(BitmapExportTest, TheTransparentPartIsLeftOutAlways) {
  BuildMap(map, 2, 1, 4, 8, {"7 7", "7 3"});
  Attach(0, NumberedParts(4, 16, 1, true));
  Attach(1, NumberedParts(4, 16, 1, true));
  const QImage image = Picture(7);
  EXPECT_EQ(image.pixel(1, 1), kBlack) << "nothing below: black";
  EXPECT_EQ(image.pixel(5, 1), PartColour(3));
  EXPECT_EQ(Picture(0).pixel(1, 1), PartColour(7));
}

TEST_F(BitmapExportTest, KeyColouredPixelsLeaveWhatIsBelow) {
  BuildMap(map, 1, 1, 4, 8, {"1", "2"});
  Attach(0, NumberedParts(4, 16, 1, true));
  auto upper = NumberedParts(4, 16, 1, false);
  uint8_t* pixel = upper->ScanLine(1) + (2 * 4 + 1) * 4;  // part 2, pixel (1, 1)
  pixel[0] = 0x00;
  pixel[1] = 0xFF;
  pixel[2] = 0x00;
  Attach(1, upper);
  EXPECT_EQ(Picture(0, true).pixel(1, 1), PartColour(1));
  EXPECT_EQ(Picture(0, true).pixel(0, 1), PartColour(2));
  EXPECT_EQ(Picture(0, false).pixel(1, 1), qRgb(0, 0xFF, 0)) << "drawn as it is without the key";
}

TEST_F(BitmapExportTest, HiddenLayersAndLayersWithoutImagesAreNotDrawn) {
  BuildMap(map, 2, 1, 4, 8, {"1 1", "2 2", "3 3"});
  Attach(0, NumberedParts(4, 16, 1, true));
  Attach(1, NumberedParts(4, 16, 1, false));
  map.SetLayerVisible(1, false);
  const QImage image = Picture();
  EXPECT_EQ(image.pixel(0, 0), PartColour(1));
  EXPECT_EQ(map.LayerAt(1).Chip->Image->PixelFormat(), TPixelFormat::pf32bit)
      << "the parts image keeps its format";
}

TEST_F(BitmapExportTest, PartsOutsideTheImageAreSkipped) {
  BuildMap(map, 3, 1, 4, 8, {"1 1 1", "15 16 300"});
  Attach(0, NumberedParts(4, 16, 1, true));
  Attach(1, NumberedParts(4, 16, 1, true));  // one row of parts: 0 .. 15
  const QImage image = Picture(0);
  EXPECT_EQ(image.pixel(1, 1), PartColour(15));
  EXPECT_EQ(image.pixel(5, 1), PartColour(1));
  EXPECT_EQ(image.pixel(9, 1), PartColour(1));
}

TEST_F(BitmapExportTest, SixteenBitMapsHave256PartsPerRow) {
  BuildMap(map, 2, 1, 2, 16, {"257 255"});
  Attach(0, NumberedParts(2, 256, 2, true));
  const QImage image = Picture(0);
  EXPECT_EQ(image.pixel(0, 0), PartColour(257));
  EXPECT_EQ(image.pixel(3, 1), PartColour(255));
}

TEST_F(BitmapExportTest, WithoutImagesEverythingIsBlack) {
  BuildMap(map, 2, 3, 5, 8, {"1 2 / 3 4 / 5 6"});
  const std::string bytes = Export();
  const size_t row = (10 * 3 + 3) & ~size_t{3};
  ASSERT_EQ(bytes.size(), 54 + row * 15);
  EXPECT_EQ(bytes.substr(54), std::string(row * 15, '\0'));
}

// The picture by the book, all of it in memory.
std::string Reference(const TMap& map, uint16_t transparent, bool key, uint32_t keyColor) {
  const int pw = map.GetPartWidth(), ph = map.GetPartHeight();
  const int W = map.GetWidth() * pw, H = map.GetHeight() * ph;
  const int perRow = map.GetBitsPerCell() == 16 ? 256 : 16;
  std::vector<uint8_t> rgb(size_t(W) * H * 3, 0);
  for (int l = 0; l < map.LayerCount(); ++l) {
    const TMapLayer& layer = map.LayerAt(l);
    if (!layer.Visible || !layer.Chip) continue;
    const TBitmap& image = *layer.Chip->Image;
    const int bpp = image.PixelFormat() == TPixelFormat::pf24bit ? 3 : 4;
    for (int cy = 0; cy < map.GetHeight(); ++cy)
      for (int cx = 0; cx < map.GetWidth(); ++cx) {
        const int p = layer.Cells[size_t(cy) * map.GetWidth() + cx];
        const int sx = pw * (p % perRow), sy = ph * (p / perRow);
        if (p == transparent || sx + pw > image.Width() || sy + ph > image.Height()) continue;
        for (int y = 0; y < ph; ++y)
          for (int x = 0; x < pw; ++x) {
            const uint8_t* s = image.ScanLine(sy + y) + (sx + x) * bpp;
            const uint32_t colour = s[2] | (s[1] << 8) | (s[0] << 16);
            if (key && colour == keyColor) continue;
            uint8_t* d = &rgb[(size_t(cy * ph + y) * W + cx * pw + x) * 3];
            std::copy(s, s + 3, d);
          }
      }
  }
  const size_t row = (size_t(W) * 3 + 3) & ~size_t{3};
  std::string out;
  for (int y = H - 1; y >= 0; --y) {
    std::string line(row, '\0');
    std::copy_n(&rgb[size_t(y) * W * 3], size_t(W) * 3, line.begin());
    out += line;
  }
  return out;
}

TEST_F(BitmapExportTest, RandomMapsMatchAPictureDrawnByTheBook) {
  std::mt19937 random(11);
  for (int round = 0; round < 12; ++round) {
    const int part = 2 + int(random() % 5);
    const bool wide = round % 2;
    map.ClearLayers();
    map.Setup(1 + int(random() % 9), 1 + int(random() % 7), part, part, wide ? 16 : 8);
    for (int l = 0; l < 4; ++l) {
      map.AppendLayer("l", nullptr);
      for (auto& c : map.LayerAt(l).Cells) c = uint16_t(random() % (wide ? 600 : 40));
      map.SetLayerVisible(l, random() % 4 != 0);
    }
    auto image = NumberedParts(part, wide ? 256 : 16, 2, round % 3 == 0);
    for (int y = 0; y < image->Height(); y += 3)  // sprinkle key-coloured pixels
      std::copy_n("\x00\xFF\x00", 3, image->ScanLine(y) + (y % image->Width()) *
                                         (image->PixelFormat() == TPixelFormat::pf24bit ? 3 : 4));
    Attach(0, image);
    Attach(2, image);
    Attach(3, NumberedParts(part, wide ? 256 : 16, 1, false));
    const uint16_t transparent = uint16_t(random() % 5);
    const bool key = random() % 2;
    const std::string reference = Reference(map, transparent, key, kGreenKey);
    EXPECT_EQ(Export(transparent, key).substr(54), reference) << "round " << round;
    // Bands of one, two and three pixel rows, the last band of a part often shorter.
    const size_t rowBytes = TBitmapBand(map, 0, false, 0).RowBytes();
    for (size_t rows = 1; rows <= 3; ++rows) {
      TBitmapBand band(map, transparent, key, kGreenKey, rows * rowBytes);
      std::string composed;
      EXPECT_TRUE(band.ComposeAll([&](const uint8_t* data, size_t size) {
        composed.append(reinterpret_cast<const char*>(data), size);
        return true;
      }));
      EXPECT_EQ(composed, reference) << "round " << round << ", bands of " << rows;
    }
  }
}

TEST(BitmapBandTest, MemoryFollowsOneRowOfParts) {
  TMap map;
  map.Setup(300, 10000, 32, 32, 8);
  map.AppendLayer("a", nullptr);
  TBitmapBand band(map, 0, false, 0);
  EXPECT_EQ(band.RowBytes(), 300u * 32 * 3);
  EXPECT_EQ(band.Size(), 300u * 32 * 3 * 32);
}

// A band of whole rows of tall parts took 1.9 GB for a map 10000 parts wide.
TEST(BitmapBandTest, BandsStayWithinTheBudgetHoweverWideTheMap) {
  struct Case {
    int width, partWidth, partHeight, rows;
  } cases[] = {
      {256, 32, 32, 32},     // 24 KiB rows: a whole row of parts fits
      {1000, 255, 255, 5},   // 747 KiB rows
      {10000, 255, 255, 1},  // 7.3 MiB: one pixel row is more than the budget
      {10000, 1, 1, 1},
      {1, 1, 255, 255},
  };
  for (const Case& c : cases) {
    TMap map;
    map.Setup(c.width, 2, c.partWidth, c.partHeight, 8);
    TBitmapBand band(map, 0, false, 0);
    EXPECT_EQ(band.Rows(), c.rows) << c.width << " x " << c.partHeight;
    EXPECT_EQ(band.Size(), band.RowBytes() * size_t(c.rows));
    EXPECT_LE(band.Size(), std::max(TBitmapBand::kBudgetBytes, band.RowBytes()));
  }
  EXPECT_EQ(TBitmapBand::BandRows(100, 7, 350), 3);
  EXPECT_EQ(TBitmapBand::BandRows(100, 7, 99), 1);
}

// Pixels that differ from row to row and column to column, key green on a diagonal.
std::shared_ptr<TBitmap> PatternParts(int partSize, TPixelFormat format) {
  auto image = std::make_shared<TBitmap>(16 * partSize, 2 * partSize, format);
  const int bpp = format == TPixelFormat::pf24bit ? 3 : 4;
  for (int y = 0; y < image->Height(); ++y)
    for (int x = 0; x < image->Width(); ++x) {
      uint8_t* p = image->ScanLine(y) + x * bpp;
      const bool key = (x + y) % 7 == 0;
      p[0] = key ? 0 : uint8_t(x * 7 + y * 13);
      p[1] = key ? 0xFF : uint8_t(y * 5 + 1);
      p[2] = key ? 0 : uint8_t(x ^ (y * 3));
    }
  return image;
}

// The bytes of this export were recorded before the picture was built in bands.
TEST_F(BitmapExportTest, ExportedBytesStayAsRecorded) {
  BuildMap(map, 5, 3, 5, 8, {"1 2 3 17 0 / 4 5 6 7 8 / 31 30 2 9 1",
                             "0 2 18 3 3 / 2 2 2 19 20 / 5 6 7 8 9",
                             "1 1 1 1 1 / 1 1 1 1 1 / 1 1 1 1 1"});
  Attach(0, PatternParts(5, TPixelFormat::pf24bit));
  Attach(1, PatternParts(5, TPixelFormat::pf32bit));
  Attach(2, PatternParts(5, TPixelFormat::pf32bit));
  map.SetLayerVisible(2, false);
  const std::string bytes = Export(2, true);
  ASSERT_EQ(bytes.size(), 54u + 76 * 15);
  EXPECT_EQ(QCryptographicHash::hash(QByteArray::fromStdString(bytes),
                                     QCryptographicHash::Sha256)
                .toHex()
                .toStdString(),
            "56a683c47c4ccb1950a1c52486e7c7092ff4e69617c06df2944b718deafc82e9");
}

TEST(BitmapExportLimitTest, ImagesBeyondTheFormatAreRefused) {
  TempDir dir;
  TMap map;
  map.Setup(10000, 10000, 255, 255, 8);  // no layers: nothing to allocate
  EXPECT_FALSE(map.ExportBitmap(dir.File("huge.bmp"), 0, false, 0));
  EXPECT_EQ(ReadFileBytes(dir.File("huge.bmp")), "");
}

}  // namespace

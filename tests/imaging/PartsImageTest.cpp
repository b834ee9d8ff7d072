// Parts images in PNG beside bitmaps: colour types, transparency, the choice by content.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <functional>

#include "BmpBuilder.h"
#include "imaging/DIBDrawUnit.h"
#include "imaging/PartsImage.h"
#include "model/DefineUnit.h"
#include "support/TempDir.h"

namespace {

// The colour key whose pixel value is the character `c`, so that pictures show it.
uint32_t KeyFor(char c) {
  return static_cast<uint32_t>(c) << 16;
}

// The 32-bit pixels of the loaded picture, row by row.
std::vector<uint32_t> PixelsOf(const TBitmap& bitmap) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(PixelAt(bitmap, x, y));
  return pixels;
}

// Bit depth and colour type from the header of a saved PNG.
std::pair<int, int> DepthAndColourType(const std::string& file) {
  return {static_cast<uint8_t>(file.at(24)), static_cast<uint8_t>(file.at(25))};
}

// A 3 x 2 picture; `set(image, x, y, i)` sets pixel i = y * 3 + x.
QImage Build(QImage::Format format, const std::function<void(QImage&, int, int, int)>& set) {
  QImage image(3, 2, format);
  for (int i = 0; i < 6; ++i) set(image, i % 3, i / 3, i);
  return image;
}

// A picture of two rows "a.b" / "cd." in the given format, '.' transparent.
std::string SavedPng(const TempDir& dir, const std::string& name) {
  QImage image(3, 2, QImage::Format_ARGB32);
  const QRgb pixels[6] = {qRgba(0, 0, 'a', 255), qRgba(9, 9, 9, 0),     qRgba(0, 0, 'b', 255),
                          qRgba(0, 0, 'c', 255), qRgba(0, 0, 'd', 128), qRgba(1, 2, 3, 127)};
  for (int i = 0; i < 6; ++i) image.setPixel(i % 3, i / 3, pixels[i]);
  const std::string path = dir.File(name);
  EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
  return path;
}

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

std::string BigEndian(uint32_t v) {
  std::string bytes;
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(v >> shift);
  return bytes;
}

std::string PngChunk(const std::string& type, const std::string& data) {
  return BigEndian(static_cast<uint32_t>(data.size())) + type + data +
         BigEndian(Crc32(type + data));
}

// Grey with alpha, a colour type that Qt does not write: 3 x 1 pixels of (grey, alpha).
std::string GreyAlphaPng(const std::string& greyAlphaPairs) {
  const std::string ihdr = BigEndian(3) + BigEndian(1) + std::string("\x08\x04\0\0\0", 5);
  const QByteArray packed =
      qCompress(QByteArray(1, '\0') + QByteArray::fromStdString(greyAlphaPairs));
  const std::string zlib = packed.toStdString().substr(4);  // qCompress puts the size first
  return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", ihdr) + PngChunk("IDAT", zlib) +
         PngChunk("IEND", "");
}

std::string LoadError(const std::string& path) {
  TBitmap target = Picture("Z");
  TTransparentPixels transparent;
  transparent.Reset(1, 1);
  transparent.Mark(0, 0);
  try {
    LoadPartsImageFile(target, transparent, path, KeyFor('k'));
  } catch (const std::exception& e) {
    EXPECT_EQ(PictureOf(target), "Z") << path;
    EXPECT_EQ(transparent.Count(), 1u) << path;
    return e.what();
  }
  return "";
}

std::string PngHeader(uint32_t width, uint32_t height) {
  std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
  for (uint32_t v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(v >> shift);
  return bytes + std::string("\x08\x06\0\0\0", 5) + std::string(4, '\0');
}

}  // namespace

TEST(PartsImagePng, EveryDepthAndColourTypeReadsAsThirtyTwoBitsWithAlphaBelow128Keyed) {
  const uint32_t k = 'k';
  struct Case {
    const char* name;
    QImage::Format format;
    std::function<void(QImage&, int, int, int)> set;
    std::pair<int, int> depthAndType;
    std::vector<uint32_t> expected;
  };
  const QRgb rgba[6] = {qRgba(0x12, 0x34, 0x56, 255), qRgba(0xFF, 0, 0, 128),
                        qRgba(0xFF, 0, 0, 127),       qRgba(0, 0, 0, 0),
                        qRgba(0xAB, 0xCD, 0xEF, 200), qRgba(1, 2, 3, 255)};
  const std::vector<uint32_t> keyedRgba = {0x123456, 0xFF0000, k, k, 0xABCDEF, 0x010203};
  const QRgb palette[4] = {qRgba(200, 100, 50, 255), qRgba(9, 9, 9, 0), qRgba(10, 20, 30, 127),
                           qRgba(7, 8, 9, 128)};
  const std::vector<Case> cases = {
      {"RGBA 8",
       QImage::Format_ARGB32,
       [&](QImage& m, int x, int y, int i) { m.setPixel(x, y, rgba[i]); },
       {8, 6},
       keyedRgba},
      {"RGBA 16",
       QImage::Format_RGBA64,
       [&](QImage& m, int x, int y, int i) {
         const QRgb c = rgba[i];
         m.setPixelColor(
             x, y,
             QColor::fromRgba64(qRed(c) * 257, qGreen(c) * 257, qBlue(c) * 257, qAlpha(c) * 257));
       },
       {16, 6},
       keyedRgba},
      {"RGB 8",
       QImage::Format_RGB32,
       [&](QImage& m, int x, int y, int i) { m.setPixel(x, y, rgba[i] | 0xFF000000); },
       {8, 2},
       {0x123456, 0xFF0000, 0xFF0000, 0, 0xABCDEF, 0x010203}},
      {"palette with transparency",
       QImage::Format_Indexed8,
       [&](QImage& m, int x, int y, int i) {
         m.setColorTable({palette[0], palette[1], palette[2], palette[3]});
         m.setPixel(x, y, i % 4);
       },
       {8, 3},
       {0xC86432, k, k, 0x070809, 0xC86432, k}},
      {"grey 8",
       QImage::Format_Grayscale8,
       [](QImage& m, int x, int y, int i) { m.setPixel(x, y, qRgb(i * 51, i * 51, i * 51)); },
       {8, 0},
       {0, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF}},
      {"grey 16",
       QImage::Format_Grayscale16,
       [](QImage& m, int x, int y, int i) {
         m.setPixelColor(x, y, QColor::fromRgba64(i * 51 * 257, i * 51 * 257, i * 51 * 257));
       },
       {16, 0},
       {0, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF}},
      {"palette 1",
       QImage::Format_Mono,
       [](QImage& m, int x, int y, int i) {
         m.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
         m.setPixel(x, y, i % 2);
       },
       {1, 3},
       {0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF}},
  };
  TempDir dir;
  WriteFileBytes(dir.File("grey-alpha.png"),
                 GreyAlphaPng(std::string("\x40\xFF\x80\x7F\xC0\x80", 6)));
  TBitmap greyAlpha;
  TTransparentPixels greyClear;
  LoadPartsImageFile(greyAlpha, greyClear, dir.File("grey-alpha.png"), KeyFor('k'));
  EXPECT_EQ(PixelsOf(greyAlpha), (std::vector<uint32_t>{0x404040, k, 0xC0C0C0}));
  for (const Case& c : cases) {
    const std::string path = dir.File("parts.png");
    ASSERT_TRUE(Build(c.format, c.set).save(QString::fromStdString(path), "PNG")) << c.name;
    EXPECT_EQ(DepthAndColourType(ReadFileBytes(path)), c.depthAndType) << c.name;
    TBitmap target;
    TTransparentPixels transparent;
    LoadPartsImageFile(target, transparent, path, KeyFor('k'));
    EXPECT_EQ(target.PixelFormat(), TPixelFormat::pf32bit) << c.name;
    EXPECT_EQ(PixelsOf(target), c.expected) << c.name;
    // The marks name exactly the pixels that took the key.
    TBitmap marked = target;
    KeyTransparentPixels(marked, transparent, KeyFor('#'));
    for (size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_EQ(PixelsOf(marked)[i] == '#', c.expected[i] == k) << c.name << " pixel " << i;
  }
}

TEST(PartsImagePng, TransparentPixelsShowWhatLiesBeneathInKeyedCopiesAndFollowTheKey) {
  TempDir dir;
  TMapChip chip;
  LoadChipImage(chip, SavedPng(dir, "parts.png"), KeyFor('k'));
  ASSERT_TRUE(chip.Transparent);
  EXPECT_EQ(PictureOf(*chip.Image), "akb/cdk");
  TBitmap dest = Picture(".../...");
  CDIBCopyRectUseKey32(dest, 0, 0, 3, 2, *chip.Image, 0, 0, 3, 2, KeyFor('k'));
  EXPECT_EQ(PictureOf(dest), "a.b/cd.");
  CDIBCopyRect32(dest, 0, 0, 3, 2, *chip.Image, 0, 0, 3, 2);
  EXPECT_EQ(PictureOf(dest), "akb/cdk") << "without the key they show its colour";

  // A new key: a new picture object with the new colour; the old one is left as it was.
  const std::shared_ptr<TBitmap> old = chip.Image;
  EXPECT_TRUE(KeyChipImage(chip, KeyFor('q')));
  EXPECT_NE(chip.Image, old);
  EXPECT_EQ(PictureOf(*chip.Image), "aqb/cdq");
  EXPECT_EQ(PictureOf(*old), "akb/cdk");
  EXPECT_FALSE(KeyChipImage(chip, KeyFor('q')));

  // Marks on both sides of every 64-pixel word of a row.
  QImage wide(130, 2, QImage::Format_ARGB32);
  wide.fill(qRgba(0, 0, 'o', 255));
  const std::vector<int> clear = {0, 63, 64, 127, 128, 129};
  for (int x : clear) wide.setPixel(x, 1, qRgba(0, 0, 0, 0));
  ASSERT_TRUE(wide.save(QString::fromStdString(dir.File("wide.png"))));
  LoadChipImage(chip, dir.File("wide.png"), KeyFor('k'));
  KeyChipImage(chip, KeyFor('q'));
  const std::string row = PictureOf(*chip.Image).substr(131);
  for (int x = 0; x < 130; ++x)
    EXPECT_EQ(row[x], std::count(clear.begin(), clear.end(), x) ? 'q' : 'o') << x;

  // A bitmap's pixels never follow the key, even those of the old key's colour.
  TMapChip bitmap;
  BmpLayoutDesc desc;
  desc.width = 2;
  desc.rows = {{'q', 0, 0, 'a', 0, 0}};
  WriteFileBytes(dir.File("parts.bmp"), BuildBmp(desc));
  LoadChipImage(bitmap, dir.File("parts.bmp"), KeyFor('q'));
  const std::shared_ptr<TBitmap> before = bitmap.Image;
  EXPECT_FALSE(KeyChipImage(bitmap, KeyFor('k')));
  EXPECT_EQ(bitmap.Image, before);
  EXPECT_EQ(PictureOf(*bitmap.Image), "qa");
}

TEST(PartsImagePng, TheContentDecidesTheFormatAndRefusalsSayWhy) {
  TempDir dir;
  BmpLayoutDesc desc;
  desc.width = 2;
  desc.rows = {{'x', 0, 0, 'y', 0, 0}};
  WriteFileBytes(dir.File("bitmap.png"), BuildBmp(desc));
  WriteFileBytes(dir.File("png.bmp"), ReadFileBytes(SavedPng(dir, "parts.png")));
  const std::string text(80, 't');
  WriteFileBytes(dir.File("notes.png"), text);
  WriteFileBytes(dir.File("notes"), text);
  WriteFileBytes(dir.File("broken.bmp"), text);
  WriteFileBytes(dir.File("BROKEN.BMP"), "BM" + text);
  WriteFileBytes(dir.File("broken.png"), PngHeader(4, 4) + "not compressed data");
  WriteFileBytes(dir.File("cut.png"), PngHeader(4, 4).substr(0, 20));
  WriteFileBytes(dir.File("empty.png"), PngHeader(0, 5));
  // Claims 65536 x 65536 pixels in a few bytes: refused before anything is decoded.
  WriteFileBytes(dir.File("huge.png"), PngHeader(65536, 65536));
  WriteFileBytes(dir.File("wide.png"), PngHeader(0xFFFFFFFF, 1));

  const std::string unknown = "BMPとPNG以外の画像形式には対応していません";
  const std::string badPng = "異常なPNGファイル";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"bitmap.png", ""},
      {"png.bmp", ""},
      {"notes.png", unknown},
      {"notes", unknown},
      {"broken.bmp", "異常なファイル"},
      {"BROKEN.BMP", "異常なファイル"},
      {"broken.png", badPng},
      {"cut.png", badPng},
      {"empty.png", badPng},
      {"huge.png", "画像が大きすぎます"},
      {"wide.png", "画像が大きすぎます"},
  };
  for (const auto& [name, error] : cases) EXPECT_EQ(LoadError(dir.File(name)), error) << name;

  TBitmap target;
  TTransparentPixels transparent;
  LoadPartsImageFile(target, transparent, dir.File("bitmap.png"), KeyFor('k'));
  EXPECT_EQ(PictureOf(target), "xy");
  EXPECT_TRUE(transparent.Empty());
  LoadPartsImageFile(target, transparent, dir.File("png.bmp"), KeyFor('k'));
  EXPECT_EQ(PictureOf(target), "akb/cdk");
  EXPECT_TRUE(transparent.Marked(1, 0) && transparent.Marked(2, 1));
  EXPECT_EQ(transparent.Count(), 2u);

  int width = 0, height = 0;
  EXPECT_TRUE(ReadPartsImageSize(dir.File("png.bmp"), width, height));
  EXPECT_EQ(std::make_pair(width, height), std::make_pair(3, 2));
  EXPECT_TRUE(ReadPartsImageSize(dir.File("bitmap.png"), width, height));
  EXPECT_EQ(std::make_pair(width, height), std::make_pair(2, 1));
  for (const char* refused : {"huge.png", "broken.bmp", "notes", "missing.png"})
    EXPECT_FALSE(ReadPartsImageSize(dir.File(refused), width, height)) << refused;
}

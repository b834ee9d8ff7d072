#include <gtest/gtest.h>

#include "BmpBuilder.h"
#include "imaging/DIBDrawUnit.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

namespace {

const std::string kBadFile = "異常なファイル";
const std::string kCompressed = "圧縮されたフォーマットには対応していません";
const std::string kCreateFailed = "DIBSection作成に失敗";

void LoadInto(TBitmap& target, const std::string& file) {
  CDIBLoadFromMemory(target, reinterpret_cast<const uint8_t*>(file.data()), file.size());
}

// The error text of loading `file` into a bitmap holding "Z", after checking that the
// bitmap kept its picture; "" when the load succeeded.
std::string LoadError(const std::string& file) {
  TBitmap target = Picture("Z");
  try {
    LoadInto(target, file);
  } catch (const EDIBLoadError& e) {
    EXPECT_EQ(PictureOf(target), "Z");
    return e.what();
  }
  return "";
}

TBitmap Load(const std::string& file) {
  TBitmap target;
  LoadInto(target, file);
  EXPECT_EQ(target.PixelFormat(), TPixelFormat::pf32bit);
  return target;
}

// A 2 x 2 picture, 24 bits, bottom-up: the bottom row is stored first.
BmpLayoutDesc TwoByTwo24() {
  BmpLayoutDesc desc;
  desc.width = 2;
  desc.height = 2;
  desc.rows = {{'C', 0, 0, 'D', 0, 0}, {'A', 0, 0, 'B', 0, 0}};
  return desc;
}

}  // namespace

TEST(BmpLoad, DecodesTwentyFourBitsBottomUpAndTopDownAlike) {
  EXPECT_EQ(PictureOf(Load(BuildBmp(TwoByTwo24()))), "AB/CD");
  BmpLayoutDesc topDown = TwoByTwo24();
  topDown.height = -2;
  std::swap(topDown.rows[0], topDown.rows[1]);
  EXPECT_EQ(PictureOf(Load(BuildBmp(topDown))), "AB/CD");
}

TEST(BmpLoad, ThirtyTwoBitPixelsLoseTheirFourthByte) {
  BmpLayoutDesc desc;
  desc.bitCount = 32;
  desc.width = 2;
  desc.rows = {{0x00, 0xFF, 0x00, 0x80, 0x33, 0x22, 0x11, 0xFF}};
  const TBitmap bitmap = Load(BuildBmp(desc));
  EXPECT_EQ(bitmap.ScanLine32(0)[0], 0x0000FF00u);
  EXPECT_EQ(bitmap.ScanLine32(0)[1], 0x00112233u);
}

TEST(BmpLoad, SixteenBitsAreFiveFiveFiveScaledToFullRange) {
  BmpLayoutDesc desc;
  desc.bitCount = 16;
  desc.width = 4;
  // white, pure red, green 1 of 31, blue 16 of 31; the top bit is ignored
  desc.rows = {{0xFF, 0x7F, 0x00, 0xFC, 0x20, 0x00, 0x10, 0x00}};
  const TBitmap bitmap = Load(BuildBmp(desc));
  EXPECT_EQ(bitmap.ScanLine32(0)[0], 0x00FFFFFFu);
  EXPECT_EQ(bitmap.ScanLine32(0)[1], 0x00FF0000u);
  EXPECT_EQ(bitmap.ScanLine32(0)[2], 0x00000800u);  // round(255 / 31) = 8
  EXPECT_EQ(bitmap.ScanLine32(0)[3], 0x00000084u);  // round(16 * 255 / 31) = 132
}

TEST(BmpLoad, IndexedDepthsReadTheirBitsLeftmostFirst) {
  BmpLayoutDesc one;
  one.bitCount = 1;
  one.width = 10;
  one.palette = {'.', '#'};
  one.rows = {{0xA5, 0x40}};
  EXPECT_EQ(PictureOf(Load(BuildBmp(one))), "#.#..#.#.#");

  BmpLayoutDesc four;
  four.bitCount = 4;
  four.width = 3;
  four.colorsUsed = 4;
  four.palette = {'a', 'b', 'c', 'd'};
  four.rows = {{0x31, 0x20}};
  EXPECT_EQ(PictureOf(Load(BuildBmp(four))), "dbc");
}

TEST(BmpLoad, ColourCountZeroMeansTheFullTableAndMissingEntriesAreBlack) {
  BmpLayoutDesc desc;
  desc.bitCount = 8;
  desc.width = 3;
  desc.palette.assign(256, 'x');
  desc.palette[255] = 'y';
  desc.rows = {{0, 255, 7}};
  EXPECT_EQ(PictureOf(Load(BuildBmp(desc))), "xyx");

  desc.colorsUsed = 2;
  desc.palette = {'p', 'q'};
  desc.rows = {{1, 0, 200}};
  EXPECT_EQ(PictureOf(Load(BuildBmp(desc))), std::string("qp") + '\0');
}

TEST(BmpLoad, ColourCountAboveTheDepthIsCappedToTheFullTable) {
  BmpLayoutDesc desc;
  desc.bitCount = 1;
  desc.width = 2;
  desc.colorsUsed = 0x12345678;
  desc.palette = {'0', '1'};
  desc.rows = {{0x40}};
  EXPECT_EQ(PictureOf(Load(BuildBmp(desc))), "01");
}

TEST(BmpLoad, LongerInfoHeadersPutTheColourTableAfterThemselves) {
  for (uint32_t headerSize : {40u, 52u, 56u, 108u, 124u}) {
    BmpLayoutDesc desc;
    desc.headerSize = headerSize;
    desc.bitCount = 8;
    desc.width = 2;
    desc.colorsUsed = 2;
    desc.palette = {'L', 'R'};
    desc.rows = {{0, 1}};
    EXPECT_EQ(PictureOf(Load(BuildBmp(desc))), "LR") << headerSize;
  }
}

TEST(BmpLoad, HeadersThatOnlyNeedNormalisingAreRead) {
  std::string file = BuildBmp(TwoByTwo24());
  file[0] = 'X';  // no signature
  PutU16(file, 6, 0xBEEF);
  PutU16(file, 26, 3);           // planes
  PutU32(file, 34, 12345678);    // image size
  PutU32(file, 38, 0xFFFFFFFF);  // resolutions
  PutU32(file, 2, 1);            // file size
  EXPECT_EQ(PictureOf(Load(file)), "AB/CD");
}

TEST(BmpLoad, CompressionOneToFiveIsRefusedAndSixUpIsReadUncompressed) {
  for (uint32_t compression = 1; compression <= 5; ++compression) {
    BmpLayoutDesc desc = TwoByTwo24();
    desc.compression = compression;
    EXPECT_EQ(LoadError(BuildBmp(desc)), kCompressed) << compression;
  }
  for (uint32_t compression : {6u, 11u, 0xFFFFFFFFu}) {
    BmpLayoutDesc desc = TwoByTwo24();
    desc.compression = compression;
    EXPECT_EQ(PictureOf(Load(BuildBmp(desc))), "AB/CD") << compression;
  }
}

TEST(BmpLoad, SixteenBitBitFieldsAreRefusedButTheSamePixelsUncompressedAreRead) {
  BmpLayoutDesc desc;
  desc.bitCount = 16;
  desc.compression = 3;
  desc.rows = {{0x00, 0x7C}};
  EXPECT_EQ(LoadError(BuildBmp(desc)), kCompressed);
  desc.compression = 0;
  EXPECT_EQ(Load(BuildBmp(desc)).ScanLine32(0)[0], 0x00FF0000u);
}

// A 1 x 1 picture of 8 bits whose one colour sits right after the header; the pixel
// array holds `pixelBytes` bytes at `offset`.
std::string OnePixelFile(uint32_t offset, size_t pixelBytes) {
  BmpLayoutDesc desc;
  desc.bitCount = 8;
  desc.colorsUsed = 1;
  desc.palette = {'Q'};
  std::string file = BuildBmp(desc);
  file.resize(offset + pixelBytes, '\0');
  PutU32(file, 10, offset);
  return file;
}

TEST(BmpLoad, PixelOffsetMustLieFrom54ToBeforeTheEndOfTheFile) {
  EXPECT_EQ(PictureOf(Load(OnePixelFile(58, 1))), "Q");  // the last row needs no padding
  EXPECT_EQ(PictureOf(Load(OnePixelFile(70, 4))), "Q");
  EXPECT_EQ(LoadError(OnePixelFile(53, 10)), kBadFile);
  std::string atEnd = OnePixelFile(58, 1);
  PutU32(atEnd, 10, 59);
  EXPECT_EQ(LoadError(atEnd), kBadFile);
  PutU32(atEnd, 10, 0xFFFFFFFF);
  EXPECT_EQ(LoadError(atEnd), kBadFile);
}

TEST(BmpLoad, AColourTableRunningPastTheEndIsRefusedNotRead) {
  std::string file = OnePixelFile(58, 1);
  file.resize(55);  // offset 54 and 55 bytes pass the header checks; the table does not fit
  PutU32(file, 10, 54);
  EXPECT_EQ(LoadError(file), kBadFile);
}

TEST(BmpLoad, FilesOf54BytesOrLessAreRefused) {
  const std::string full = BuildBmp(TwoByTwo24());
  for (size_t size : {0u, 1u, 13u, 14u, 30u, 54u}) {
    EXPECT_EQ(LoadError(full.substr(0, size)), kBadFile) << size;
  }
  TBitmap target = Picture("Z");
  EXPECT_THROW(CDIBLoadFromMemory(target, nullptr, 0), EDIBLoadError);
}

TEST(BmpLoad, ShortPixelArraysAreRefused) {
  const std::string full = BuildBmp(TwoByTwo24());
  EXPECT_EQ(LoadError(full.substr(0, full.size() - 1)), "");  // only padding missing
  EXPECT_EQ(LoadError(full.substr(0, full.size() - 3)), kBadFile);
  EXPECT_EQ(LoadError(full.substr(0, 55)), kBadFile);
}

TEST(BmpLoad, ImpossibleSizesAreRefusedWithoutAllocating) {
  struct Case {
    int32_t width, height;
    std::string message;
  };
  const Case cases[] = {
      {0, 2, kBadFile},         {2, 0, kBadFile},
      {-2, 2, kBadFile},        {3000000, 2000000, kBadFile},
      {2, INT32_MIN, kBadFile}, {INT32_MAX, 1, kBadFile},
  };
  for (const Case& c : cases) {
    std::string file = BuildBmp(TwoByTwo24());
    PutU32(file, 18, static_cast<uint32_t>(c.width));
    PutU32(file, 22, static_cast<uint32_t>(c.height));
    EXPECT_EQ(LoadError(file), c.message) << c.width << " x " << c.height;
  }
}

TEST(BmpLoad, PicturesAboveTheLimitAreRefusedEvenWhenTheFileHoldsThem) {
  BmpLayoutDesc desc;
  desc.bitCount = 1;
  desc.width = 1 << 15;
  desc.height = (1 << 13) + 1;  // 2^28 + 2^15 pixels in 32 MiB of bits
  desc.palette = {0, 0};
  std::string file = BuildBmp(desc);
  file.resize(file.size() + (size_t{1} << 15) / 8 * desc.height);
  EXPECT_EQ(LoadError(file), "画像が大きすぎます");
}

TEST(BmpLoad, UnknownHeadersAndDepthsCannotBeCreated) {
  for (uint32_t headerSize : {0u, 16u, 39u, 41u, 64u, 66u, 200u, 0xFFFFFFFFu}) {
    std::string file = BuildBmp(TwoByTwo24());
    PutU32(file, 14, headerSize);
    EXPECT_EQ(LoadError(file), kCreateFailed) << headerSize;
  }
  for (uint32_t bits : {0u, 2u, 3u, 15u, 30000u}) {
    std::string file = BuildBmp(TwoByTwo24());
    PutU16(file, 28, bits);
    EXPECT_EQ(LoadError(file), kCreateFailed) << bits;
  }
}

TEST(BmpLoad, HeaderLongerThanTheFileIsRefused) {
  BmpLayoutDesc desc = TwoByTwo24();
  desc.headerSize = 124;
  std::string file = BuildBmp(desc);
  PutU32(file, 10, 60);
  file.resize(130);
  EXPECT_EQ(LoadError(file), kCreateFailed);
}

TEST(BmpLoad, CoreHeadersAreRefusedBeforeTheirColoursAreTakenForCompression) {
  std::string file = BuildBmp(TwoByTwo24());
  PutU32(file, 14, 12);
  PutU32(file, 30, 2);  // a colour entry in a core file, not a compression
  EXPECT_EQ(LoadError(file), "OS/2形式のビットマップには対応していません");
}

TEST(BmpLoad, ColourTablePastTheEndIsRefused) {
  BmpLayoutDesc desc;
  desc.bitCount = 8;
  desc.colorsUsed = 200;
  desc.palette.assign(2, 'c');
  desc.rows = {{0}};
  EXPECT_EQ(LoadError(BuildBmp(desc)), kBadFile);
}

TEST(BmpLoad, ASecondLoadReplacesTheFirstPicture) {
  TBitmap target;
  LoadInto(target, BuildBmp(TwoByTwo24()));
  BmpLayoutDesc wide;
  wide.width = 3;
  wide.rows = {{'x', 0, 0, 'y', 0, 0, 'z', 0, 0}};
  LoadInto(target, BuildBmp(wide));
  EXPECT_EQ(PictureOf(target), "xyz");
}

TEST(BmpLoadFile, ReadsTheFileWhole) {
  TempDir dir;
  WriteFileBytes(dir.File("parts.bmp"), BuildBmp(TwoByTwo24()));
  TBitmap target;
  CDIBLoadFromFile(target, dir.File("parts.bmp"));
  EXPECT_EQ(PictureOf(target), "AB/CD");
}

TEST(BmpLoadFile, ReportsTheFileErrorsOfTheReader) {
  TempDir dir;
  WriteFileBytes(dir.File("short.bmp"), BuildBmp(TwoByTwo24()).substr(0, 40));
  TBitmap target = Picture("Z");
  try {
    CDIBLoadFromFile(target, dir.File("short.bmp"));
    FAIL();
  } catch (const EDIBLoadError& e) {
    EXPECT_EQ(std::string(e.what()), kBadFile);
  }
  EXPECT_EQ(PictureOf(target), "Z");
}

TEST(BmpLoadFile, FilesThatCannotBeOpenedNameTheFileAndTheReason) {
  TempDir dir;
  TBitmap target = Picture("Z");
  const std::string missing = dir.File("なし.bmp");
  try {
    CDIBLoadFromFile(target, missing);
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_EQ(std::string(e.what()),
              "ファイル " + missing + " を開けません (ファイルまたはフォルダーが見つかりません)");
  }
  try {
    CDIBLoadFromFile(target, dir.Path());
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("を開けません (フォルダーです)"), std::string::npos);
  }
  EXPECT_EQ(PictureOf(target), "Z");
}

// The public BMP test suite: every good file we support decodes to its reference picture;
// every other file gives a clean error or a picture, never a crash or a stray read.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <QImage>

#include "imaging/DIBDrawUnit.h"

namespace {

const std::string kSuite = std::string(BRIMWELL_TESTDATA_DIR) + "/bmpsuite/";

struct SuiteFile {
  std::string name;
  std::string folder;
};

std::vector<SuiteFile> Manifest() {
  std::ifstream in(kSuite + "MANIFEST.tsv");
  std::vector<SuiteFile> files;
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    SuiteFile file;
    std::getline(fields, file.name, '\t');
    std::getline(fields, file.folder, '\t');
    files.push_back(file);
  }
  return files;
}

// What each file gives: "" for a picture, otherwise the error text.
const std::map<std::string, std::string>& Expected() {
  static const std::string compressed = "圧縮されたフォーマットには対応していません";
  static const std::map<std::string, std::string> expected = {
      {"pal4rle.bmp", compressed},
      {"pal8rle.bmp", compressed},
      {"rgb16-565.bmp", compressed},
      {"rgb16-565pal.bmp", compressed},
      {"rgb16bfdef.bmp", compressed},
      {"rgb32bf.bmp", compressed},
      {"rgb32bfdef.bmp", compressed},
      {"pal8os2.bmp", "OS/2形式のビットマップには対応していません"},
      {"badbitcount.bmp", "DIBSection作成に失敗"},
      {"badheadersize.bmp", "DIBSection作成に失敗"},
      {"badrle.bmp", compressed},
      {"badrle4.bmp", compressed},
      {"badrle4bis.bmp", compressed},
      {"badrle4ter.bmp", compressed},
      {"badrlebis.bmp", compressed},
      {"badrleter.bmp", compressed},
      {"rgb16-880.bmp", compressed},
      {"rletopdown.bmp", compressed},
      {"badwidth.bmp", "異常なファイル"},
      {"reallybig.bmp", "異常なファイル"},
      {"shortfile.bmp", "異常なファイル"},
  };
  return expected;
}

std::string LoadError(const std::string& path, TBitmap& target) {
  try {
    CDIBLoadFromFile(target, path);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

// Differences from the reference, counted in pixels; the fourth byte must be 0.
int CountDifferences(const TBitmap& decoded, const QImage& reference) {
  if (decoded.Width() != reference.width() || decoded.Height() != reference.height()) return -1;
  const QImage rgb = reference.convertToFormat(QImage::Format_RGB32);
  int differences = 0;
  for (int y = 0; y < decoded.Height(); ++y) {
    for (int x = 0; x < decoded.Width(); ++x) {
      const uint32_t expected = rgb.pixel(x, y) & 0xFFFFFF;
      differences += decoded.ScanLine32(y)[x] != expected;
    }
  }
  return differences;
}

}  // namespace

TEST(BmpSuite, EveryFileGivesItsPictureOrItsError) {
  const std::vector<SuiteFile> files = Manifest();
  ASSERT_EQ(files.size(), 47u);
  int decoded = 0;
  for (const SuiteFile& file : files) {
    SCOPED_TRACE(file.folder + "/" + file.name);
    TBitmap target;
    const std::string error = LoadError(kSuite + file.folder + "/" + file.name, target);
    const auto it = Expected().find(file.name);
    EXPECT_EQ(error, it == Expected().end() ? "" : it->second);
    decoded += error.empty();
  }
  EXPECT_EQ(decoded, 26);
}

TEST(BmpSuite, GoodFilesDecodeToTheirReferencePictures) {
  int compared = 0;
  for (const SuiteFile& file : Manifest()) {
    if (file.folder != "g" || Expected().count(file.name)) continue;
    SCOPED_TRACE(file.name);
    TBitmap target;
    ASSERT_EQ(LoadError(kSuite + "g/" + file.name, target), "");
    const std::string stem = file.name.substr(0, file.name.size() - 4);
    const QImage reference(QString::fromStdString(kSuite + "ref/" + stem + ".png"));
    ASSERT_FALSE(reference.isNull());
    EXPECT_EQ(CountDifferences(target, reference), 0);
    ++compared;
  }
  EXPECT_EQ(compared, 19);
}

TEST(BmpSuite, IndexesPastTheColourTableReadAsBlack) {
  // 127 x 64, 8 bits, bottom-up rows of 128 bytes at offset 458; 101 colours from offset 54.
  TBitmap target;
  ASSERT_EQ(LoadError(kSuite + "b/pal8badindex.bmp", target), "");
  std::ifstream in(kSuite + "b/pal8badindex.bmp", std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int pastTable = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 127; ++x) {
      const auto index = static_cast<uint8_t>(file[458 + (63 - y) * 128 + x]);
      const auto* colour = reinterpret_cast<const uint8_t*>(file.data()) + 54 + 4 * index;
      const uint32_t expected = index >= 101 ? 0 : colour[2] << 16 | colour[1] << 8 | colour[0];
      ASSERT_EQ(target.ScanLine32(y)[x], expected) << x << ", " << y;
      pastTable += index >= 101;
    }
  }
  EXPECT_GT(pastTable, 0);
}

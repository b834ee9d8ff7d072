// Tiled maps out and in: the part-to-tile rule, round trips through both formats, hand-made
// files in every encoding, the refusals and the questions.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include "FormatsTestUtil.h"
#include "cli/CliCommands.h"
#include "formats/ByteSource.h"
#include "formats/FileTexts.h"
#include "formats/PlainProjectHost.h"
#include "formats/ProjectReader.h"
#include "formats/ProjectWriter.h"
#include "formats/TiledExport.h"
#include "formats/TiledImport.h"
#include "formats/TiledMap.h"
#include "formats/TiledTexts.h"
#include "imaging/DIBDrawUnit.h"
#include "imaging/TBitmap.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

std::string Pack(const std::vector<uint32_t>& gids) {
  std::string bytes;
  for (const uint32_t g : gids) bytes += U32(g);
  return bytes;
}

// zlib (windowBits 15) or gzip (31) of `raw`.
std::string Deflate(const std::string& raw, int windowBits) {
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&z, raw.size()) + 32, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.data()));
  z.avail_in = static_cast<uInt>(raw.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

bool LooksJson(const std::string& bytes) {
  return !bytes.empty() && bytes[0] == '{';
}

std::string Base64(const std::string& bytes) {
  return QByteArray::fromStdString(bytes).toBase64().toStdString();
}

// The 3 x 2 layer every hand-made file below holds: gid 1, 2, empty / 6, 8, 5.
const std::vector<uint32_t> kGids = {1, 2, 0, 6, 8, 5};
const char kCsv[] = "1,2,0,\n6,8,5";

std::string TsxBody() {
  return R"(<tileset name="t" tilewidth="4" tileheight="4" tilecount="8" columns="4">
  <image source="img/p.bmp" width="16" height="8"/></tileset>)";
}

std::string Tmx(const std::string& data, const std::string& tileset = "", int layers = 1) {
  std::string out =
      R"(<?xml version="1.0" encoding="UTF-8"?>
<map version="1.8" orientation="orthogonal" renderorder="right-down" width="3" height="2" tilewidth="4" tileheight="4" infinite="0">
)";
  out += tileset.empty() ? "<tileset firstgid=\"1\" " + TsxBody().substr(9) : tileset;
  for (int i = 0; i < layers; ++i)
    out += "<layer id=\"1\" name=\"地面\" width=\"3\" height=\"2\">" + data + "</layer>\n";
  return out + "</map>\n";
}

std::string JsonTileset() {
  return R"({"firstgid":1,"name":"t","tilewidth":4,"tileheight":4,"tilecount":8,"columns":4,
      "image":"img/p.bmp","imagewidth":16,"imageheight":8})";
}

std::string Tmj(const std::string& layerData, const std::string& tileset = JsonTileset()) {
  return R"({"type":"map","orientation":"orthogonal","renderorder":"right-down","infinite":false,
    "width":3,"height":2,"tilewidth":4,"tileheight":4,"tilesets":[)" +
         tileset + R"(],"layers":[{"type":"tilelayer","name":"地面","width":3,"height":2,)" +
         layerData + "}]}";
}

class TiledTest : public ::testing::Test {
 protected:
  TiledTest() {
    std::filesystem::create_directory(dir.File("img"));
    SaveBmp24(*NumberedParts(4, 4, 2, true), dir.File("img/p.bmp"));
  }

  TFileResult Import(const std::string& name, const std::string& bytes, uint64_t budget = 0) {
    WriteFileBytes(dir.File(name), bytes);
    map.ClearLayers();
    host = std::make_unique<TRecordingHost>(map);
    records = TProjectRecords();
    return ImportTiledFile(dir.File(name), map, records, *host, budget);
  }

  int Cli(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    return RunCli(args, out, err);
  }

  ScopedPrompter prompter;
  TempDir dir;
  TMap map;
  TProjectRecords records;
  std::unique_ptr<TRecordingHost> host;
  std::ostringstream out, err;
};

}  // namespace

TEST(TiledMapping, PartsAndTileIdsFollowThePartGrid) {
  struct {
    uint32_t part;
    int perRow, columns, rows;
    int64_t local;
  } cases[] = {
      {0, 16, 16, 7, 0},   {17, 16, 16, 7, 17},    {17, 16, 8, 7, 9},
      {8, 16, 8, 7, -1},   {112, 16, 16, 7, -1},   {257, 256, 20, 3, 21},
      {19, 16, 20, 3, 23}, {255, 16, 16, 16, 255}, {65535, 256, 256, 256, 65535},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    EXPECT_EQ(tiled::LocalIdOfPart(c.part, c.perRow, c.columns, c.rows), c.local);
    if (c.local >= 0) {
      EXPECT_EQ(tiled::PartOfLocalId(uint32_t(c.local), c.perRow, c.columns), c.part);
    }
  }
  // Columns beyond the grid's row have no part number.
  EXPECT_EQ(tiled::PartOfLocalId(17, 16, 20), -1);
  EXPECT_EQ(tiled::PartOfLocalId(300, 256, 256), 300);
}

// Export then import loses nothing but cells the bitmap export would not draw either.
TEST_F(TiledTest, RoundTripThroughBothFormatsKeepsTheMap) {
  SaveBmp24(*NumberedParts(5, 20, 3, true), dir.File("img/wide.bmp"));
  std::vector<std::unique_ptr<TMapChip>> chips;
  for (const char* name : {"img/p.bmp", "img/wide.bmp"}) {
    chips.push_back(std::make_unique<TMapChip>());
    chips.back()->FileName = dir.File(name);
    chips.back()->Image = std::make_shared<TBitmap>();
    CDIBLoadFromFile(*chips.back()->Image, dir.File(name));
  }
  std::mt19937 random(7);
  for (int round = 0; round < 8; ++round) {
    const uint8_t bits = round % 2 ? 16 : 8;
    TMap source;
    source.Setup(4 + round, 3, 5, 5, bits);
    TProjectRecords saved = TestRecords();
    saved.transparentPart = {uint8_t(round % 3 != 0), uint16_t(round % 4 == 0 ? 0 : 21), 0};
    saved.colorKey = {uint8_t(round % 2), 0x00123456u + uint32_t(round), 0};
    saved.header.relativePaths = uint8_t(round % 3 == 1);
    // A lone LF (as Tiled's own save leaves them) comes back as the editor's CR LF.
    saved.comment = round % 2 ? "二行の\r\nコメント\n<&> \"q\"" : "";
    const std::string comment = round % 2 ? "二行の\r\nコメント\r\n<&> \"q\"" : "";
    for (int i = 0; i < 3; ++i) {
      TMapChip* chip = i == 2 ? nullptr : chips[size_t((round + i) % 2)].get();
      source.AppendLayer("層" + std::to_string(i) + (i == 1 ? " & <x>" : ""), chip);
      source.SetLayerVisible(i, (round + i) % 3 != 0);
      for (auto& cell : source.LayerAt(i).Cells)
        cell = uint16_t(std::uniform_int_distribution<int>(0, bits == 8 ? 255 : 1200)(random));
    }
    for (const TTiledFormat format : {TTiledFormat::Tmx, TTiledFormat::Json}) {
      SCOPED_TRACE(std::to_string(round) + (format == TTiledFormat::Tmx ? " tmx" : " json"));
      const std::string path = dir.File(format == TTiledFormat::Tmx ? "r.tmx" : "r.tmj");
      ASSERT_TRUE(ExportTiledFile(source, saved, path, format).ok);
      ASSERT_TRUE(Import(format == TTiledFormat::Tmx ? "r.tmx" : "r.tmj", ReadFileBytes(path)).ok);
      EXPECT_TRUE(prompter.calls.empty());
      EXPECT_EQ(map.GetBitsPerCell(), bits);
      EXPECT_EQ(map.GetWidth(), source.GetWidth());
      EXPECT_EQ(map.GetPartWidth(), 5);
      EXPECT_EQ(records.comment, comment);
      EXPECT_EQ(records.colorKey.color, saved.colorKey.color);
      EXPECT_EQ(records.colorKey.enabled, saved.colorKey.enabled);
      EXPECT_EQ(records.transparentPart.number, saved.transparentPart.number);
      EXPECT_EQ(records.transparentPart.enabled, saved.transparentPart.enabled);
      EXPECT_EQ(records.header.relativePaths, saved.header.relativePaths);
      ASSERT_EQ(map.LayerCount(), 3);
      const int perRow = bits == 16 ? 256 : 16;
      for (int i = 0; i < 3; ++i) {
        const TMapLayer& in = source.LayerAt(i);
        EXPECT_EQ(map.LayerAt(i).Name, in.Name);
        EXPECT_EQ(map.LayerAt(i).Visible, in.Visible);
        std::vector<uint16_t> expected = in.Cells;
        if (in.Chip) {
          const int columns = in.Chip->Image->Width() / 5, rows = in.Chip->Image->Height() / 5;
          for (auto& cell : expected)
            if (tiled::LocalIdOfPart(cell, perRow, columns, rows) < 0)
              cell = saved.transparentPart.number;
        }
        EXPECT_EQ(map.LayerAt(i).Cells, expected) << i;
      }
      std::vector<std::string> images;
      for (const auto& call : host->calls)
        if (call.rfind("image", 0) == 0) images.push_back(call);
      EXPECT_EQ(images,
                (std::vector<std::string>{"image 0 " + chips[size_t(round % 2)]->FileName,
                                          "image 1 " + chips[size_t((round + 1) % 2)]->FileName}));
    }
  }
}

// A parts image missing on this machine (assets kept elsewhere) is no reason to forget it: the
// layer keeps its part numbers and its image's path through both formats.
TEST_F(TiledTest, AMissingPartsImageKeepsItsPath) {
  TMap source;
  BuildMap(source, 3, 2, 4, 8, {"1 2 3 / 4 5 17", "0 7 0 / 0 0 9"});
  TMapChip gone;
  gone.FileName = dir.File("img/gone.png");
  source.SetLayerChip(1, &gone);
  std::filesystem::create_directories(dir.File("o"));
  const std::pair<const char*, TTiledFormat> files[] = {{"o/m.tmx", TTiledFormat::Tmx},
                                                        {"o/m.tmj", TTiledFormat::Json}};
  for (const auto& [name, format] : files) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(ExportTiledFile(source, TestRecords(), dir.File(name), format).ok);
    const std::string bytes = ReadFileBytes(dir.File(name));
    EXPECT_NE(bytes.find("../img/gone.png"), std::string::npos) << "relative to the map";
    ASSERT_TRUE(Import(name, bytes).ok);
    EXPECT_EQ(LayerPicture(map, 1), "0 7 0 / 0 0 9");
    EXPECT_NE(std::find(host->calls.begin(), host->calls.end(), "image 1 " + gone.FileName),
              host->calls.end());
  }
  // brimwell-cli too, from a project and back to one.
  TProjectRecords saved = TestRecords();
  saved.header.relativePaths = 1;
  ASSERT_TRUE(WriteProjectFile(dir.File("gone.bwp"), source, saved).ok);
  EXPECT_EQ(Cli({"export", dir.File("gone.bwp"), dir.File("o/c.tmx")}), kExitOk);
  EXPECT_NE(ReadFileBytes(dir.File("o/c.tmx")).find("../img/gone.png"), std::string::npos);
  EXPECT_EQ(Cli({"import", dir.File("o/c.tmx"), dir.File("back.bwp")}), kExitOk);
  EXPECT_EQ(Cli({"info", dir.File("back.bwp")}), kExitOk);
  EXPECT_NE(out.str().find("image " + gone.FileName), std::string::npos) << out.str();
}

// Hand-made files: every encoding, embedded and external tilesets, read to the same layer.
TEST_F(TiledTest, EveryEncodingReadsTheSameLayer) {
  WriteFileBytes(dir.File("t.tsx"), "<?xml version=\"1.0\"?>\n" + TsxBody());
  WriteFileBytes(dir.File("t.tsj"), JsonTileset());
  const std::string raw = Pack(kGids);
  const std::pair<std::string, std::string> files[] = {
      {"csv.tmx", Tmx("<data encoding=\"csv\">\n" + std::string(kCsv) + "\n</data>")},
      {"b64.tmx", Tmx("<data encoding=\"base64\">\n   " + Base64(raw) + "\n  </data>")},
      {"zlib.tmx", Tmx("<data encoding=\"base64\" compression=\"zlib\">" +
                       Base64(Deflate(raw, 15)) + "</data>")},
      {"gzip.tmx", Tmx("<data encoding=\"base64\" compression=\"gzip\">" +
                       Base64(Deflate(raw, 31)) + "</data>")},
      {"xml.tmx", Tmx("<data><tile gid=\"1\"/><tile gid=\"2\"/><tile/><tile gid=\"6\"/>"
                      "<tile gid=\"8\"/><tile gid=\"5\"/></data>")},
      {"tsx.tmx", Tmx("<data encoding=\"csv\">" + std::string(kCsv) + "</data>",
                      "<tileset firstgid=\"1\" source=\"t.tsx\"/>")},
      {"array.tmj", Tmj("\"data\":[1,2,0,6,8,5]")},
      {"zlib.json", Tmj("\"encoding\":\"base64\",\"compression\":\"zlib\",\"data\":\"" +
                        Base64(Deflate(raw, 15)) + "\"")},
      {"gzip.tmj", Tmj("\"encoding\":\"base64\",\"compression\":\"gzip\",\"data\":\"" +
                       Base64(Deflate(raw, 31)) + "\"")},
      {"tsj.tmj", Tmj("\"data\":[1,2,0,6,8,5]", R"({"firstgid":1,"source":"t.tsj"})")},
      {"tsx.tmj", Tmj("\"encoding\":\"base64\",\"data\":\"" + Base64(raw) + "\"",
                      R"({"firstgid":1,"source":"t.tsx"})")},
  };
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    const TFileResult result = Import(name, bytes);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_EQ(map.GetBitsPerCell(), 8);
    // Tile 0 is used, so empty cells take the highest part no tile uses.
    EXPECT_EQ(LayerPicture(map, 0), "0 1 255 / 17 19 16");
    EXPECT_EQ(records.transparentPart.number, 255);
    EXPECT_EQ(records.transparentPart.enabled, 1);
    EXPECT_EQ(records.header.relativePaths, 1);
    EXPECT_EQ(map.LayerAt(0).Name, "地面");
    const std::string image = "image 0 " + dir.File("img/p.bmp");
    EXPECT_NE(std::find(host->calls.begin(), host->calls.end(), image), host->calls.end());
  }
}

TEST_F(TiledTest, PartNumbersDecideTheCellWidth) {
  // A tileset 20 tiles wide: tile 17 has no place in rows of 16, so the map is 16-bit.
  const std::string wide =
      R"(<tileset firstgid="1" name="w" tilewidth="4" tileheight="4" tilecount="40" columns="20"><image source="img/p.bmp" width="80" height="8"/></tileset>)";
  ASSERT_TRUE(Import("w.tmx", Tmx("<data encoding=\"csv\">18,1,1,21,1,1</data>", wide)).ok);
  EXPECT_EQ(map.GetBitsPerCell(), 16);
  EXPECT_EQ(LayerPicture(map, 0), "17 0 0 / 256 0 0");
  EXPECT_EQ(records.transparentPart.enabled, 0);
  // A gid below the first tileset belongs to none: asked about, then empty.
  const std::string late = "<tileset firstgid=\"3\" " + TsxBody().substr(9);
  ASSERT_TRUE(Import("late.tmx", Tmx("<data encoding=\"csv\">1,3,3,3,3,3</data>", late)).ok);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{tiledtext::kOffGridQuestion});
  EXPECT_EQ(LayerPicture(map, 0), "255 0 0 / 0 0 0");
  prompter.Clear();
  // A property number beyond every integer is no number of bits.
  std::string huge = Tmj("\"data\":[1,2,3,4,5,6]");
  huge.insert(huge.find("\"tilesets\""),
              R"("properties":[{"name":"brimwell.bitsPerCell","type":"int","value":2e77}],)");
  ASSERT_TRUE(Import("huge.tmj", huge).ok);
  EXPECT_EQ(map.GetBitsPerCell(), 8);
  // No empty cell: no transparent part is needed.
  ASSERT_TRUE(Import("n.tmx", Tmx("<data encoding=\"csv\">1,2,3,4,5,6</data>")).ok);
  EXPECT_EQ(map.GetBitsPerCell(), 8);
  EXPECT_EQ(records.transparentPart.enabled, 0);
}

TEST_F(TiledTest, WhatCannotBeHeldIsRefused) {
  const std::string csv = "<data encoding=\"csv\">" + std::string(kCsv) + "</data>";
  auto header = [&](const std::string& from, const std::string& to) {
    std::string file = Tmx(csv);
    file.replace(file.find(from), from.size(), to);
    return file;
  };
  std::string bomb(2000000, '\0');
  const std::pair<std::string, std::string> cases[] = {
      {header("orthogonal", "isometric"), tiledtext::kNotOrthogonal},
      {header("infinite=\"0\"", "infinite=\"1\""), tiledtext::kInfinite},
      {header("width=\"3\"", "width=\"10001\""), tiledtext::kTooLarge},
      {header("tilewidth=\"4\" tileheight", "tilewidth=\"300\" tileheight"),
       tiledtext::kBadTileSize},
      {header("name=\"t\" tilewidth=\"4\"", "name=\"t\" tilewidth=\"8\""),
       tiledtext::kMixedTileSizes},
      {Tmx(csv, "", 256), filetext::kTooManyLayers},
      {Tmx("<data encoding=\"csv\">1,2,3</data>"), tiledtext::kBadLayerData},
      {Tmx("<data encoding=\"csv\">1,2,3,4,5,6,7</data>"), tiledtext::kBadLayerData},
      {Tmx("<data encoding=\"csv\">1,x,3,4,5,6</data>"), tiledtext::kBadLayerData},
      {Tmx("<data encoding=\"base64\">AAAA</data>"), tiledtext::kBadLayerData},
      {Tmx("<data encoding=\"base64\" compression=\"zstd\">AAAA</data>"),
       tiledtext::kUnknownEncoding},
      {Tmx("<data encoding=\"base64\" compression=\"zlib\">" + Base64(Deflate(bomb, 15)) +
           "</data>"),
       tiledtext::kBomb},
      {Tmx(csv, "<tileset firstgid=\"1\" source=\"missing.tsx\"/>"),
       std::string(tiledtext::kTilesetUnreadable) + " (missing.tsx)"},
      {"<notamap/>", tiledtext::kNotTiled},
      {"{\"layers\": [", tiledtext::kNotTiled},
      {"", tiledtext::kNotTiled},
      {Tmj("\"data\":[1,2,0]"), tiledtext::kBadLayerData},
      {Tmj("\"data\":[1,2,0,6,8,-5]"), tiledtext::kBadLayerData},
      {"<map orientation=\"orthogonal\" width=\"3\" height=\"2\" tilewidth=\"4\" "
       "tileheight=\"4\"/>",
       filetext::kNoLayers},
  };
  for (const auto& [bytes, reason] : cases) {
    SCOPED_TRACE(reason);
    EXPECT_EQ(Import(LooksJson(bytes) ? "x.tmj" : "x.tmx", bytes).reason, reason);
  }
  // Sizes are checked before anything is allocated.
  const std::string huge = header("width=\"3\" height=\"2\"", "width=\"10000\" height=\"10000\"");
  EXPECT_EQ(Import("huge.tmx", huge, 64 << 20).reason, filetext::kMapTooLarge);
  // ... counting every layer the file declares: room for two of three layers (whose data is
  // broken) refuses the map before the first layer is read.
  const uint64_t twoLayers = 3 * 2 * 6 * 2;
  const std::string shortLayer = "\"width\":3,\"height\":2,\"data\":[1,2,3]";
  const std::string threeJson =
      Tmj(shortLayer + "},{\"type\":\"tilelayer\"," + shortLayer +
          "},{\"type\":\"group\",\"layers\":[{\"type\":\"tilelayer\"," + shortLayer + "}]");
  EXPECT_EQ(
      Import("three.tmx", Tmx("<data encoding=\"csv\">1,2,3</data>", "", 3), twoLayers).reason,
      filetext::kMapTooLarge);
  EXPECT_EQ(Import("three.tmj", threeJson, twoLayers).reason, filetext::kMapTooLarge);
}

// One question per kind of thing the document cannot hold; OK reads on, Cancel fails.
TEST_F(TiledTest, WhatCannotBeHeldFaithfullyIsAskedAboutOnce) {
  const std::string two =
      "<tileset firstgid=\"1\" " + TsxBody().substr(9) +
      R"(<tileset firstgid="9" name="anim" tilewidth="4" tileheight="4" tilecount="8" columns="4"><image source="img/p.bmp" width="16" height="8"/><tile id="0"><animation><frame tileid="1" duration="100"/></animation></tile></tileset>)";
  const std::string file =
      Tmx("<data encoding=\"csv\">2147483649,2,9,2,2,2</data></layer>"
          "<objectgroup id=\"5\"><object id=\"1\"/></objectgroup><imagelayer id=\"6\"/>"
          "<group id=\"7\" visible=\"0\"><layer id=\"8\" name=\"中\" width=\"3\" height=\"2\">"
          "<data encoding=\"csv\">9,9,10,9,9,9</data></layer></group>"
          "<layer id=\"9\" name=\"last\" width=\"3\" height=\"2\"><data "
          "encoding=\"csv\">1,1,1,1,1,1</data>",
          two);
  ASSERT_TRUE(Import("q.tmx", file).ok);
  EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{
                                  tiledtext::kFlippedQuestion, tiledtext::kMixedTilesetsQuestion,
                                  tiledtext::kObjectLayersQuestion, tiledtext::kImageLayersQuestion,
                                  tiledtext::kAnimationsQuestion}));
  EXPECT_EQ(prompter.calls[0].buttons, MsgButtons::OKCancel);
  ASSERT_EQ(map.LayerCount(), 3);
  EXPECT_EQ(LayerPicture(map, 0), "0 1 255 / 1 1 1");  // flip dropped, tileset 2's tile empty
  EXPECT_EQ(LayerPicture(map, 1), "0 0 1 / 0 0 0");    // the group flattened, hidden with it
  EXPECT_EQ(map.LayerAt(1).Name, "中");
  EXPECT_FALSE(map.LayerAt(1).Visible);
  EXPECT_TRUE(map.LayerAt(2).Visible);

  prompter.Clear();
  prompter.QueueAnswer(MsgResult::OK);
  prompter.QueueAnswer(MsgResult::Cancel);
  EXPECT_EQ(Import("q.tmx", file).reason, filetext::kCancelled);
  EXPECT_EQ(prompter.calls.size(), 2u);

  // brimwell-cli warns, and fails under --strict.
  EXPECT_EQ(Cli({"info", dir.File("q.tmx")}), kExitOk);
  EXPECT_NE(err.str().find(tiledtext::kObjectLayersQuestion), std::string::npos);
  EXPECT_EQ(Cli({"--strict", "info", dir.File("q.tmx")}), kExitFailure);
  EXPECT_NE(err.str().find(tiledtext::kImportFailed), std::string::npos);
}

// Tiled always draws a PNG's alpha: a map from elsewhere whose tilesets can have transparent
// pixels imports with the colour key on, so it looks as it did there.
TEST_F(TiledTest, TilesetsWithAlphaTurnTheKeyOn) {
  for (const bool alpha : {true, false}) {
    QImage image(16, 8, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(qRgba(200, 10, 10, 255));
    if (alpha) image.setPixel(1, 1, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(image.save(QString::fromStdString(dir.File(alpha ? "img/a.png" : "img/o.png"))));
  }
  QImage palette(16, 8, QImage::Format_Indexed8);  // transparency in a tRNS chunk
  palette.setColorTable({qRgba(0, 0, 0, 0), qRgb(200, 10, 10)});
  palette.fill(1);
  ASSERT_TRUE(palette.save(QString::fromStdString(dir.File("img/i.png"))));
  const std::string keyOff =
      R"(<properties><property name="brimwell.colorKey" type="color" value="#ff00ff00"/>)"
      R"(<property name="brimwell.colorKeyUsed" type="bool" value="false"/></properties>)";
  const struct {
    const char* image;
    const char* trans;
    std::string properties;
    uint8_t enabled;
    uint32_t color;
  } cases[] = {
      {"img/a.png", "", "", 1, 0x0000FF00},
      {"img/a.png", "ff00ff", "", 1, 0x00FF00FF},
      {"img/i.png", "", "", 1, 0x0000FF00},
      {"img/o.png", "", "", 0, 0x0000FF00},
      {"img/p.bmp", "", "", 0, 0x0000FF00},
      {"img/a.png", "", keyOff, 0, 0x0000FF00},  // as a Brimwell export says
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.image) + " " + c.trans + " " + c.properties);
    std::string tileset = "<tileset firstgid=\"1\" " + TsxBody().substr(9);
    tileset.replace(tileset.find("img/p.bmp"), 9, c.image);
    if (*c.trans)
      tileset.insert(tileset.find(" width=\"16\""), std::string(" trans=\"") + c.trans + "\"");
    std::string file = Tmx("<data encoding=\"csv\">" + std::string(kCsv) + "</data>", tileset);
    file.insert(file.find("<tileset"), c.properties);
    ASSERT_TRUE(Import("k.tmx", file).ok);
    EXPECT_EQ(records.colorKey.enabled, c.enabled);
    EXPECT_EQ(records.colorKey.color, c.color);
  }
}

TEST_F(TiledTest, CliConvertsBothWays) {
  TMap source;
  BuildMap(source, 3, 2, 4, 8, {"1 2 3 / 4 5 17", "0 7 0 / 0 0 0"});
  TMapChip chip;
  chip.FileName = dir.File("img/p.bmp");
  source.SetLayerChip(0, &chip);
  source.SetLayerVisible(1, false);
  TProjectRecords saved = TestRecords();
  saved.header.relativePaths = 1;
  ASSERT_TRUE(WriteProjectFile(dir.File("m.bwp"), source, saved).ok);

  ASSERT_EQ(Cli({"export", dir.File("m.bwp"), dir.File("o.tmx")}), kExitOk) << err.str();
  const std::string tmx = ReadFileBytes(dir.File("o.tmx"));
  EXPECT_NE(tmx.find("<image source=\"img/p.bmp\" width=\"16\" height=\"8\"/>"), std::string::npos);
  EXPECT_NE(tmx.find("name=\"no image\""), std::string::npos);
  EXPECT_NE(tmx.find("visible=\"0\""), std::string::npos);
  ASSERT_EQ(Cli({"export", dir.File("m.bwp"), dir.File("o.data"), "--format", "tmj"}), kExitOk);
  ASSERT_EQ(Cli({"import", dir.File("o.data"), dir.File("n.bwp")}), kExitUsage);  // by name
  ASSERT_EQ(Cli({"export", dir.File("m.bwp"), dir.File("o.json")}), kExitOk);
  for (const char* in : {"o.tmx", "o.json"}) {
    SCOPED_TRACE(in);
    ASSERT_EQ(Cli({"import", dir.File(in), dir.File("n.bwp")}), kExitOk) << err.str();
    ASSERT_EQ(Cli({"export", dir.File("n.bwp"), dir.File("n.csv"), "--format=csv2"}), kExitOk);
    // Parts 4 and 5 lie outside the image of 4 x 2 parts (17 is its second row): empty, as
    // the bitmap export leaves them.
    EXPECT_EQ(ReadFileBytes(dir.File("n.csv")),
              "3,2,4,4,2,8\r\n1,2,3\r\n0,0,17\r\n0,7,0\r\n0,0,0\r\n");
    ASSERT_EQ(Cli({"info", dir.File(in)}), kExitOk);
    EXPECT_NE(out.str().find("  0: L0 (visible), image " + dir.File("img/p.bmp")),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("  1: L1 (hidden), no image"), std::string::npos);
  }
  // One step from Tiled to FMF.
  ASSERT_EQ(Cli({"export", dir.File("o.tmx"), dir.File("o.fmf")}), kExitOk);
  EXPECT_EQ(ReadFileBytes(dir.File("o.fmf")).substr(20, 6), std::string("\1\2\3\0\0\x11", 6));
}

// The sample project to TMX and back: every layer's cells, name, visibility and image equal.
TEST_F(TiledTest, SampleProjectComesBackFromTmx) {
  const std::string examples = BRIMWELL_EXAMPLES_DIR;
  TMap sample;
  TProjectRecords sampleRecords;
  TPlainProjectHost sampleHost(sample);
  ASSERT_TRUE(ReadProjectFile(examples + "/sample.bwp", sample, sampleRecords, sampleHost).ok);
  ASSERT_TRUE(ExportTiledFile(sample, sampleRecords, dir.File("s.tmx"), TTiledFormat::Tmx).ok);
  TMap back;
  TProjectRecords backRecords;
  TPlainProjectHost backHost(back);
  ASSERT_TRUE(ImportTiledFile(dir.File("s.tmx"), back, backRecords, backHost).ok);
  EXPECT_TRUE(prompter.calls.empty());
  ASSERT_EQ(back.LayerCount(), sample.LayerCount());
  for (int i = 0; i < sample.LayerCount(); ++i) {
    EXPECT_EQ(back.LayerAt(i).Cells, sample.LayerAt(i).Cells) << i;
    EXPECT_EQ(back.LayerAt(i).Name, sample.LayerAt(i).Name);
    EXPECT_EQ(back.LayerAt(i).Visible, sample.LayerAt(i).Visible);
    ASSERT_NE(back.LayerAt(i).Chip, nullptr);
    EXPECT_EQ(back.LayerAt(i).Chip->FileName, sample.LayerAt(i).Chip->FileName);
  }
  EXPECT_EQ(backRecords.comment, sampleRecords.comment);
  EXPECT_EQ(backRecords.colorKey.color, sampleRecords.colorKey.color);
  EXPECT_EQ(backRecords.transparentPart.enabled, sampleRecords.transparentPart.enabled);
}

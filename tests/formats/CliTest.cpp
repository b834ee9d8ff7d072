#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "FormatsTestUtil.h"
#include "cli/CliCommands.h"
#include "formats/ProjectWriter.h"
#include "support/TempDir.h"

namespace {

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    std::filesystem::create_directory(dir.File("img"));
    SaveBmp24(*NumberedParts(4, 16, 1, true), dir.File("img/parts.bmp"));
    BuildMap(map, 3, 2, 4, 8, {"1 2 3 / 4 5 6", "0 7 0 / 0 0 0"});
    chip.FileName = dir.File("img/parts.bmp");
    map.SetLayerChip(0, &chip);
    map.SetLayerChip(1, &chip);
    map.SetLayerName(0, "地面");
    map.SetLayerVisible(1, false);
    TProjectRecords records = TestRecords();
    records.header.relativePaths = 1;
    records.comment = "say \"hi\"";
    EXPECT_TRUE(WriteProjectFile(dir.File("m.bwp"), map, records).ok);
  }
  int Run(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    return RunCli(args, out, err);
  }
  TempDir dir;
  TMap map;
  TMapChip chip;
  std::ostringstream out, err;
};

TEST_F(CliTest, InfoShowsTheMap) {
  ASSERT_EQ(Run({"info", dir.File("m.bwp")}), 0) << err.str();
  EXPECT_EQ(out.str(), "map: 3 x 2 cells\nparts: 4 x 4 pixels\nbits per cell: 8\n"
                       "comment: say \"hi\"\nlayers: 2\n"
                       "  0: 地面 (visible), image " + dir.File("img/parts.bmp") + "\n"
                       "  1: L1 (hidden), image " + dir.File("img/parts.bmp") + "\n");
  ASSERT_EQ(Run({"info", "--json", dir.File("m.bwp")}), 0);
  EXPECT_EQ(out.str(), "{\"width\":3,\"height\":2,\"partWidth\":4,\"partHeight\":4,"
                       "\"bitsPerCell\":8,\"partsPerRow\":16,\"colorKey\":\"#00ff00\","
                       "\"transparency\":false,\"transparentPart\":0,\"transparentPartUsed\":false,"
                       "\"comment\":\"say \\\"hi\\\"\",\"layers\":["
                       "{\"name\":\"地面\",\"image\":\"" + dir.File("img/parts.bmp") +
                       "\",\"imageParts\":{\"columns\":16,\"rows\":1},\"visible\":true},"
                       "{\"name\":\"L1\",\"image\":\"" + dir.File("img/parts.bmp") +
                       "\",\"imageParts\":{\"columns\":16,\"rows\":1},\"visible\":false}]}\n");
}

// A PNG tileset with a transparent pixel over a bitmap one, under a colour key of the
// project's own: info reports the drawing settings, the bitmap export draws with them.
TEST_F(CliTest, PngTilesetsAndTheDrawingSettingsReachInfoAndTheBitmapExport) {
  QImage png(8, 12, QImage::Format_ARGB32);  // 2 x 3 parts
  png.fill(qRgba(0x10, 0x20, 0x30, 255));
  png.setPixel(1, 1, qRgba(0xFF, 0, 0, 0));
  ASSERT_TRUE(png.save(QString::fromStdString(dir.File("img/top.png"))));
  TMap wide;
  BuildMap(wide, 2, 2, 4, 16, {"1 2 / 1 2", "0 0 / 0 0"});
  TMapChip top;
  top.FileName = dir.File("img/top.png");
  wide.SetLayerChip(0, &chip);
  wide.SetLayerChip(1, &top);
  TProjectRecords records = TestRecords();
  records.header.bitsPerCell = 16;
  records.header.relativePaths = 1;
  records.colorKey = {1, 0x00336699, 0};  // red 0x99, green 0x66, blue 0x33
  records.transparentPart = {1, 7, 0};
  ASSERT_TRUE(WriteProjectFile(dir.File("p.bwp"), wide, records).ok);

  ASSERT_EQ(Run({"info", "--json", dir.File("p.bwp")}), 0) << err.str();
  const auto layer = [](const std::string& name, const std::string& image, int columns, int rows) {
    return QJsonObject{{"name", QString::fromStdString(name)},
                       {"image", QString::fromStdString(image)},
                       {"imageParts", QJsonObject{{"columns", columns}, {"rows", rows}}},
                       {"visible", true}};
  };
  const QJsonObject expected{
      {"width", 2}, {"height", 2}, {"partWidth", 4}, {"partHeight", 4}, {"bitsPerCell", 16},
      {"partsPerRow", 256}, {"colorKey", "#996633"}, {"transparency", true},
      {"transparentPart", 7}, {"transparentPartUsed", true}, {"comment", ""},
      {"layers", QJsonArray{layer("L0", dir.File("img/parts.bmp"), 16, 1),
                            layer("L1", dir.File("img/top.png"), 2, 3)}}};
  EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object(), expected)
      << out.str();

  // The transparent pixel shows the part below with the key, and the key's colour without.
  ASSERT_EQ(Run({"export", dir.File("p.bwp"), dir.File("p.bmp")}), 0) << err.str();
  QImage exported(QString::fromStdString(dir.File("p.bmp")));
  EXPECT_EQ(exported.pixel(1, 1), qRgb(0x80, 0, 1));
  EXPECT_EQ(exported.pixel(0, 1), qRgb(0x10, 0x20, 0x30));
  records.colorKey.enabled = 0;
  ASSERT_TRUE(WriteProjectFile(dir.File("p.bwp"), wide, records).ok);
  ASSERT_EQ(Run({"export", dir.File("p.bwp"), dir.File("p.bmp")}), 0) << err.str();
  exported.load(QString::fromStdString(dir.File("p.bmp")));
  EXPECT_EQ(exported.pixel(1, 1), qRgb(0x99, 0x66, 0x33));
}

TEST_F(CliTest, ExportPicksTheFormatFromTheOptionOrTheExtension) {
  ASSERT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.fmf")}), 0) << err.str();
  EXPECT_EQ(ReadFileBytes(dir.File("o.fmf")).substr(0, 4), "FMF_");
  ASSERT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.txt"), "--format=csv2"}), 0);
  EXPECT_EQ(ReadFileBytes(dir.File("o.txt")), "3,2,4,4,2,8\r\n1,2,3\r\n4,5,6\r\n0,7,0\r\n0,0,0\r\n");
  ASSERT_EQ(Run({"export", "--format", "csv1", dir.File("m.bwp"), dir.File("o.csv")}), 0);
  EXPECT_EQ(ReadFileBytes(dir.File("o.csv")).substr(0, 7), "1,2,3\r\n");
  ASSERT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.bmp")}), 0) << err.str();
  const std::string bitmap = ReadFileBytes(dir.File("o.bmp"));
  ASSERT_EQ(bitmap.size(), 54u + 36 * 8);
  EXPECT_EQ(bitmap.substr(54 + 7 * 36, 3), std::string("\x01\x00\x80", 3))
      << "the top-left cell drawn from the project's parts image";
  EXPECT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.csv")}), 2);
  EXPECT_NE(err.str().find("--format"), std::string::npos);
  EXPECT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.png")}), 2);
}

TEST_F(CliTest, ImportMakesAProjectOfAnFMFFile) {
  ASSERT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.fmf")}), 0);
  ASSERT_EQ(Run({"import", dir.File("o.fmf"), dir.File("n.bwp")}), 0) << err.str();
  ASSERT_EQ(Run({"info", "--json", dir.File("n.bwp")}), 0);
  EXPECT_NE(out.str().find("\"layers\":[{\"name\":\"レイヤー0\",\"image\":\"\",\"imageParts\":null,"
                           "\"visible\":true},"
                           "{\"name\":\"レイヤー1\""),
            std::string::npos)
      << out.str();
  ASSERT_EQ(Run({"export", dir.File("n.bwp"), dir.File("again.fmf")}), 0);
  EXPECT_EQ(ReadFileBytes(dir.File("again.fmf")), ReadFileBytes(dir.File("o.fmf")));
}

TEST_F(CliTest, QuestionsAreWarningsUnlessStrict) {
  std::string bytes = ReadFileBytes(dir.File("m.bwp"));
  bytes += Chunk("zzzz", "12");
  bytes.replace(4, 4, U32(uint32_t(bytes.size() - 8)));
  WriteFileBytes(dir.File("odd.bwp"), bytes);
  ASSERT_EQ(Run({"info", dir.File("odd.bwp")}), 0);
  EXPECT_EQ(err.str(),
            "brimwell-cli: warning: 未定義のチャンク構造を検出しました。続行しますか？ -> OK\n");
  EXPECT_EQ(Run({"--strict", "info", dir.File("odd.bwp")}), 1);
  EXPECT_NE(err.str().find("odd.bwpの読み込み中にエラーが発生しました (キャンセル)"),
            std::string::npos)
      << err.str();
}

TEST_F(CliTest, MissingImagesAreWarningsAndBrokenFilesErrors) {
  std::filesystem::remove(dir.File("img/parts.bmp"));
  EXPECT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.bmp")}), 0);
  const std::string warning = "brimwell-cli: warning: parts.bmpが見つかりませんでした。\n";
  EXPECT_EQ(err.str(), warning + warning) << "one for each layer that names it";
  WriteFileBytes(dir.File("bad.fmf"), "FMF_ and nothing more");
  EXPECT_EQ(Run({"import", dir.File("bad.fmf"), dir.File("x.bwp")}), 1);
  EXPECT_EQ(err.str(),
            "brimwell-cli: error: bad.fmfの読み込み中にエラーが発生しました "
            "(FMFファイルでは無いかファイルが壊れています)\n"
            "brimwell-cli: error: fmfファイルの読み込みに失敗しました\n");
  EXPECT_EQ(Run({"export", dir.File("m.bwp"), dir.File("no/such/o.fmf")}), 1);
  EXPECT_EQ(err.str().rfind("brimwell-cli: error: Fixed形式での書き出し中にエラーが発生。中断しました。 (", 0),
            0u)
      << err.str();
}

TEST_F(CliTest, WrongUsageExitsWithTwo) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(Run({"frobnicate", "x"}), 2);
  EXPECT_EQ(Run({"info"}), 2);
  EXPECT_EQ(Run({"info", "a", "b"}), 2);
  EXPECT_EQ(Run({"export", "a.bwp", "b.fmf", "--format", "png"}), 2);
  EXPECT_EQ(Run({"export", "a.bwp", "b.fmf", "--format"}), 2);
  EXPECT_EQ(Run({"import", "a.fmf", "b.bwp", "--json"}), 2);
  EXPECT_EQ(Run({"info", "--bogus", "a.bwp"}), 2);
  EXPECT_NE(err.str().find("--help"), std::string::npos);
}

TEST_F(CliTest, HelpAndVersion) {
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_EQ(out.str(), "1.52b\n");
  EXPECT_EQ(Run({"--help"}), 0);
  for (const char* word : {"info", "export", "import", "--strict", "--json", "--format"})
    EXPECT_NE(out.str().find(word), std::string::npos) << word;
}

// The real program, as a pipeline runs it.
TEST(CliProgramTest, RunsAsAProgram) {
  FILE* pipe = popen(BRIMWELL_CLI_PATH " --version", "r");
  ASSERT_NE(pipe, nullptr);
  char line[64] = {};
  ASSERT_NE(fgets(line, sizeof line, pipe), nullptr);
  EXPECT_STREQ(line, "1.52b\n");
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_EQ(WEXITSTATUS(system(BRIMWELL_CLI_PATH " info /nonexistent.bwp 2>/dev/null")), 1);
  EXPECT_EQ(WEXITSTATUS(system(BRIMWELL_CLI_PATH " nonsense 2>/dev/null")), 2);
}

}  // namespace

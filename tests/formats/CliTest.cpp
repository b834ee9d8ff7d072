#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "FormatsTestUtil.h"
#include "cli/CliCommands.h"
#include "cli/CliPrompter.h"
#include "formats/ProjectWriter.h"
#include "formats/UnstorableTexts.h"
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
  for (int i = 0; i < 3; ++i) bytes += Chunk("zzzz", "12");  // one warning for the kind
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

// The question that comes before a project is written, as import asks it.
TEST_F(CliTest, TextThatShiftJisCannotHoldIsAWarningUnlessStrict) {
  map.SetLayerName(1, "é😀");
  for (const bool strict : {false, true}) {
    std::ostringstream warnings;
    TCliPrompter cli(warnings, strict);
    IPrompter* previous = SetPrompter(&cli);
    EXPECT_EQ(ConfirmUnstorableTexts(nullptr, map, TestRecords(), dir.File("n.bwp")), !strict);
    SetPrompter(previous);
    EXPECT_EQ(warnings.str(),
              "brimwell-cli: warning: Shift-JISで保存できない文字があります。"
              "保存するとこれらの文字は「?」になります。\nレイヤー名「é😀」：é 😀\n"
              "このまま保存しますか？" +
                  std::string(strict ? " -> Cancel (--strict)\n" : " -> OK\n"));
  }
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
  // A flipped bit in the last layer's size no longer passes for a file that ends early.
  std::string damaged = ReadFileBytes(dir.File("m.bwp"));
  const size_t last = damaged.rfind("LAY1");
  damaged[last + 6] = char(damaged[last + 6] | 0x10);
  WriteFileBytes(dir.File("damaged.bwp"), damaged);
  EXPECT_EQ(Run({"info", dir.File("damaged.bwp")}), 1);
  EXPECT_EQ(err.str(),
            "brimwell-cli: error: damaged.bwpの読み込み中にエラーが発生しました "
            "(データサイズ異常)\n");
  EXPECT_EQ(Run({"export", dir.File("m.bwp"), dir.File("no/such/o.fmf")}), 1);
  EXPECT_EQ(err.str().rfind("brimwell-cli: error: Fixed形式での書き出し中にエラーが発生。中断しました。 (", 0),
            0u)
      << err.str();
}

// A map may name any path: a pipe would block the reader for ever and a device feed it without
// end. Only regular files are read; the rest fail at once like a missing file.
TEST_F(CliTest, PipesAndDevicesAreRefusedAtOnce) {
  ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
  const std::string map =
      R"(<map orientation="orthogonal" width="1" height="1" tilewidth="4" tileheight="4">)"
      "TILESET<layer name=\"a\" width=\"1\" height=\"1\"><data encoding=\"csv\">1</data>"
      "</layer></map>";
  auto tmx = [&](const std::string& tileset) {
    std::string text = map;
    return text.replace(text.find("TILESET"), 7, tileset);
  };
  const std::string image =
      R"(<tileset firstgid="1" name="t" tilewidth="4" tileheight="4" tilecount="1" )"
      R"(columns="1"><image source="SOURCE" width="4" height="4"/></tileset>)";
  auto withImage = [&](const std::string& source) {
    std::string text = image;
    return tmx(text.replace(text.find("SOURCE"), 6, source));
  };
  WriteFileBytes(dir.File("tsx-pipe.tmx"), tmx(R"(<tileset firstgid="1" source="pipe"/>)"));
  WriteFileBytes(dir.File("tsx-zero.tmx"), tmx(R"(<tileset firstgid="1" source="/dev/zero"/>)"));
  WriteFileBytes(dir.File("png-pipe.tmx"), withImage("pipe"));
  std::filesystem::create_symlink(dir.File("pipe"), dir.File("pipe.bwp"));
  std::filesystem::create_symlink(dir.File("pipe"), dir.File("pipe.tmx"));
  const struct {
    std::vector<std::string> args;
    int exit;
    std::string error;
  } cases[] = {
      {{"info", dir.File("pipe.bwp")}, 1, "通常のファイルではありません"},
      {{"info", dir.File("pipe.tmx")}, 1, "通常のファイルではありません"},
      {{"info", dir.File("tsx-pipe.tmx")}, 1, "外部タイルセットを読み込めません (pipe)"},
      {{"info", dir.File("tsx-zero.tmx")}, 1, "外部タイルセットを読み込めません (zero)"},
      {{"info", "--json", dir.File("png-pipe.tmx")}, 0, ""},
      {{"export", dir.File("png-pipe.tmx"), dir.File("o.bmp")}, 0, "pipeが見つかりませんでした"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    EXPECT_EQ(Run(c.args), c.exit);
    EXPECT_NE(err.str().find(c.error), std::string::npos) << err.str();
  }
}

TEST_F(CliTest, StrictFailsABitmapWithoutItsPartsImage) {
  const std::string image = dir.File("img/parts.bmp");
  for (const char* damage : {"missing", "unreadable"}) {
    std::filesystem::remove(image);
    if (std::string(damage) == "unreadable") WriteFileBytes(image, "BM and nothing");
    EXPECT_EQ(Run({"--strict", "export", dir.File("m.bwp"), dir.File("o.bmp")}), 1) << damage;
    EXPECT_NE(err.str().find("brimwell-cli: error: a parts image is missing or unreadable"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.bmp"))) << damage;
    if (std::string(damage) == "unreadable")
      EXPECT_NE(err.str().find("パーツ画像を開けません (ファイル " + image + " を読み込めません ("),
                std::string::npos)
          << "an unreadable image names its file: " << err.str();
    EXPECT_EQ(Run({"--strict", "export", dir.File("m.bwp"), dir.File("o.fmf")}), 0)
        << "other formats do not read the images";
  }
}

TEST_F(CliTest, NoCommandWritesOverAFileItReads) {
  std::filesystem::create_directory(dir.File("sub"));
  std::filesystem::create_symlink(dir.File("m.bwp"), dir.File("link.bwp"));
  std::filesystem::create_hard_link(dir.File("m.bwp"), dir.File("hard.bwp"));
  ASSERT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.fmf")}), 0);
  const std::string project = ReadFileBytes(dir.File("m.bwp"));
  const std::string fmf = ReadFileBytes(dir.File("o.fmf"));
  const std::vector<std::string> refused[] = {
      {"export", dir.File("m.bwp"), dir.File("m.bwp"), "--format", "fmf"},
      {"export", dir.File("m.bwp"), dir.File("sub/../m.bwp"), "--format", "csv1"},
      {"export", dir.File("m.bwp"), dir.File("link.bwp"), "--format", "fmf"},
      {"export", dir.File("m.bwp"), dir.File("hard.bwp"), "--format", "fmf"},
      {"export", dir.File("link.bwp"), dir.File("img/parts.bmp")},
      {"import", dir.File("o.fmf"), dir.File("o.fmf")},
  };
  for (const std::vector<std::string>& args : refused) {
    EXPECT_EQ(Run(args), 1) << args[2];
    EXPECT_NE(err.str().find(args[2] + " is a file this command reads"), std::string::npos)
        << err.str();
  }
  EXPECT_EQ(ReadFileBytes(dir.File("m.bwp")), project);
  EXPECT_EQ(ReadFileBytes(dir.File("o.fmf")), fmf);
  EXPECT_EQ(ReadFileBytes(dir.File("img/parts.bmp")).substr(0, 2), "BM");
}

TEST_F(CliTest, ImportTakesOnlyFMFAndTiledMaps) {
  EXPECT_EQ(Run({"import", dir.File("m.bwp"), dir.File("n.bwp")}), 2);
  EXPECT_NE(err.str().find("import reads FMF files (.fmf) and Tiled maps"), std::string::npos) << err.str();
  EXPECT_FALSE(std::filesystem::exists(dir.File("n.bwp")));
}

TEST_F(CliTest, AFailedFlushFailsTheCommand) {
  WriteFileBytes(dir.File("o.fmf"), "old");
  {
    ScopedFailingCall failing(ScopedFailingCall::Sync);
    EXPECT_EQ(Run({"export", dir.File("m.bwp"), dir.File("o.fmf")}), 1);
  }
  EXPECT_NE(err.str().find("入出力エラーが発生しました"), std::string::npos) << err.str();
  EXPECT_EQ(ReadFileBytes(dir.File("o.fmf")), "old");
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

// --lang en: warnings, errors and help in English; only data (layer names) stays Japanese.
TEST_F(CliTest, SpeaksEnglishWhenAsked) {
  std::filesystem::remove(dir.File("img/parts.bmp"));
  WriteFileBytes(dir.File("bad.fmf"), "FMF_ and nothing more");
  const std::string cli = BRIMWELL_CLI_PATH " --lang en ";
  const std::string log = " 2>>" + dir.File("err.txt") + " >>" + dir.File("err.txt") + "; ";
  const std::string script = cli + "export " + dir.File("m.bwp") + " " + dir.File("o.bmp") + log +
                             cli + "import " + dir.File("bad.fmf") + " " + dir.File("x.bwp") + log +
                             cli + "export " + dir.File("m.bwp") + " " + dir.File("no/o.fmf") +
                             log + cli + "--help" + log;
  ASSERT_EQ(system(script.c_str()), 0);
  std::string text = ReadFileBytes(dir.File("err.txt"));
  EXPECT_NE(text.find("brimwell-cli: warning: parts.bmp was not found.\n"), std::string::npos);
  EXPECT_NE(text.find("brimwell-cli: error: Error while reading bad.fmf (Not an FMF file, or the "
                      "file is damaged)\nbrimwell-cli: error: Could not read the FMF file\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("brimwell-cli: error: Error while exporting as FMF (fixed format). Export "
                      "stopped. (Cannot create file "),
            std::string::npos)
      << text;
  for (const char* data : {"地面", "レイヤー0", "レイヤー1"})
    for (size_t at; (at = text.find(data)) != std::string::npos;)
      text.erase(at, std::string(data).size());
  const QString rest = QString::fromStdString(text);
  EXPECT_TRUE(std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.unicode() < 0x3000; }))
      << text;
}

// A file-size limit makes the write fail and the program say so, instead of killing it.
TEST(CliProgramTest, AFileSizeLimitIsAFailedWrite) {
  TempDir dir;
  const std::string cells(100 * 100, '\1');
  WriteFileBytes(dir.File("big.fmf"), "FMF_" + U32(10000) + U32(100) + U32(100) +
                                          std::string("\x10\x10\x01\x08") + cells);
  const std::string command = "ulimit -f 8; exec " BRIMWELL_CLI_PATH " export " +
                              dir.File("big.fmf") + " " + dir.File("o.csv") + " --format csv1 2>" +
                              dir.File("err.txt");
  const int status = system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(ReadFileBytes(dir.File("err.txt")).find("ファイルが大きすぎます"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.File("o.csv")));
}

}  // namespace

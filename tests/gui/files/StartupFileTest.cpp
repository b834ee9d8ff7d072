// The file named on the command line, and the sample project as the editor shows it.
#include "FilesFixture.h"
#include "editor/StartupFile.h"
#include "formats/ImagePath.h"
#include "windows/LayerFormUnit.h"

namespace {

const std::string kExamples = BRIMWELL_EXAMPLES_DIR;
const std::string kSample = kExamples + "/sample.bwp";

}  // namespace

using StartupFileTest = FilesTest;

TEST_F(StartupFileTest, MapDataIsImportedWhateverTheCaseOfItsExtension) {
  for (const char* name : {"level.fmf", "LEVEL.FMF"}) {
    NewMap(10, 10, 16);
    OpenStartupFile(*MainForm, QString::fromStdString(
                                   WriteFile(name, FmfBytes(2, 1, 16, 3, 8, std::string{2, 1}))));
    EXPECT_TRUE(prompter.calls.empty()) << name;
    ASSERT_EQ(Map->LayerCount(), 3) << name;
    EXPECT_EQ(Map->LayerAt(0).Cells, (std::vector<uint16_t>{2, 1}));
    EXPECT_EQ(MainForm->MapName, "名称未設定") << "an import stays untitled";
  }
}

TEST_F(StartupFileTest, AnythingElseIsOpenedAsAProject) {
  // Named like a project or not, the argument is a project: a wrong one says so.
  WriteFile("parts.bmp", ReadFileBytes(kExamples + "/parts.bmp"));
  const std::string path = WriteFile("map.dat", ReadFileBytes(kSample));
  OpenStartupFile(*MainForm, QString::fromStdString(path));
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(MainForm->FileName, path);

  const std::string fmf = WriteFile("x.bwp", FmfBytes(2, 1, 16, 1, 8, ""));
  OpenStartupFile(*MainForm, QString::fromStdString(fmf));
  ASSERT_EQ(prompter.calls.size(), 1u);
  EXPECT_NE(prompter.calls[0].text.find("RIFF-UMF_ ファイルではありません"), std::string::npos);
  ExpectDefaultMap();
}

TEST_F(StartupFileTest, TheSampleOpensQuietlyWithEveryLayerDrawnThroughTheColourKey) {
  OpenStartupFile(*MainForm, QString::fromStdString(kSample));
  EXPECT_TRUE(prompter.calls.empty()) << prompter.calls.front().text;
  EXPECT_EQ(MainForm->MapName, "sample.bwp");
  ASSERT_EQ(Map->LayerCount(), 3);
  for (int i = 0; i < 3; ++i) {
    ASSERT_NE(Map->GetLayerChip(i), nullptr) << i;
    EXPECT_EQ(Map->GetLayerChip(i)->FileName,
              NormalizePath(AbsolutePath(kExamples + "/parts.bmp")));
    EXPECT_TRUE(LayerForm->GetLayerVisibleState(i));
  }
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 2);

  // With the key on, no pure green of the parts image reaches the view.
  const TBitmap& view = MainForm->BackBuffer;
  ASSERT_GT(view.Width(), 0);
  int green = 0;
  for (int y = 0; y < view.Height(); ++y)
    for (int x = 0; x < view.Width(); ++x) green += Pixel(view, x, y) == 0x00FF00;
  EXPECT_EQ(green, 0);
}

// The texts the file code gives users: Japanese byte for byte without a translator and after
// switching back, English (no Japanese left but data) with the English translator.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cerrno>
#include <memory>
#include <stdexcept>

#include "FormatsTestUtil.h"
#include "formats/FileTexts.h"
#include "formats/PlainProjectHost.h"
#include "formats/ProjectReader.h"
#include "formats/TiledImport.h"
#include "formats/TiledTexts.h"
#include "formats/UnstorableTexts.h"
#include "imaging/BmpLayout.h"
#include "imaging/EDIBLoadError.h"
#include "imaging/PartsImage.h"
#include "model/MapDataUnit.h"
#include "platform/Errors.h"
#include "platform/Language.h"
#include "support/Japanese.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace {

struct Text {
  const char* source;
  std::string (*translate)(const char*);
};

std::string Image(const char* text) {
  return ImageText(text);
}

const Text kTexts[] = {
    {filetext::kNotRiffUmf, filetext::Tr},
    {filetext::kDataSizeMismatch, filetext::Tr},
    {filetext::kCancelled, filetext::Tr},
    {filetext::kNoLayers, filetext::Tr},
    {filetext::kBadHeader, filetext::Tr},
    {filetext::kCannotCreateMap, filetext::Tr},
    {filetext::kOldLayerDataMissing, filetext::Tr},
    {filetext::kLayerDataMissing, filetext::Tr},
    {filetext::kTooManyLayers, filetext::Tr},
    {filetext::kBadCellWidth, filetext::Tr},
    {filetext::kLayerNotCreated, filetext::Tr},
    {filetext::kMapTooLarge, filetext::Tr},
    {filetext::kUnknownChunkQuestion, filetext::Tr},
    {filetext::kNewerVersionQuestion, filetext::Tr},
    {filetext::kErrorCaption, filetext::Tr},
    {filetext::kNotFmf, filetext::Tr},
    {filetext::kFmfImportFailed, filetext::Tr},
    {filetext::kProjectWriteFailed, filetext::Tr},
    {filetext::kFmfExportFailed, filetext::Tr},
    {filetext::kCsv1ExportFailed, filetext::Tr},
    {filetext::kCsv2ExportFailed, filetext::Tr},
    {filetext::kBitmapExportFailed, filetext::Tr},
    {filetext::kInformationCaption, filetext::Tr},
    {filetext::kReadPastEnd, filetext::Tr},
    {filetext::kFileTooLarge, filetext::Tr},
    {filetext::kOutOfMemory, filetext::Tr},
    {filetext::kBitmapTooLarge, filetext::Tr},
    {filetext::kBitmapNoMemory, filetext::Tr},
    {filetext::kBadBitCount, filetext::Tr},
    {filetext::kBadHex, filetext::Tr},
    {tiledtext::kTmxExportFailed, filetext::Tr},
    {tiledtext::kJsonExportFailed, filetext::Tr},
    {tiledtext::kImportFailed, filetext::Tr},
    {tiledtext::kNotTiled, filetext::Tr},
    {tiledtext::kNotOrthogonal, filetext::Tr},
    {tiledtext::kInfinite, filetext::Tr},
    {tiledtext::kTooLarge, filetext::Tr},
    {tiledtext::kBadTileSize, filetext::Tr},
    {tiledtext::kMixedTileSizes, filetext::Tr},
    {tiledtext::kBadLayerData, filetext::Tr},
    {tiledtext::kUnknownEncoding, filetext::Tr},
    {tiledtext::kBomb, filetext::Tr},
    {tiledtext::kTilesetUnreadable, filetext::Tr},
    {tiledtext::kFlippedQuestion, filetext::Tr},
    {tiledtext::kMixedTilesetsQuestion, filetext::Tr},
    {tiledtext::kOffGridQuestion, filetext::Tr},
    {tiledtext::kObjectLayersQuestion, filetext::Tr},
    {tiledtext::kImageLayersQuestion, filetext::Tr},
    {tiledtext::kAnimationsQuestion, filetext::Tr},
    {tiledtext::kTileImagesQuestion, filetext::Tr},
    {tiledtext::kSpacingQuestion, filetext::Tr},
    {tiledtext::kTransColorsQuestion, filetext::Tr},
    {kBmpReadFailed, Image},
    {kBmpBadFile, Image},
    {kBmpCompressed, Image},
    {kBmpCreateFailed, Image},
    {kBmpCoreHeader, Image},
    {kBmpTooLarge, Image},
    {kPngBadFile, Image},
    {kImageFormatUnknown, Image},
};

// The texts that are built around data; `data` holds no Japanese, so none may show.
std::vector<std::string> BuiltTexts(const std::string& dir) {
  std::vector<std::string> texts = {
      filetext::OlderVersionQuestion("1.00"),
      filetext::ReadErrorText("map.bwp", "reason"),
      filetext::WriteFailureText(filetext::kProjectWriteFailed, "reason"),
      filetext::WriteFailureText(tiledtext::kTmxExportFailed, ""),
      filetext::ImageNotFoundText("parts.bmp"),
      filetext::ImageUnreadableText("/x/parts.bmp", std::runtime_error("reason")),
      SystemErrorText(12345),
  };
  for (const FileAction action :
       {FileAction::Open, FileAction::Create, FileAction::Read, FileAction::Write})
    texts.push_back(FileErrorText(action, "/x/map.bwp", "reason"));
  for (int error = 1; error < 140; ++error) texts.push_back(SystemErrorText(error));

  // A reader's failure and a question, as the readers make them.
  WriteFileBytes(dir + "/junk.bwp", "RIFF and nothing more");
  TMap map;
  TProjectRecords records;
  TPlainProjectHost host(map);
  texts.push_back(ReadProjectFile(dir + "/junk.bwp", map, records, host).reason);
  WriteFileBytes(dir + "/junk.tmx", "<map");
  texts.push_back(ImportTiledFile(dir + "/junk.tmx", map, records, host).reason);
  // More names than the question lists, so that it counts the rest.
  BuildMap(map, 1, 1, 16, 8, std::vector<std::string>(12, "0"));
  for (int i = 0; i < 12; ++i) map.SetLayerName(i, "tree \xF0\x9F\x8C\xB2");
  records.comment = "\xF0\x9F\x8C\xB2";
  texts.push_back(UnstorableTextsQuestion(map, records, dir + "/m.bwp"));
  BuildMap(map, 1, 1, 16, 8, {"0"});
  TMapChip chip;
  chip.FileName = dir + "/\xF0\x9F\x8C\xB2.bmp";
  map.SetLayerChip(0, &chip);
  texts.push_back(UnstorableTextsQuestion(map, records, dir + "/m.bwp"));

  // The document's refusal of a block for a layer it lacks, with its caption.
  ScopedPrompter prompter;
  TModified block;
  block.layer = 99;
  block.source = {1, 0, 0, 0, 0, 0};
  block.destination = block.source;
  block.data = {1};
  map.WriteBlock(block);
  map.ReadBlock(block);
  for (const PromptCall& call : prompter.Boxes()) {
    texts.push_back(call.text);
    texts.push_back(call.caption);
  }
  return texts;
}

class EnglishTextsTest : public ::testing::Test {
 protected:
  EnglishTextsTest() {
    if (!QCoreApplication::instance()) app_ = std::make_unique<QCoreApplication>(argc_, argv_);
  }
  ~EnglishTextsTest() override { ApplyLanguage(TLanguage::Japanese); }

  int argc_ = 1;
  char arg0_[8] = "formats";
  char* argv_[2] = {arg0_, nullptr};
  std::unique_ptr<QCoreApplication> app_;
  TempDir dir_;
};

}  // namespace

TEST_F(EnglishTextsTest, JapaneseStaysTheSourceAndEnglishLeavesNoJapanese) {
  for (const Text& text : kTexts) EXPECT_EQ(text.translate(text.source), text.source);
  const std::vector<std::string> japanese = BuiltTexts(dir_.Path());

  ApplyLanguage(TLanguage::English);
  for (const Text& text : kTexts) {
    const std::string english = text.translate(text.source);
    EXPECT_FALSE(english.empty() || HasJapanese(english)) << text.source << " -> " << english;
  }
  const std::vector<std::string> english = BuiltTexts(dir_.Path());
  ASSERT_EQ(english.size(), japanese.size());
  for (size_t i = 0; i < english.size(); ++i) {
    EXPECT_FALSE(HasJapanese(english[i])) << english[i];
    EXPECT_NE(english[i], japanese[i]);
  }
  EXPECT_EQ(filetext::ReadErrorText("地図.bwp", filetext::Tr(filetext::kBadHeader)),
            "Error while reading 地図.bwp (Bad UMF header)")
      << "data stays as it is";

  ApplyLanguage(TLanguage::Japanese);
  for (const Text& text : kTexts) EXPECT_EQ(text.translate(text.source), text.source);
  EXPECT_EQ(BuiltTexts(dir_.Path()), japanese);
}

TEST(FillText, ReplacesEachPlaceOnceAndKeepsTheBytes) {
  EXPECT_EQ(FillText("%1の読み込み (%2)", {"a%2\xFF", "b"}), "a%2\xFFの読み込み (b)");
  EXPECT_EQ(FillText("100% %3 %", {"x"}), "100% %3 %");
  EXPECT_EQ(FillText("%1%1", {"z"}), "zz");
}

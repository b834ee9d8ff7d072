#include "FilesFixture.h"

#include <QApplication>
#include <filesystem>

#include "../../formats/FormatsTestUtil.h"
#include "formats/PlainProjectHost.h"
#include "formats/ProjectReader.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/ProgressFormUnit.h"

std::string FilesTest::WriteFile(const std::string& name, const std::string& bytes) {
  const std::string path = dir.File(name);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  WriteFileBytes(path, bytes);
  return path;
}

std::string FilesTest::WritePartsImage(const std::string& name, int partSize) {
  TBitmap image(16 * partSize, 2 * partSize, TPixelFormat::pf32bit);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      image.ScanLine32(y)[x] = PartColour((y / partSize) * 16 + x / partSize);
  const std::string path = WriteFile(name, "");
  SaveBmp24(image, path);
  return path;
}

void FilesTest::Modify() {
  Map->SetModified();
  MainForm->ToolButtonMediator();
}

void FilesTest::SaveAs(const std::string& path) {
  prompter.QueueFile(path);
  MainForm->SaveAs1Click();
}

TProjectRecords FilesTest::ReadRecords(const std::string& path) {
  TMap map;
  TProjectRecords records;
  TRecordingHost host(map);
  EXPECT_TRUE(ReadProjectFile(path, map, records, host).ok);
  return records;
}

void ExpectBox(const PromptCall& call, const std::string& text, const std::string& caption,
               MsgIcon icon, MsgButtons buttons) {
  EXPECT_EQ(call.kind, PromptCall::Message);
  EXPECT_EQ(call.text, text);
  EXPECT_EQ(call.caption, caption);
  EXPECT_EQ(call.icon, icon);
  EXPECT_EQ(call.buttons, buttons);
}

void ExpectDefaultMap() {
  EXPECT_EQ(Map->GetWidth(), 100);
  EXPECT_EQ(Map->GetHeight(), 100);
  EXPECT_EQ(Map->GetPartWidth(), 32);
  EXPECT_EQ(Map->GetBitsPerCell(), 8);
  ASSERT_EQ(Map->LayerCount(), 1);
  EXPECT_EQ(Map->GetLayerName(0), "レイヤー0");
  EXPECT_FALSE(Map->IsModified());
  EXPECT_EQ(MainForm->MapName, "名称未設定");
  EXPECT_TRUE(MainForm->FileName.empty());
  EXPECT_TRUE(MainForm->isVisible());
}

bool ProgressWindowLeft() {
  for (QWidget* widget : QApplication::allWidgets())
    if (dynamic_cast<TProgressForm*>(widget)) return true;
  return false;
}

std::string FmfBytes(uint32_t width, uint32_t height, uint8_t part, uint8_t layers, uint8_t bits,
                     const std::string& cells) {
  const uint32_t size = width * height * layers * (bits / 8);
  return "FMF_" + U32(size) + U32(width) + U32(height) + std::string{char(part), char(part)} +
         std::string{char(layers), char(bits)} + cells;
}

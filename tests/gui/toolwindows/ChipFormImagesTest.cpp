// Loading, sharing, closing, reloading and dropping parts images.
#include <QDateTime>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>
#include <filesystem>

#include "PartsImageFile.h"
#include "ToolWindowFixture.h"
#include "model/MapDataUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

const char kChanged[] = "が外部で変更されています。読み込み直しますか？";

TMapChip* LayerChip(int layer) {
  return Map->GetLayerChip(layer);
}

// Moves the file's modification time by `seconds`, as another program saving it would.
void Touch(const std::string& path, int seconds) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  const QDateTime time = file.fileTime(QFileDevice::FileModificationTime);
  ASSERT_TRUE(file.setFileTime(time.addSecs(seconds), QFileDevice::FileModificationTime));
}

// A PNG of 2 x 1 parts of 32 pixels in `colour`, with a transparent square of 16 pixels in
// the middle of each.
std::string WritePngIn(const std::string& path, QRgb colour) {
  QImage image(64, 32, QImage::Format_ARGB32);
  image.fill(colour);
  for (int y = 8; y < 24; ++y)
    for (int x = 8; x < 24; ++x) {
      image.setPixel(x, y, qRgba(0xFF, 0, 0, 0));
      image.setPixel(x + 32, y, qRgba(0xFF, 0, 0, 0));
    }
  EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
  return path;
}

void ExpectQuestion(const PromptCall& call, const std::string& path) {
  EXPECT_EQ(call.text, "ファイル" + path + kChanged);
  EXPECT_EQ(call.caption, "情報");
  EXPECT_EQ(call.icon, MsgIcon::Question);
  EXPECT_EQ(call.buttons, MsgButtons::YesNo);
}

void ExpectUnreadableBox(const PromptCall& call) {
  const std::string prefix = "パーツ画像を開けません (";
  EXPECT_EQ(call.text.substr(0, prefix.size()), prefix);
  EXPECT_EQ(call.text.back(), ')');
  EXPECT_EQ(call.caption, "エラー");
  EXPECT_EQ(call.icon, MsgIcon::Error);
}

}  // namespace

class ChipFormImagesTest : public ToolWindowTest {
 protected:
  std::string WritePng(const std::string& name, QRgb colour) {
    return WritePngIn(dir.File(name), colour);
  }
};

TEST_F(ChipFormImagesTest, TheLoadButtonAsksForABitmapAndGivesItToTheCurrentLayer) {
  const std::string path = PartsFile("grass.bmp");
  prompter.QueueFile(path);
  ChipForm->ToolButton2Click();
  ASSERT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(prompter.calls[0].kind, PromptCall::OpenFile);
  EXPECT_EQ(prompter.calls[0].file.filter,
            "画像ファイル (*.png *.bmp)|*.png;*.bmp|PNG画像 (*.png)|*.png|ビットマップ (*.bmp)|*.bmp");
  EXPECT_EQ(prompter.calls[0].file.initialDir, "");
  ASSERT_EQ(ChipForm->GetMapChipCount(), 1);
  EXPECT_EQ(ChipForm->GetMapChipName(0), path);
  EXPECT_EQ(LayerChip(0), ChipForm->GetMapChipAddr(0));
  EXPECT_EQ(LayerChip(0)->Image->Width(), 512);
  EXPECT_NE(LayerChip(0)->FileDate, 0);
  EXPECT_TRUE(ChipForm->ToolButton3->isEnabled());
  EXPECT_EQ(Pixel(ChipForm->BackBuffer, 40, 5), TileColour(1));
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 5, 5), TileColour(0));  // the view shows it too
  EXPECT_EQ(ChipForm->GetMapChipName(1), "");
  EXPECT_EQ(ChipForm->GetMapChipAddr(1), nullptr);
  EXPECT_EQ(ChipForm->GetMapChipAddr(-1), nullptr);

  // A project with a folder starts the dialog there; cancelling changes nothing.
  MainForm->FileName = dir.File("maps/town.bwp");
  prompter.QueueFileCancel();
  EXPECT_FALSE(ChipForm->AddMapChip());
  EXPECT_EQ(prompter.calls.back().file.initialDir, dir.File("maps"));
  EXPECT_EQ(ChipForm->GetMapChipCount(), 1);
}

TEST_F(ChipFormImagesTest, TheSameFileLoadedTwiceIsShared) {
  const std::string path = PartsFile("grass.bmp");
  ASSERT_TRUE(ChipForm->AddMapChip(QString::fromStdString(path)));
  AddLayer("上");
  std::filesystem::remove(path);  // a second read would fail now
  ASSERT_TRUE(ChipForm->AddMapChip(QString::fromStdString(path)));
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_EQ(ChipForm->GetMapChipCount(), 1);
  EXPECT_EQ(LayerChip(1), LayerChip(0));
}

TEST_F(ChipFormImagesTest, AMissingFileIsReportedAndTheLayerKeepsItsImage) {
  LoadParts("grass.bmp");
  TMapChip* before = LayerChip(0);
  EXPECT_FALSE(ChipForm->AddMapChip(QString::fromStdString(dir.File("gone.bmp"))));
  ASSERT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(prompter.calls[0].text, "gone.bmpが見つかりませんでした。");
  EXPECT_EQ(prompter.calls[0].caption, "情報");
  EXPECT_EQ(prompter.calls[0].icon, MsgIcon::Warning);
  EXPECT_EQ(prompter.calls[0].buttons, MsgButtons::OK);
  EXPECT_EQ(LayerChip(0), before);
  EXPECT_EQ(ChipForm->GetMapChipCount(), 1);
}

TEST_F(ChipFormImagesTest, AnUnreadableFileIsReportedAndNothingIsAdded) {
  LoadParts("grass.bmp");
  TMapChip* before = LayerChip(0);
  WriteFileBytes(dir.File("broken.bmp"), "BM this is not a bitmap");
  EXPECT_FALSE(ChipForm->AddMapChip(QString::fromStdString(dir.File("broken.bmp"))));
  ASSERT_EQ(prompter.calls.size(), 1u);
  ExpectUnreadableBox(prompter.calls[0]);
  EXPECT_NE(prompter.calls[0].text.find(dir.File("broken.bmp")), std::string::npos);
  EXPECT_EQ(LayerChip(0), before);
  EXPECT_EQ(ChipForm->GetMapChipCount(), 1);
  // The failed file is not remembered: once it is fixed, it loads.
  PartsFile("broken.bmp");
  EXPECT_TRUE(ChipForm->AddMapChip(QString::fromStdString(dir.File("broken.bmp"))));
  EXPECT_EQ(ChipForm->GetMapChipCount(), 2);
}

TEST_F(ChipFormImagesTest, ClosingAnImageTakesItOnlyFromTheLayersThatShowIt) {
  LoadParts("a.bmp");
  AddLayer("1");
  LoadParts("b.bmp");
  AddLayer("2");
  ASSERT_TRUE(ChipForm->AddMapChip(QString::fromStdString(dir.File("a.bmp"))));
  TMapChip* b = LayerChip(1);
  LayerForm->CheckList->setCurrentRow(2);  // layer 0, image a
  ChipForm->ToolButton3Click();
  EXPECT_EQ(LayerChip(0), nullptr);
  EXPECT_EQ(LayerChip(2), nullptr);
  EXPECT_EQ(LayerChip(1), b);
  ASSERT_EQ(ChipForm->GetMapChipCount(), 1);
  EXPECT_EQ(ChipForm->GetMapChipAddr(0), b);
  EXPECT_FALSE(ChipForm->ToolButton3->isEnabled());
  // Nothing to close on a layer without an image.
  ChipForm->ToolButton3Click();
  EXPECT_EQ(ChipForm->GetMapChipCount(), 1);
  LayerForm->CheckList->setCurrentRow(1);
  EXPECT_TRUE(ChipForm->ToolButton3->isEnabled());
}

TEST_F(ChipFormImagesTest, ANewMapForgetsAllImagesAndNoLayerKeepsOne) {
  LoadParts("a.bmp");
  ChipForm->Init();  // even while the document still has the layer
  EXPECT_EQ(ChipForm->GetMapChipCount(), 0);
  EXPECT_EQ(LayerChip(0), nullptr);
  LoadParts("a.bmp");
  NewMap(10, 10, 32);
  EXPECT_EQ(ChipForm->GetMapChipCount(), 0);
}

TEST_F(ChipFormImagesTest, ChangedFilesAreOfferedForReloadingUntilAnswered) {
  const std::string a = PartsFile("a.bmp"), b = PartsFile("b.bmp");
  LoadParts("a.bmp");
  AddLayer("1");
  LoadParts("b.bmp");
  MainForm->AppOnActive();
  EXPECT_TRUE(prompter.calls.empty());

  Touch(a, 10);
  prompter.QueueAnswer(MsgResult::No);
  MainForm->AppOnActive();
  ASSERT_EQ(prompter.calls.size(), 1u);
  ExpectQuestion(prompter.calls[0], a);

  prompter.Clear();
  WriteBmp24(a, 512, 512, [](int, int) { return 0x123456u; });
  Touch(a, 20);
  const std::shared_ptr<TBitmap> old = LayerChip(0)->Image;
  const int64_t oldDate = LayerChip(0)->FileDate;
  LayerForm->CheckList->setCurrentRow(1);  // show layer 0
  LayerForm->SetLayerVisibleState(1, false);
  prompter.QueueAnswer(MsgResult::Yes);
  MainForm->AppOnActive();
  ASSERT_EQ(prompter.calls.size(), 1u);
  ExpectQuestion(prompter.calls[0], a);
  EXPECT_NE(LayerChip(0)->Image, old);  // a new picture object
  EXPECT_NE(LayerChip(0)->FileDate, oldDate);
  EXPECT_EQ(Pixel(ChipForm->BackBuffer, 40, 5), 0x123456u);
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 5, 5), 0x123456u);

  prompter.Clear();
  MainForm->AppOnActive();
  EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(ChipFormImagesTest, AFileThatCannotBeReloadedEndsThePass) {
  const std::string a = PartsFile("a.bmp"), b = PartsFile("b.bmp");
  LoadParts("a.bmp");
  AddLayer("1");
  LoadParts("b.bmp");
  const std::shared_ptr<TBitmap> old = LayerChip(0)->Image;
  WriteFileBytes(a, "BM broken");
  Touch(a, 10);
  Touch(b, 10);
  prompter.QueueAnswer(MsgResult::Yes);
  MainForm->AppOnActive();
  ASSERT_EQ(prompter.calls.size(), 2u);  // b is not asked about this time
  ExpectQuestion(prompter.calls[0], a);
  ExpectUnreadableBox(prompter.calls[1]);
  EXPECT_EQ(LayerChip(0)->Image, old);

  // A file that is gone is an error too, before any question.
  prompter.Clear();
  std::filesystem::remove(a);
  MainForm->AppOnActive();
  ASSERT_EQ(prompter.calls.size(), 1u);
  ExpectUnreadableBox(prompter.calls[0]);
  EXPECT_NE(prompter.calls[0].text.find(a), std::string::npos);
}

TEST_F(ChipFormImagesTest, DroppedBitmapsAndPngsLoadInOrderOthersAreIgnored) {
  const std::string upper = PartsFile("UPPER.BMP"), lower = PartsFile("lower.bmp");
  const std::string photo = WritePng("photo.PNG", qRgba(1, 2, 3, 255));
  WriteFileBytes(dir.File("notes.txt"), "\x89PNG");
  ChipForm->WMDropFiles({QString::fromStdString(upper), QString::fromStdString(photo),
                         QString::fromStdString(dir.File("notes.txt")),
                         QString::fromStdString(lower)});
  EXPECT_TRUE(prompter.calls.empty());
  ASSERT_EQ(ChipForm->GetMapChipCount(), 3);
  EXPECT_EQ(ChipForm->GetMapChipName(0), upper);
  EXPECT_EQ(ChipForm->GetMapChipName(1), photo);
  EXPECT_EQ(ChipForm->GetMapChipName(2), lower);
  EXPECT_EQ(LayerChip(0), ChipForm->GetMapChipAddr(2));  // the last one wins
}

// A PNG over a bitmap: its transparent pixels show the key's colour where the key is not
// applied and what lies beneath where it is, whatever colour the key is given later.
TEST_F(ChipFormImagesTest, APngsTransparentPixelsFollowTheColourKey) {
  LoadParts("grass.bmp");
  AddLayer("上");
  prompter.QueueFile(WritePng("tiles.png", qRgba(0x10, 0x20, 0x30, 255)));
  ChipForm->ToolButton2Click();
  ASSERT_TRUE(prompter.calls.size() == 1 && LayerChip(1));
  EXPECT_EQ(Pixel(ChipForm->BackBuffer, 36, 4), 0x102030u);  // part 1: part 0 is selected
  EXPECT_EQ(Pixel(ChipForm->BackBuffer, 48, 16), 0x00FF00u);
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 16, 16), 0x00FF00u);
  MainForm->N17Click();  // transparency on
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 2, 2), 0x102030u);
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 16, 16), TileColour(0));

  const std::shared_ptr<TBitmap> old = LayerChip(1)->Image;
  prompter.QueueColor(0x00336699);
  MainForm->N18Click();
  EXPECT_NE(LayerChip(1)->Image, old);
  EXPECT_EQ(Pixel(ChipForm->BackBuffer, 48, 16), 0x996633u);
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 16, 16), TileColour(0));
  MainForm->N17Click();  // transparency off
  EXPECT_EQ(Pixel(MainForm->BackBuffer, 16, 16), 0x996633u);
  // A changed file is read again under the key of the moment.
  WritePng("tiles.png", qRgba(0x40, 0x50, 0x60, 255));
  Touch(dir.File("tiles.png"), 10);
  prompter.QueueAnswer(MsgResult::Yes);
  MainForm->AppOnActive();
  EXPECT_EQ(Pixel(ChipForm->BackBuffer, 36, 4), 0x405060u);
  EXPECT_EQ(Pixel(ChipForm->BackBuffer, 48, 16), 0x996633u);

  // A file that is neither format says which ones are read.
  prompter.Clear();
  WriteFileBytes(dir.File("notes.txt"), std::string(100, 'x'));
  EXPECT_FALSE(ChipForm->AddMapChip(QString::fromStdString(dir.File("notes.txt"))));
  ASSERT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(prompter.calls[0].text, "パーツ画像を開けません (ファイル " + dir.File("notes.txt") +
                                        " を読み込めません (BMPとPNG以外の画像形式には対応していません))");
}

TEST_F(ChipFormImagesTest, ADropFromTheDesktopReachesTheWindow) {
  const std::string path = PartsFile("grass.bmp");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ChipForm, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ChipForm, &drop);
  ASSERT_EQ(ChipForm->GetMapChipCount(), 1);
  EXPECT_EQ(LayerChip(0), ChipForm->GetMapChipAddr(0));
}

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "BoxExpectations.h"
#include "windows/ResizeDialogUnit.h"

namespace {

const char kWidthMessage[] = "横幅は2パーツ以上10000パーツ以下を指定してください。";
const char kHeightMessage[] = "高さは2パーツ以上10000パーツ以下を指定してください。";
const char kShrinkQuestion[] = "マップの一部が切り取られますが、よろしいですか？";

// A shown dialog for a 100 x 100 map with the new size typed in.
struct Typed {
  Typed(const char* width, const char* height) : dialog(100, 100, 1, 8) {
    dialog.show();
    dialog.Edit1->setText(QString::fromUtf8(width));
    dialog.Edit2->setText(QString::fromUtf8(height));
  }
  TResizeDialog dialog;
};

}  // namespace

TEST(ResizeDialog, ShowsTheFmfSizeBeforeAndAsTyped) {
  TResizeDialog dialog(100, 100, 1, 8);
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  EXPECT_EQ(texts.count(QStringLiteral("100 パーツ")), 2);
  EXPECT_EQ(texts.count(QStringLiteral("10020 bytes")), 2);  // before, and StaticText7

  TResizeDialog layered(10, 10, 3, 16);
  EXPECT_EQ(layered.StaticText7->text(), QStringLiteral("620 bytes"));
  layered.Edit1->setText(QStringLiteral("20"));
  EXPECT_EQ(layered.StaticText7->text(), QStringLiteral("1220 bytes"));
  layered.Edit2->setText(QStringLiteral("x"));  // no number counts as 0
  EXPECT_EQ(layered.StaticText7->text(), QStringLiteral("20 bytes"));
  EXPECT_EQ(TResizeDialog::FmfFileSize(100, 100, 256, 8), 20);  // the count is taken as 8 bits
  EXPECT_EQ(TResizeDialog::FmfFileSize(10000, 10000, 255, 16), 51000000020LL);
}

TEST(ResizeDialog, ShrinkingAsksAndCancelKeepsTheDialogOpen) {
  ScopedPrompter prompter;
  Typed typed("100", "50");
  prompter.QueueAnswer(MsgResult::Cancel);
  QTest::mouseClick(typed.dialog.ResizeButton, Qt::LeftButton);
  ExpectOneBox(prompter, kShrinkQuestion, "警告", MsgIcon::Warning, MsgButtons::OKCancel,
               &typed.dialog);
  EXPECT_TRUE(typed.dialog.isVisible());

  prompter.QueueAnswer(MsgResult::OK);
  typed.dialog.ResizeButtonClick();
  EXPECT_EQ(typed.dialog.result(), QDialog::Accepted);
  EXPECT_EQ(typed.dialog.NewHeight(), 50);
}

TEST(ResizeDialog, EnlargingOrKeepingTheSizeAsksNothingAndCancelNever) {
  for (auto size : {std::pair("200", "100"), std::pair("100", "100"), std::pair("101", "10000")}) {
    ScopedPrompter prompter;
    Typed typed(size.first, size.second);
    typed.dialog.ResizeButtonClick();
    EXPECT_TRUE(prompter.calls.empty()) << size.first << " x " << size.second;
    EXPECT_EQ(typed.dialog.result(), QDialog::Accepted);
  }
  ScopedPrompter prompter;
  Typed typed("1", "5");
  QTest::mouseClick(typed.dialog.CancelButton, Qt::LeftButton);
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_FALSE(typed.dialog.isVisible());
}

TEST(ResizeDialog, RefusesSizesOutOfRangeBeforeAskingAboutShrinking) {
  struct Case {
    const char *width, *height, *message, *field, *corrected;
  };
  for (const Case& c :
       {Case{"1", "100", kWidthMessage, "Edit1", "2"},
        Case{"10001", "100", kWidthMessage, "Edit1", "10000"},
        Case{"", "100", kWidthMessage, "Edit1", "2"}, Case{"0", "0", kWidthMessage, "Edit1", "2"},
        Case{"100", "abc", kHeightMessage, "Edit2", "2"},
        Case{"100", "99999999999", kHeightMessage, "Edit2", "10000"}}) {
    ScopedPrompter prompter;
    Typed typed(c.width, c.height);
    typed.dialog.ResizeButtonClick();
    ExpectOneErrorBox(prompter, c.message, &typed.dialog);
    const auto* field = typed.dialog.findChild<QLineEdit*>(QString::fromUtf8(c.field));
    EXPECT_EQ(field->text(), QString::fromUtf8(c.corrected)) << c.width << " x " << c.height;
    EXPECT_EQ(field->cursorPosition(), field->text().size());
    EXPECT_TRUE(typed.dialog.isVisible());
  }
}

TEST(ResizeDialog, ACorrectedSizeIsAskedAboutOnTheNextPress) {
  ScopedPrompter prompter;
  Typed typed("0", "100");
  typed.dialog.ResizeButtonClick();  // the width becomes 2
  EXPECT_EQ(typed.dialog.StaticText7->text(), QStringLiteral("220 bytes"));
  prompter.Clear();
  typed.dialog.ResizeButtonClick();
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{kShrinkQuestion});
  EXPECT_EQ(typed.dialog.NewWidth(), 2);
}

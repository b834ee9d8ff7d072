// The new-map dialog's derived figures, range checks and corrections.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "support/ScriptedPrompter.h"
#include "windows/NewDialogUnit.h"

namespace {

std::string Text(const QString& s) {
  return s.toStdString();
}

class NewDialogTest : public ::testing::Test {
 protected:
  ScopedPrompter prompter;
  TNewDialog dialog;

  // Presses OK and returns the message it showed, or "" when it closed the dialog.
  std::string PressOK() {
    prompter.Clear();
    dialog.setResult(QDialog::Rejected);
    dialog.OKButtonClick();
    if (prompter.calls.empty()) return "";
    EXPECT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, "エラー");
    EXPECT_EQ(prompter.calls[0].icon, MsgIcon::Error);
    EXPECT_EQ(prompter.calls[0].buttons, MsgButtons::OK);
    EXPECT_EQ(prompter.calls[0].owner, &dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    return prompter.calls[0].text;
  }
};

const char kWidth[] = "横幅は2パーツ以上10000パーツ以下を指定してください。";
const char kHeight[] = "高さは2パーツ以上10000パーツ以下を指定してください。";
const char kPartWidth[] = "1チップの横幅は2Pixel以上255Pixel以下を指定してください。";
const char kPartHeight[] = "1チップの高さは2Pixel以上255Pixel以下を指定してください。";

}  // namespace

TEST_F(NewDialogTest, StartsWithTheDefaultMap) {
  EXPECT_EQ(Text(dialog.windowTitle()), "新規マップの作成");
  EXPECT_EQ(Text(dialog.Edit1->text()), "100");
  EXPECT_EQ(Text(dialog.Edit2->text()), "100");
  EXPECT_EQ(Text(dialog.Edit3->text()), "32");
  EXPECT_EQ(Text(dialog.Edit4->text()), "32");
  EXPECT_EQ(dialog.Edit1->maxLength(), 5);
  EXPECT_EQ(dialog.Edit2->maxLength(), 5);
  EXPECT_EQ(dialog.Edit3->maxLength(), 3);
  EXPECT_EQ(dialog.Edit4->maxLength(), 3);
  EXPECT_TRUE(dialog.RadioButton1->isChecked());
  EXPECT_EQ(Text(dialog.RadioButton1->text()), "8ビット");
  EXPECT_EQ(Text(dialog.RadioButton2->text()), "16ビット");
  EXPECT_EQ(Text(dialog.OKButton->text()), "OK");
  EXPECT_EQ(Text(dialog.CancelButton->text()), "キャンセル");
  EXPECT_TRUE(dialog.OKButton->isDefault());
  EXPECT_EQ(Text(dialog.Label10->text()), "FMFデータサイズ：10020 byte");
  EXPECT_EQ(Text(dialog.Label11->text()), "最大パーツ画像サイズ：512 * 512 pixel");
}

TEST_F(NewDialogTest, FiguresFollowTheFields) {
  dialog.RadioButton2->click();
  EXPECT_EQ(Text(dialog.Label10->text()), "FMFデータサイズ：20020 byte");
  EXPECT_EQ(Text(dialog.Label11->text()), "最大パーツ画像サイズ：8192 * 8192 pixel");
  dialog.Edit1->setText("10000");
  dialog.Edit2->setText("10000");
  EXPECT_EQ(Text(dialog.Label10->text()), "FMFデータサイズ：200000020 byte");
  dialog.Edit1->setText("99999");  // as large as the field allows: no overflow
  dialog.Edit2->setText("99999");
  EXPECT_EQ(Text(dialog.Label10->text()), "FMFデータサイズ：19999600022 byte");
  dialog.Edit1->setText("abc");  // counts as 1
  dialog.Edit2->setText("7");
  dialog.Edit3->setText("");  // counts as 32
  dialog.Edit4->setText("10");
  dialog.RadioButton1->click();
  EXPECT_EQ(Text(dialog.Label10->text()), "FMFデータサイズ：27 byte");
  EXPECT_EQ(Text(dialog.Label11->text()), "最大パーツ画像サイズ：512 * 160 pixel");
}

TEST_F(NewDialogTest, OutOfRangeValuesAreReportedAndCorrected) {
  dialog.Edit1->setText("1");
  EXPECT_EQ(PressOK(), kWidth);
  EXPECT_EQ(Text(dialog.Edit1->text()), "2");
  EXPECT_EQ(dialog.Edit1->cursorPosition(), 1);

  dialog.Edit1->setText("10001");
  EXPECT_EQ(PressOK(), kWidth);
  EXPECT_EQ(Text(dialog.Edit1->text()), "10000");
  EXPECT_EQ(dialog.Edit1->cursorPosition(), 5);

  dialog.Edit2->setText("10001");
  EXPECT_EQ(PressOK(), kHeight);
  EXPECT_EQ(Text(dialog.Edit2->text()), "10000");

  dialog.Edit3->setText("1");
  EXPECT_EQ(PressOK(), kPartWidth);
  EXPECT_EQ(Text(dialog.Edit3->text()), "2");

  dialog.Edit4->setText("256");
  EXPECT_EQ(PressOK(), kPartHeight);
  EXPECT_EQ(Text(dialog.Edit4->text()), "255");

  EXPECT_EQ(PressOK(), "");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.MapWidth, 10000);
  EXPECT_EQ(dialog.MapHeight, 10000);
  EXPECT_EQ(dialog.PartWidth, 2);
  EXPECT_EQ(dialog.PartHeight, 255);
  EXPECT_EQ(dialog.BitsPerCell(), 8);
}

TEST_F(NewDialogTest, OnlyTheFirstFailingFieldIsReportedPerPress) {
  dialog.Edit1->setText("0");
  dialog.Edit2->setText("0");
  EXPECT_EQ(PressOK(), kWidth);
  EXPECT_EQ(Text(dialog.Edit2->text()), "0");
  EXPECT_EQ(PressOK(), kHeight);
  EXPECT_EQ(Text(dialog.Edit2->text()), "2");
  EXPECT_EQ(PressOK(), "");
}

TEST_F(NewDialogTest, FieldsWithoutANumber) {
  dialog.Edit1->setText("");
  dialog.Edit2->setText("x");
  dialog.Edit3->setText("");
  dialog.RadioButton2->click();
  EXPECT_EQ(PressOK(), "");
  EXPECT_EQ(dialog.MapWidth, 2);  // the value the check used
  EXPECT_EQ(dialog.MapHeight, 2);
  EXPECT_EQ(dialog.PartWidth, 32);  // the value the figures used
  EXPECT_EQ(dialog.BitsPerCell(), 16);
}

TEST_F(NewDialogTest, EscapeAndCancelClose) {
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.isVisible());
  dialog.show();
  dialog.setResult(QDialog::Accepted);
  dialog.CancelButton->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

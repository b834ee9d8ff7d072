#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "BoxExpectations.h"
#include "formats/ProjectRecords.h"
#include "windows/PrefsFormUnit.h"

namespace {

TProjectRecords Settings(bool enabled, uint16_t number) {
  TProjectRecords records;
  records.transparentPart.enabled = enabled;
  records.transparentPart.number = number;
  records.header.relativePaths = 1;
  records.comment = "一行目\r\n二行目";
  return records;
}

}  // namespace

TEST(PrefsForm, RoundTripsTheSettingsAndTheCommentsLineBreaks) {
  TPrefsForm form(16);
  form.PageControl1->setCurrentIndex(1);
  form.LoadFrom(Settings(true, 42));
  EXPECT_EQ(form.PageControl1->currentIndex(), 0);
  EXPECT_EQ(form.Memo->toPlainText(), QStringLiteral("一行目\n二行目"));
  TProjectRecords stored;
  form.StoreTo(stored);
  EXPECT_EQ(stored.transparentPart.enabled, 1);
  EXPECT_EQ(stored.transparentPart.number, 42);
  EXPECT_EQ(stored.header.relativePaths, 1);
  EXPECT_EQ(stored.comment, "一行目\r\n二行目");

  form.CheckBox2->setChecked(false);
  form.Edit1->setText(QString());  // no number stores 0
  form.StoreTo(stored);
  EXPECT_EQ(stored.header.relativePaths, 0);
  EXPECT_EQ(stored.transparentPart.number, 0);
}

TEST(PrefsForm, ThePartNumberIsEnabledOnlyWithTheBox) {
  TPrefsForm form(8);
  form.LoadFrom(Settings(false, 0));
  EXPECT_FALSE(form.Edit1->isEnabled());
  EXPECT_FALSE(form.Label1->isEnabled());
  form.show();
  // On the box itself: the check box is wider than its indicator and text.
  QTest::mouseClick(form.CheckBox1, Qt::LeftButton, {}, QPoint(6, form.CheckBox1->height() / 2));
  EXPECT_TRUE(form.Edit1->isEnabled());
  EXPECT_TRUE(form.Label1->isEnabled());
}

TEST(PrefsForm, AnOutOfRangeNumberIsRefusedOnlyWhileEnabled) {
  struct Case {
    int bits;
    bool enabled;
    const char* number;
    const char* message;  // nullptr: accepted
  };
  for (const Case& c : {Case{8, true, "300", "0から255までの値を指定してください。"},
                        Case{8, false, "300", nullptr}, Case{16, true, "300", nullptr},
                        Case{16, true, "65536", "0から65535までの値を指定してください。"}}) {
    ScopedPrompter prompter;
    TPrefsForm form(c.bits);
    form.LoadFrom(Settings(c.enabled, 0));
    form.Edit1->setText(QString::fromUtf8(c.number));
    form.show();
    QTest::mouseClick(form.OKButton, Qt::LeftButton);
    if (c.message) {
      ExpectOneErrorBox(prompter, c.message, &form);
      EXPECT_TRUE(form.isVisible());
    } else {
      EXPECT_TRUE(prompter.calls.empty());
      EXPECT_EQ(form.result(), QDialog::Accepted);
    }
  }
}

TEST(PrefsForm, CancelClosesWithoutChecking) {
  ScopedPrompter prompter;
  TPrefsForm form(8);
  form.LoadFrom(Settings(true, 300));
  form.show();
  QTest::mouseClick(form.CancelButton, Qt::LeftButton);
  EXPECT_TRUE(prompter.calls.empty());
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
}

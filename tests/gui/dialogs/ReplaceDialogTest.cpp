#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "BoxExpectations.h"
#include "windows/ReplaceDialogUnit.h"

namespace {

const char k8BitMessage[] = "0から255までの値を指定してください。";
const char k16BitMessage[] = "0から65535までの値を指定してください。";

struct Typed {
  Typed(int bits, const char* search, const char* replace) : dialog(bits) {
    dialog.show();
    dialog.Edit1->setText(QString::fromUtf8(search));
    dialog.Edit2->setText(QString::fromUtf8(replace));
  }
  TReplaceDialog dialog;
};

}  // namespace

TEST(ReplaceDialog, RefusesValuesBeyondTheMapsBits) {
  struct Case {
    int bits;
    const char *search, *replace, *message;
  };
  for (const Case& c :
       {Case{8, "256", "0", k8BitMessage}, Case{8, "0", "256", k8BitMessage},
        Case{8, "-1", "0", k8BitMessage}, Case{16, "65536", "0", k16BitMessage},
        Case{16, "99999999999", "1", k16BitMessage}, Case{16, "65536", "65536", k16BitMessage}}) {
    ScopedPrompter prompter;
    Typed typed(c.bits, c.search, c.replace);
    QTest::mouseClick(typed.dialog.ReplaceButton, Qt::LeftButton);
    ExpectOneErrorBox(prompter, c.message, &typed.dialog);
    EXPECT_TRUE(typed.dialog.isVisible()) << c.search << " -> " << c.replace;
  }
}

TEST(ReplaceDialog, AcceptsTheFullRangeAndReadsEmptyFieldsAsZero) {
  struct Case {
    int bits;
    const char *search, *replace;
    uint16_t searchValue, replaceValue;
  };
  for (const Case& c : {Case{8, "255", "0", 255, 0}, Case{16, "65535", "256", 65535, 256},
                        Case{8, "", "7", 0, 7}, Case{16, "12", " ", 12, 0}}) {
    ScopedPrompter prompter;
    Typed typed(c.bits, c.search, c.replace);
    typed.dialog.ReplaceButtonClick();
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_EQ(typed.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(typed.dialog.SearchPartNumber(), c.searchValue);
    EXPECT_EQ(typed.dialog.ReplacePartNumber(), c.replaceValue);
  }
}

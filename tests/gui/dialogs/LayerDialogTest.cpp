#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "windows/ChoiceComboBox.h"
#include "windows/CopyLayerDialogUnit.h"
#include "windows/NewLayerDialogUnit.h"

namespace {

const QStringList kImages = {QStringLiteral("grass.bmp"), QStringLiteral("town.bmp")};

void ShowAndSettle(QDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
}

}  // namespace

// QComboBox reports the first item as current after filling, whatever the field shows.
TEST(NewLayerDialog, SettingTheTextDoesNotChooseAnItem) {
  TNewLayerDialog dialog;
  dialog.SetChipSetItems(kImages + QStringList{QStringLiteral("参照なし")});
  dialog.SetChipSetText(QStringLiteral("town.bmp"));  // even the text of an existing item
  EXPECT_EQ(dialog.ChipSetCombo->currentText(), QStringLiteral("town.bmp"));
  EXPECT_EQ(dialog.ChosenChipSetIndex(), -1);
}

TEST(NewLayerDialog, AnItemChosenByTheUserIsReportedUntilTheFieldIsEdited) {
  TNewLayerDialog dialog;
  dialog.SetChipSetItems(kImages);
  dialog.SetChipSetText(QStringLiteral("参照なし"));
  ShowAndSettle(dialog);
  QTest::keyClick(dialog.ChipSetCombo, Qt::Key_Down);
  QTest::keyClick(dialog.ChipSetCombo, Qt::Key_Down);
  EXPECT_EQ(dialog.ChosenChipSetIndex(), 1);
  dialog.ChipSetCombo->setEditText(QStringLiteral("town.bm"));
  EXPECT_EQ(dialog.ChosenChipSetIndex(), -1);
  dialog.ChipSetCombo->Choose(0);
  dialog.SetChipSetItems(kImages);  // refilling starts over
  EXPECT_EQ(dialog.ChosenChipSetIndex(), -1);
}

TEST(NewLayerDialog, OpensWithTheNameSelectedSoTypingReplacesIt) {
  TNewLayerDialog dialog;
  dialog.SetLayerName(QStringLiteral("レイヤー3"));
  ShowAndSettle(dialog);
  ASSERT_EQ(dialog.focusWidget(), dialog.NameEdit);
  EXPECT_EQ(dialog.NameEdit->selectedText(), QStringLiteral("レイヤー3"));
  QTest::keyClicks(dialog.focusWidget(), QStringLiteral("sky"));
  QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.LayerName(), QStringLiteral("sky"));
}

TEST(CopyLayerDialog, ProposesACopyNameAndShowsTheSourceAsPlainText) {
  TCopyLayerDialog dialog;
  dialog.SetSourceName(QStringLiteral("<b>森</b>"));
  EXPECT_EQ(dialog.SrcNameLabel->textFormat(), Qt::PlainText);
  EXPECT_EQ(dialog.NewName(), QStringLiteral("<b>森</b>のコピー"));
  ShowAndSettle(dialog);
  EXPECT_EQ(dialog.focusWidget(), dialog.NameEdit);
  EXPECT_EQ(dialog.NameEdit->selectedText(), dialog.NewName());
}

TEST(LayerDialogs, EscapeAndCancelClose) {
  TNewLayerDialog escape;
  ShowAndSettle(escape);
  QTest::keyClick(escape.NameEdit, Qt::Key_Escape);
  EXPECT_FALSE(escape.isVisible());
  EXPECT_EQ(escape.result(), QDialog::Rejected);
  TCopyLayerDialog cancel;
  ShowAndSettle(cancel);
  QTest::mouseClick(cancel.CancelButton, Qt::LeftButton);
  EXPECT_FALSE(cancel.isVisible());
  EXPECT_EQ(cancel.result(), QDialog::Rejected);
}

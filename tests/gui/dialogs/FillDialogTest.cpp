#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTest>

#include "windows/FillDialogUnit.h"
#include "windows/FillItemDelegate.h"

namespace {

const QColor kBase(255, 255, 255);
const QColor kGreyText(120, 120, 120);

// One row of the list, 60 x 18 pixels, drawn by the delegate on a white base.
QImage RenderRow(const QString& text) {
  QStandardItemModel model;
  model.appendRow(new QStandardItem(text));
  QStyleOptionViewItem option;
  option.rect = QRect(0, 0, 60, FillItemDelegate::kRowHeight);
  option.palette.setColor(QPalette::Base, kBase);
  option.palette.setColor(QPalette::Text, Qt::black);
  option.palette.setColor(QPalette::Disabled, QPalette::Text, kGreyText);
  QImage image(option.rect.size(), QImage::Format_RGB32);
  image.fill(Qt::red);
  QPainter painter(&image);
  FillItemDelegate().paint(&painter, option, model.index(0, 0));
  return image;
}

// The smallest rectangle holding every pixel that differs from the base colour.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != kBase) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace

TEST(FillDialog, StartsOnTheFirstItemAndTheSeparatorFallsBackToIt) {
  TFillDialog dialog;
  EXPECT_EQ(dialog.ComboBox1->count(), 4);
  EXPECT_EQ(dialog.ItemIndex(), TFillDialog::kSelectedParts);
  dialog.ComboBox1->setCurrentIndex(TFillDialog::kTransparentPart);
  EXPECT_EQ(dialog.ItemIndex(), TFillDialog::kTransparentPart);
  dialog.ComboBox1->setCurrentIndex(TFillDialog::kSeparator);
  EXPECT_EQ(dialog.ItemIndex(), TFillDialog::kSelectedParts);
}

// Arrow keys on the closed list and in the open one pass over the separator both ways, so
// that every item can be reached from the keyboard.
TEST(FillDialog, ArrowKeysStepOverTheSeparator) {
  TFillDialog dialog;
  QComboBox* list = dialog.ComboBox1;
  const std::vector<std::pair<Qt::Key, int>> steps = {
      {Qt::Key_Down, TFillDialog::kPattern},         {Qt::Key_Down, TFillDialog::kTransparentPart},
      {Qt::Key_Down, TFillDialog::kTransparentPart}, {Qt::Key_Up, TFillDialog::kPattern},
      {Qt::Key_Up, TFillDialog::kSelectedParts},     {Qt::Key_Up, TFillDialog::kSelectedParts}};
  for (const auto& [key, expected] : steps) {
    QTest::keyClick(list, key);
    EXPECT_EQ(dialog.ItemIndex(), expected);
  }
  list->setCurrentIndex(TFillDialog::kPattern);
  list->showPopup();
  QTest::keyClick(list->view(), Qt::Key_Down);
  QTest::keyClick(list->view(), Qt::Key_Return);
  EXPECT_EQ(dialog.ItemIndex(), TFillDialog::kTransparentPart);
}

TEST(FillItemDelegate, DrawsTheSeparatorAsAGreyLineAtHalfHeight) {
  const QImage row = RenderRow(QStringLiteral("-"));
  const int y = FillItemDelegate::kRowHeight / 2;
  EXPECT_EQ(row.pixelColor(4, y), kGreyText);
  EXPECT_EQ(row.pixelColor(55, y), kGreyText);
  EXPECT_EQ(InkBounds(row), QRect(4, y, 52, 1));  // 4 pixels in from both ends, nothing else
}

TEST(FillItemDelegate, DrawsTextInsetFromTheTopLeftOfAnEighteenPixelRow) {
  const QRect ink = InkBounds(RenderRow(QStringLiteral("定義パターン")));
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 10);
  EXPECT_LE(ink.left(), 12);
  EXPECT_GE(ink.top(), 3);
  TFillDialog dialog;
  const QModelIndex index = dialog.ComboBox1->model()->index(0, 0);
  EXPECT_EQ(dialog.ComboBox1->itemDelegate()->sizeHint(QStyleOptionViewItem(), index).height(), 18);
}

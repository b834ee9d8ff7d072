#pragma once
// Draws the rows of the fill dialog's list: a text inset from the row's corner, and the "-"
// row as a grey separator line.
#include <QStyledItemDelegate>

class FillItemDelegate : public QStyledItemDelegate {
 public:
  static constexpr int kRowHeight = 18;

  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

#include "windows/FillItemDelegate.h"

#include <QPainter>

void FillItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const QRect r = option.rect;
  const QString text = index.data(Qt::DisplayRole).toString();
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  // The separator is a disabled row; it keeps the list's white all the same.
  painter->fillRect(r, selected ? option.palette.highlight()
                                : option.palette.brush(QPalette::Normal, QPalette::Base));
  if (text == QLatin1String("-")) {
    painter->setPen(QPen(option.palette.color(QPalette::Disabled, QPalette::Text), 0));
    const int y = r.top() + r.height() / 2;
    painter->drawLine(r.left() + 4, y, r.right() - 4, y);
  } else {
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(r.adjusted(10, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
  }
  painter->restore();
}

QSize FillItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  return QSize(QStyledItemDelegate::sizeHint(option, index).width() + 10, kRowHeight);
}

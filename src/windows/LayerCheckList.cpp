#include "windows/LayerCheckList.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "windows/LayerFormUnit.h"

namespace {

const int kRowHeight = 16;

// Rows 16 pixels high whose check box lies within the list's first 14 pixels, where a drop,
// the popup menu and a double click do not reach: the style's item is drawn and hit-tested
// a little further left than it would place it.
class TLayerRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, Shifted(option), index);
  }
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
    return QStyledItemDelegate::editorEvent(event, model, Shifted(option), index);
  }

 private:
  static QStyleOptionViewItem Shifted(const QStyleOptionViewItem& option) {
    QStyleOptionViewItem shifted(option);
    const QWidget* list = option.widget;
    QStyleOptionViewItem probe(option);
    probe.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QStyle* style = list ? list->style() : QApplication::style();
    const int right =
        style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &probe, list).right() -
        option.rect.left();
    shifted.rect.setLeft(option.rect.left() - std::max(0, right - TLayerForm::kCheckBoxColumn));
    return shifted;
  }
};

}  // namespace

TLayerCheckList::TLayerCheckList(TLayerForm* form, QWidget* parent)
    : QListWidget(parent), form_(form) {
  QFont rows = font();
  rows.setPixelSize(16);
  setFont(rows);
  setItemDelegate(new TLayerRowDelegate(this));
  setMouseTracking(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(false);
  // The window's stored size decides how many rows show, however few.
  setMinimumSize(1, 1);
}

void TLayerCheckList::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  pressPos_ = pos;
  pressedOnRow_ = event->button() == Qt::LeftButton && itemAt(pos) != nullptr;
  dragging_ = false;
  // A press on a row's check box chooses that row too; the base class would only toggle it.
  if (QListWidgetItem* item = itemAt(pos)) setCurrentItem(item);
  QListWidget::mousePressEvent(event);
}

// While the left button is held the selection stays on the dragged row; the base class would
// let it follow the pointer.
void TLayerCheckList::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!(event->buttons() & Qt::LeftButton)) {
    form_->CheckListMouseMove(pos);
    QListWidget::mouseMoveEvent(event);
    return;
  }
  if (!pressedOnRow_) return;
  if (!dragging_ && (pos - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
  dragging_ = true;
  viewport()->setCursor(form_->CheckListDragOver(pos) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void TLayerCheckList::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  pressedOnRow_ = false;
  if (dragging_) {
    EndDrag(pos);
    if (form_->CheckListDragOver(pos)) form_->CheckListDragDrop(pos);
    return;
  }
  QListWidget::mouseReleaseEvent(event);
  form_->CheckListMouseUp();
}

void TLayerCheckList::EndDrag(const QPoint& pos) {
  dragging_ = false;
  form_->CheckListMouseMove(pos);
}

void TLayerCheckList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  form_->CheckListDblClick(event->position().toPoint());
}

void TLayerCheckList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (MainForm) MainForm->HideTollWindows();
    return;
  }
  QListWidget::keyPressEvent(event);
}

void TLayerCheckList::keyReleaseEvent(QKeyEvent* event) {
  QListWidget::keyReleaseEvent(event);
  form_->CheckListKeyUp(event->key());
}

void TLayerCheckList::contextMenuEvent(QContextMenuEvent* event) {
  if (form_->PopupAllowedAt(event->pos())) form_->PopupMenu1->exec(event->globalPos());
}

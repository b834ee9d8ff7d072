#pragma once
// The layer window's check list. A row dragged with the left button is dropped onto another
// row to swap the two layers; the window decides where a drop is allowed. Everything else a
// press, release, double click, key or context-menu request means is the window's too.
#include <QListWidget>

class TLayerForm;

class TLayerCheckList : public QListWidget {
 public:
  TLayerCheckList(TLayerForm* form, QWidget* parent);

  bool Dragging() const { return dragging_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void EndDrag(const QPoint& pos);

  TLayerForm* form_;
  QPoint pressPos_;
  bool pressedOnRow_ = false;
  bool dragging_ = false;
};

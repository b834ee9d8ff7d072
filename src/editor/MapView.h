#pragma once
// The widget below the toolbar that shows the main window's back buffer and hands its mouse,
// wheel and key events to the main window's handlers in client coordinates. The two scroll bars
// and the square between them are its children, placed by TMainForm::FormResize.
#include <QWidget>

class TMainForm;

class TMapView : public QWidget {
 public:
  explicit TMapView(TMainForm* form);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QPoint ClientPoint(const QPointF& position) const;

  TMainForm* form_;
  int wheelAngle_ = 0;  // eighths of a degree not yet turned into wheel steps
};

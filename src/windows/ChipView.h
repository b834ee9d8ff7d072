#pragma once
// The parts window's view below its toolbar: shows the back buffer and hands its mouse events
// to the window in view coordinates.
#include <QWidget>

class TChipForm;

class TChipView : public QWidget {
 public:
  explicit TChipView(TChipForm* form);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TChipForm* form_;
};

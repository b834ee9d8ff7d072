#include "editor/StatusBar.h"

#include <QLabel>
#include <cmath>

namespace {

// A panel asks for its width but gives way when the bar is narrower, so that panel widths
// never hold the window open.
class TStatusPanel : public QLabel {
 public:
  TStatusPanel(const QString& text, int width, QWidget* parent) : QLabel(text, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetWidth(width);
  }
  int Width() const { return width_; }
  void SetWidth(int width) {
    width_ = width;
    setMaximumWidth(width);
    updateGeometry();
  }
  QSize sizeHint() const override { return {width_, QLabel::sizeHint().height()}; }
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 private:
  int width_ = 0;
};

TStatusPanel* Panel(const std::vector<QLabel*>& panels, int index) {
  return static_cast<TStatusPanel*>(panels.at(static_cast<size_t>(index)));
}

}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
  setSizeGripEnabled(false);
}

void TStatusBar::AddPanel(const QString& text, int width) {
  auto* panel = new TStatusPanel(text, width, this);
  addWidget(panel);
  panels_.push_back(panel);
}

QString TStatusBar::PanelText(int index) const {
  return Panel(panels_, index)->text();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
  Panel(panels_, index)->setText(text);
}

int TStatusBar::PanelWidth(int index) const {
  return Panel(panels_, index)->Width();
}

void TStatusBar::SizePanelsToThirds() {
  const int third = static_cast<int>(std::ceil(width() * 0.33));
  for (int i = 0; i < PanelCount(); ++i) Panel(panels_, i)->SetWidth(third);
}

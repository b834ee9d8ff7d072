#pragma once
// A status bar of fixed-width text panels, addressed by index.
#include <QStatusBar>
#include <QString>
#include <vector>

class QLabel;

class TStatusBar : public QStatusBar {
 public:
  explicit TStatusBar(QWidget* parent);

  void AddPanel(const QString& text, int width);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  QString PanelText(int index) const;
  void SetPanelText(int index, const QString& text);
  int PanelWidth(int index) const;
  // Gives every panel a third of the bar's width, rounded up, as the windows do on resizing.
  void SizePanelsToThirds();

 private:
  std::vector<QLabel*> panels_;
};

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
  void SetPanelWidth(int index, int width);

 private:
  std::vector<QLabel*> panels_;
};

#pragma once
// The progress window of long file operations. The user cannot close it; its owner deletes it
// when the operation ends.
#include <QCoreApplication>
#include <QDialog>

class QProgressBar;

class TProgressForm : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TProgressForm)

 public:
  explicit TProgressForm(QWidget* parent = nullptr);

  // Sets the range min..max at position 0 and shows the window.
  void Start(int min, int max);
  // One step further, drawn at once, while below the maximum.
  void Process();
  bool Started() const { return started_; }
  // Escape would otherwise hide the window.
  void reject() override;

  QProgressBar* ProgressBar;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool started_ = false;
};

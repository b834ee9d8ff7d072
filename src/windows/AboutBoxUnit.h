#pragma once
// The version dialog: program name, version, and the memory figures with an animated usage
// gauge and caption.
#include <QCoreApplication>
#include <QDialog>

#include "windows/AboutBoxFigures.h"

class QLabel;
class QProgressBar;
class QTimer;

class TAboutBox : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TAboutBox)

 public:
  // The caption's text once its animation has filled it in.
  static const QString kCaption;

  explicit TAboutBox(QWidget* parent = nullptr);
  TAboutBox(const MemoryStatus& memory, QWidget* parent = nullptr);

  // One 30-ms step of the caption and the gauge.
  void AnimationTick();
  bool Animating() const;

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* PhysicalLines[3];
  QLabel* HeapLines[3];
  QProgressBar* Gauge;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* MakePhysicalGroup(const MemoryStatus& memory);
  QWidget* MakeHeapGroup(const MemoryStatus& memory);
  void StepCaption();
  void StepGauge();

  QTimer* timer_;
  int memoryLoad_;
  int captionStep_ = 0;
  bool captionDone_ = false;
  bool gaugeDone_ = false;
};

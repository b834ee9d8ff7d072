#pragma once
// The progress window of one file operation: made when the operation starts, deleted when it
// ends, after a failure too.
#include <memory>

#include "formats/ProjectLoadHost.h"

class QWidget;
class TProgressForm;

class TFileProgress : public IProgressSink {
 public:
  explicit TFileProgress(QWidget* owner);
  ~TFileProgress() override;

  void Start(int maximum) override;  // shows the window with the range 0 .. maximum
  void Step() override;
  void Finish() override;  // deletes the window; safe to call more than once

  // The range and steps of the last operation, for the tests.
  static int LastMaximum;
  static int LastSteps;
  // Some file operation is running (its window lets timers run between steps).
  static bool Running() { return Live > 0; }

 private:
  static int Live;
  QWidget* owner_;
  std::unique_ptr<TProgressForm> form_;
};

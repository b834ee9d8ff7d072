#include "editor/FileProgress.h"

#include "windows/ProgressFormUnit.h"

int TFileProgress::LastMaximum = -1;
int TFileProgress::LastSteps = 0;
int TFileProgress::Live = 0;

TFileProgress::TFileProgress(QWidget* owner) : owner_(owner) {
  ++Live;
}

TFileProgress::~TFileProgress() {
  Finish();
  --Live;
}

void TFileProgress::Start(int maximum) {
  form_ = std::make_unique<TProgressForm>(owner_);
  form_->Start(0, maximum);
  LastMaximum = maximum;
  LastSteps = 0;
}

void TFileProgress::Step() {
  if (!form_) return;
  form_->Process();
  ++LastSteps;
}

void TFileProgress::Finish() {
  form_.reset();
}

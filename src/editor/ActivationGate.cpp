#include "editor/ActivationGate.h"

void TActivationGate::Deactivated(int64_t nowMs) {
  if (away_) return;
  away_ = true;
  leftAt_ = nowMs;
}

bool TActivationGate::Activated(int64_t nowMs) {
  const bool first = !seen_;
  const bool cameBack = away_ && nowMs - leftAt_ >= kAwayMs;
  seen_ = true;
  away_ = false;
  return first || cameBack;
}

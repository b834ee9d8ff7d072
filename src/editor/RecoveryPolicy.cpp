#include "editor/RecoveryPolicy.h"

#include <algorithm>

void TRecoveryPolicy::Observe(int64_t now, uint64_t revision, bool modified) {
  modified_ = modified;
  if (!modified) firstChange_ = -1;
  if (revision == seen_) return;
  seen_ = revision;
  if (!modified) return;
  lastChange_ = now;
  if (firstChange_ < 0) firstChange_ = now;
}

TRecoveryAction TRecoveryPolicy::Next(int64_t now) const {
  if (writing_) return TRecoveryAction::None;
  if (onDisk_ && (removeWanted_ || !modified_)) return TRecoveryAction::Remove;
  if (!modified_ || firstChange_ < 0 || now < retryAt_) return TRecoveryAction::None;
  const bool paused = now - lastChange_ >= timing_.pauseMs;
  const bool overdue = now - firstChange_ >= timing_.maxDelayMs;
  return paused || overdue ? TRecoveryAction::Write : TRecoveryAction::None;
}

void TRecoveryPolicy::WriteStarted() {
  writing_ = true;
  writingSince_ = firstChange_;
  firstChange_ = -1;
}

void TRecoveryPolicy::WriteFinished(int64_t now, bool ok) {
  writing_ = false;
  if (ok) {
    onDisk_ = true;
    return;
  }
  if (!onDisk_) removeWanted_ = false;
  if (writingSince_ >= 0 && modified_)
    firstChange_ = firstChange_ < 0 ? writingSince_ : std::min(firstChange_, writingSince_);
  retryAt_ = now + timing_.maxDelayMs;
}

void TRecoveryPolicy::Discard() {
  firstChange_ = -1;
  writingSince_ = -1;  // what the write in flight holds is given up too
  removeWanted_ = onDisk_ || writing_;
}

void TRecoveryPolicy::Adopt(uint64_t revision) {
  seen_ = revision;
  modified_ = true;
  firstChange_ = -1;
  onDisk_ = true;
  removeWanted_ = false;
}

TLeftCopySort SortLeftCopies(std::vector<TLeftCopy> copies, int64_t nowMs) {
  TLeftCopySort sort;
  std::stable_sort(copies.begin(), copies.end(), [](const TLeftCopy& a, const TLeftCopy& b) {
    return a.writtenMs > b.writtenMs;
  });
  for (TLeftCopy& copy : copies)
    (nowMs - copy.writtenMs > kRecoveryKeepMs ? sort.expired : sort.offer).push_back(copy);
  return sort;
}

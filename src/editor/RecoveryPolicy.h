#pragma once
// When to write, keep and remove the recovery copy of the open document, and which copies left
// by earlier runs to offer. Plain code: the caller passes the time (milliseconds of a clock of
// its choice) and carries out the actions.
#include <cstdint>
#include <string>
#include <vector>

struct TRecoveryTiming {
  int64_t pauseMs = 3000;      // quiet time after the last change before a copy is written
  int64_t maxDelayMs = 60000;  // longest time a change waits while changes go on
};

enum class TRecoveryAction { None, Write, Remove };

class TRecoveryPolicy {
 public:
  explicit TRecoveryPolicy(TRecoveryTiming timing = {}) : timing_(timing) {}

  // A look at the document: its revision and whether it has unsaved changes.
  void Observe(int64_t now, uint64_t revision, bool modified);
  // What to do now.
  TRecoveryAction Next(int64_t now) const;
  void WriteStarted();
  // A failed write is tried again after the longest delay.
  void WriteFinished(int64_t now, bool ok);
  void Removed() { onDisk_ = removeWanted_ = false; }
  // The user saved or gave up the changes: the copy goes, and only a new change makes another.
  void Discard();
  // A restored copy stands for the document at `revision`.
  void Adopt(uint64_t revision);
  bool Writing() const { return writing_; }
  bool OnDisk() const { return onDisk_; }

 private:
  TRecoveryTiming timing_;
  uint64_t seen_ = 0;
  bool modified_ = false;
  int64_t firstChange_ = -1;  // the oldest change that no copy holds yet, -1 for none
  int64_t lastChange_ = 0;
  int64_t retryAt_ = 0;
  int64_t writingSince_ = -1;  // firstChange_ of the write in flight
  bool writing_ = false;
  bool onDisk_ = false;
  bool removeWanted_ = false;
};

// A copy found at start-up whose editor no longer runs.
struct TLeftCopy {
  std::string id;
  int64_t writtenMs = 0;  // wall clock, ms since the epoch
};

struct TLeftCopySort {
  std::vector<TLeftCopy> offer;  // newest first
  std::vector<TLeftCopy> expired;
};

constexpr int64_t kRecoveryKeepMs = int64_t{30} * 24 * 60 * 60 * 1000;

// Copies older than 30 days expire; the others are offered, newest first.
TLeftCopySort SortLeftCopies(std::vector<TLeftCopy> copies, int64_t nowMs);

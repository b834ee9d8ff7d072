#pragma once
// Keeps a recovery copy of the open document while it has unsaved changes, and offers the
// copies of editors that stopped unexpectedly at start-up. The editor's thread only looks at
// the document and takes a snapshot; a worker thread encodes and writes it.
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "editor/RecoveryPolicy.h"
#include "editor/RecoveryStore.h"
#include "formats/FileResult.h"

class TRecoverySnapshot;

class TRecoveryKeeper : public QObject {
 public:
  using Clock = std::function<int64_t()>;  // milliseconds

  // `clock` drives the policy (a steady clock when empty), `wallClock` the age of left copies
  // (the system's when empty).
  explicit TRecoveryKeeper(const QString& folder, Clock clock = {}, Clock wallClock = {},
                           TRecoveryTiming timing = {});
  // Waits for the writer. The copy stays unless it was discarded.
  ~TRecoveryKeeper() override;

  // The keeper that the editor's commands reach through ForgetRecoveryCopy.
  static TRecoveryKeeper* Installed();

  // Looks at the document every half second.
  void Start();
  // One look at the document, and what the policy asks for.
  void Tick();
  // The document was saved or its changes given up.
  void Discard();
  // Asks whether to restore a copy left by an editor that is no longer running.
  void OfferLeftCopies();
  // Waits for a write in flight and takes its result.
  void WaitForWriter();

  const QString& Id() const { return id_; }
  const TRecoveryPolicy& Policy() const { return policy_; }
  TRecoveryStore& Store() { return store_; }

 private:
  bool Busy() const;
  void StartWrite();
  void Collect();
  void RemoveCopy();
  void ReportFailure(const std::string& reason);
  bool Restore(const TLeftCopyFile& file);

  TRecoveryStore store_;
  TRecoveryPolicy policy_;
  Clock clock_;
  Clock wallClock_;
  QString id_;
  QTimer timer_;
  std::unique_ptr<TRecoverySnapshot> snapshot_;  // kept between writes for its arrays
  std::thread writer_;
  std::atomic<bool> written_{false};
  TFileResult result_;
  bool reported_ = false;
  TRecoveryKeeper* previous_ = nullptr;
};

// Tells the installed keeper that the document was saved or its changes given up.
void ForgetRecoveryCopy();

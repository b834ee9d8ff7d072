#include "editor/RecoveryKeeper.h"

#include <QApplication>
#include <QDateTime>
#include <QStatusBar>
#include <chrono>
#include <exception>
#include <iostream>
#include <vector>

#include "editor/FileProgress.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/RecoverySnapshot.h"
#include "editor/RecoveryTexts.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"

namespace {

TRecoveryKeeper* installed = nullptr;

int64_t SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int64_t WallMs() {
  return QDateTime::currentMSecsSinceEpoch();
}

// Unique among the editors of this machine and the keepers of this process.
QString NewId() {
  static int made = 0;
  return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
         QStringLiteral("-%1-%2").arg(QCoreApplication::applicationPid()).arg(++made);
}

}  // namespace

TRecoveryKeeper::TRecoveryKeeper(const QString& folder, Clock clock, Clock wallClock,
                                 TRecoveryTiming timing)
    : store_(folder),
      policy_(timing),
      clock_(clock ? std::move(clock) : Clock(SteadyMs)),
      wallClock_(wallClock ? std::move(wallClock) : Clock(WallMs)),
      id_(NewId()),
      previous_(installed) {
  installed = this;
  timer_.setInterval(500);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

TRecoveryKeeper::~TRecoveryKeeper() {
  timer_.stop();
  WaitForWriter();
  if (policy_.Next(clock_()) == TRecoveryAction::Remove) RemoveCopy();
  if (installed == this) installed = previous_;
}

TRecoveryKeeper* TRecoveryKeeper::Installed() {
  return installed;
}

void TRecoveryKeeper::Start() {
  timer_.start();
}

// Modal windows and file operations run nested event loops in which the document may be half
// set up.
bool TRecoveryKeeper::Busy() const {
  return QApplication::activeModalWidget() != nullptr || TFileProgress::Running();
}

void TRecoveryKeeper::Tick() {
  if (!Map || !MainForm || Busy()) return;
  const int64_t now = clock_();
  policy_.Observe(now, Map->Revision(), Map->IsModified());
  switch (policy_.Next(now)) {
    case TRecoveryAction::Write:
      StartWrite();
      break;
    case TRecoveryAction::Remove:
      RemoveCopy();
      break;
    case TRecoveryAction::None:
      break;
  }
}

void TRecoveryKeeper::Discard() {
  if (Map) policy_.Observe(clock_(), Map->Revision(), Map->IsModified());
  policy_.Discard();
  if (policy_.Next(clock_()) == TRecoveryAction::Remove) RemoveCopy();
}

void TRecoveryKeeper::RemoveCopy() {
  store_.Remove(id_);
  policy_.Removed();
  snapshot_.reset();
}

void TRecoveryKeeper::StartWrite() {
  policy_.WriteStarted();
  if (!store_.Lock(id_)) {
    policy_.WriteFinished(clock_(), false);
    ReportFailure(recoverytext::FolderFailure(store_.Folder().toStdString()));
    return;
  }
  try {
    if (!snapshot_) snapshot_ = std::make_unique<TRecoverySnapshot>();
    snapshot_->Take(*Map, MainForm->RecordsToSave());
  } catch (const std::exception& e) {
    snapshot_.reset();
    policy_.WriteFinished(clock_(), false);
    ReportFailure(e.what());
    return;
  }
  TRecoveryNote note;
  note.originalPath = MainForm->FileName;
  note.name = MainForm->MapName;
  note.relativePaths = MainForm->Records.header.relativePaths != 0;
  const std::string copyPath = store_.CopyPath(id_);
  const std::string notePath = store_.NotePath(id_);
  written_ = false;
  writer_ = std::thread([this, note, copyPath, notePath] {
    TFileResult result;
    try {
      result = TRecoveryStore::WriteNote(notePath, note)
                   ? snapshot_->Write(copyPath)
                   : TFileResult::Failure(recoverytext::FolderFailure(notePath));
    } catch (const std::exception& e) {
      result = TFileResult::Failure(e.what());
    }
    result_ = result;
    written_ = true;
    QMetaObject::invokeMethod(
        this, [this] { Collect(); }, Qt::QueuedConnection);
  });
}

void TRecoveryKeeper::Collect() {
  if (writer_.joinable() && written_) WaitForWriter();
}

void TRecoveryKeeper::WaitForWriter() {
  if (!writer_.joinable()) return;
  writer_.join();
  policy_.WriteFinished(clock_(), result_.ok);
  if (!result_.ok) ReportFailure(result_.reason);
  if (policy_.Next(clock_()) == TRecoveryAction::Remove) RemoveCopy();
}

void TRecoveryKeeper::ReportFailure(const std::string& reason) {
  const std::string text = recoverytext::WriteFailure(reason);
  std::cerr << "brimwell: " << text << std::endl;
  if (!reported_) {
    reported_ = true;
    Prompter().MessageBox(MainForm, text, recoverytext::WarningCaption(), MsgIcon::Warning,
                          MsgButtons::OK);
  } else if (MainForm && MainForm->statusBar()) {
    MainForm->statusBar()->showMessage(QString::fromStdString(text), 10000);
  }
}

void TRecoveryKeeper::OfferLeftCopies() {
  std::vector<TLeftCopyFile> files = store_.TakeLeftCopies();
  std::vector<TLeftCopy> copies;
  for (const TLeftCopyFile& f : files) copies.push_back(f.copy);
  const TLeftCopySort sort = SortLeftCopies(copies, wallClock_());
  for (const TLeftCopy& copy : sort.expired) {
    store_.Remove(QString::fromStdString(copy.id));
    store_.Unlock(QString::fromStdString(copy.id));
  }
  if (sort.offer.empty()) return;
  std::vector<TLeftCopyFile> offered;
  std::vector<std::string> items;
  for (const TLeftCopy& copy : sort.offer) {
    for (const TLeftCopyFile& f : files)
      if (f.copy.id == copy.id) offered.push_back(f);
    items.push_back(recoverytext::CopyLine(offered.back().note.name, copy.writtenMs));
  }
  int chosen = 0;
  const MsgResult answer =
      offered.size() == 1
          ? Prompter().MessageBox(MainForm, recoverytext::OneCopyQuestion(items[0]),
                                  recoverytext::kCaption, MsgIcon::Question,
                                  MsgButtons::YesNoDiscard)
          : Prompter().ListBox(MainForm, recoverytext::ManyCopiesQuestion(offered.size()),
                               recoverytext::kCaption, items, MsgButtons::YesNoDiscard, chosen);
  if (chosen < 0 || chosen >= static_cast<int>(offered.size())) chosen = 0;
  for (size_t i = 0; i < offered.size(); ++i) {
    const QString id = QString::fromStdString(offered[i].copy.id);
    if (answer == MsgResult::Yes && static_cast<int>(i) == chosen && Restore(offered[i])) continue;
    if (answer == MsgResult::Discard) store_.Remove(id);
    store_.Unlock(id);
  }
}

// The restored document takes over the copy it came from, lock and all.
bool TRecoveryKeeper::Restore(const TLeftCopyFile& file) {
  const QString id = QString::fromStdString(file.copy.id);
  if (!MainForm || !MainForm->RestoreRecoveryCopy(store_.CopyPath(id), file.note)) return false;
  WaitForWriter();
  if (policy_.OnDisk()) RemoveCopy();
  store_.Unlock(id_);
  id_ = id;
  policy_.Adopt(Map->Revision());
  return true;
}

void ForgetRecoveryCopy() {
  if (installed) installed->Discard();
}

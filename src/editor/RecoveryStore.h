#pragma once
// The folder of recovery copies. A copy `id` is the project file id.bwp, its note id.info
// (where the document belongs) and its lock id.lock, held by the editor that keeps the copy,
// so that editors running side by side never take each other's copies.
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/RecoveryPolicy.h"

class QLockFile;

// Where a copy's document belongs.
struct TRecoveryNote {
  std::string originalPath;    // full path of the project file, empty when never saved
  std::string name;            // the name the title shows
  bool relativePaths = false;  // the project's own setting; copies store relative paths
};

struct TLeftCopyFile {
  TLeftCopy copy;
  TRecoveryNote note;
};

class TRecoveryStore {
 public:
  // The per-user folder, for the editor.
  static QString DefaultFolder();

  explicit TRecoveryStore(const QString& folder);
  ~TRecoveryStore();  // releases the locks still held; the copies stay

  const QString& Folder() const { return folder_; }
  std::string CopyPath(const QString& id) const;
  std::string NotePath(const QString& id) const;
  // False when another running editor holds the lock, or the folder cannot be made.
  bool Lock(const QString& id);
  void Unlock(const QString& id);
  // Removes the copy and its note, keeping the lock.
  void Remove(const QString& id);
  // Copies whose editors no longer run, locked for this editor until Unlock or Remove. Bits
  // of copies without a project file are cleared away.
  std::vector<TLeftCopyFile> TakeLeftCopies();

  // Written on the writer's thread, before the copy.
  static bool WriteNote(const std::string& path, const TRecoveryNote& note);
  static TRecoveryNote ReadNote(const std::string& path);

 private:
  QString folder_;
  std::map<QString, std::unique_ptr<QLockFile>> locks_;
};

#include "editor/RecoveryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

namespace {

QString IdOf(const QString& fileName) {
  return fileName.section(QLatin1Char('.'), 0, 0);
}

std::string Line(const QString& key, const std::string& value) {
  return key.toStdString() + "=" + value + "\n";
}

}  // namespace

QString TRecoveryStore::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
         QStringLiteral("/recovery");
}

TRecoveryStore::TRecoveryStore(const QString& folder) : folder_(folder) {}

TRecoveryStore::~TRecoveryStore() = default;

std::string TRecoveryStore::CopyPath(const QString& id) const {
  return (folder_ + QLatin1Char('/') + id + QStringLiteral(".bwp")).toStdString();
}

std::string TRecoveryStore::NotePath(const QString& id) const {
  return (folder_ + QLatin1Char('/') + id + QStringLiteral(".info")).toStdString();
}

bool TRecoveryStore::Lock(const QString& id) {
  if (locks_.count(id)) return true;
  if (!QDir().mkpath(folder_)) return false;
  QFile::setPermissions(folder_,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  auto lock =
      std::make_unique<QLockFile>(folder_ + QLatin1Char('/') + id + QStringLiteral(".lock"));
  // Held for the whole run: only a dead process makes a lock stale, never its age.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return false;
  locks_[id] = std::move(lock);
  return true;
}

void TRecoveryStore::Unlock(const QString& id) {
  locks_.erase(id);
}

void TRecoveryStore::Remove(const QString& id) {
  const QDir dir(folder_);
  for (const QString& name : dir.entryList({id + QStringLiteral(".*")}, QDir::Files))
    if (!name.endsWith(QLatin1String(".lock"))) QFile::remove(dir.filePath(name));
}

std::vector<TLeftCopyFile> TRecoveryStore::TakeLeftCopies() {
  std::vector<TLeftCopyFile> left;
  const QDir dir(folder_);
  QSet<QString> ids;
  for (const QString& name : dir.entryList(QDir::Files)) ids.insert(IdOf(name));
  for (const QString& id : ids) {
    if (id.isEmpty() || locks_.count(id) || !Lock(id)) continue;
    const QFileInfo copy(QString::fromStdString(CopyPath(id)));
    if (!copy.exists()) {
      Remove(id);
      Unlock(id);
      continue;
    }
    TLeftCopyFile file;
    file.copy.id = id.toStdString();
    file.copy.writtenMs = copy.lastModified().toMSecsSinceEpoch();
    file.note = ReadNote(NotePath(id));
    left.push_back(file);
  }
  return left;
}

bool TRecoveryStore::WriteNote(const std::string& path, const TRecoveryNote& note) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string text = Line(QStringLiteral("path"), note.originalPath) +
                           Line(QStringLiteral("name"), note.name) +
                           Line(QStringLiteral("relative"), note.relativePaths ? "1" : "0");
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

TRecoveryNote TRecoveryStore::ReadNote(const std::string& path) {
  TRecoveryNote note;
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return note;
  for (const QByteArray& line : file.readAll().split('\n')) {
    const int eq = static_cast<int>(line.indexOf('='));
    if (eq < 0) continue;
    const QByteArray key = line.left(eq);
    const std::string value = line.mid(eq + 1).toStdString();
    if (key == "path") note.originalPath = value;
    if (key == "name") note.name = value;
    if (key == "relative") note.relativePaths = value == "1";
  }
  return note;
}

#include "formats/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

#include "platform/Errors.h"

namespace {

constexpr size_t kGatherBytes = 1 << 20;

int SyncData(int fd) {
  return fdatasync(fd);
}

TFileSystemCalls& Calls() {
  static TFileSystemCalls calls{&::write, &SyncData, &::close};
  return calls;
}

// A link is followed so that saving through it replaces the file it points at, not the link.
std::string FollowLink(const std::string& path) {
  struct stat link;
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string TempSuffix() {
  static std::mt19937 random{std::random_device{}()};
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix = ".";
  for (int i = 0; i < 6; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
  return suffix;
}

}  // namespace

const TFileSystemCalls& FileSystemCalls() {
  return Calls();
}

TFileSystemCalls SetFileSystemCalls(const TFileSystemCalls& calls) {
  const TFileSystemCalls previous = Calls();
  Calls() = calls;
  return previous;
}

TSafeFileWriter::TSafeFileWriter(const std::string& path)
    : path_(path), target_(FollowLink(path)) {}

TSafeFileWriter::~TSafeFileWriter() {
  Discard();
}

bool TSafeFileWriter::Open() {
  struct stat existing;
  const bool exists = stat(target_.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode))
    return Fail(FileErrorText(FileAction::Create, path_, SystemErrorText(EISDIR)));
  // The mode 0666 lets the umask decide, as for any new file.
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temp_ = target_ + TempSuffix();
    fd_ = open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const int error = errno;
    temp_.clear();
    return Fail(FileErrorText(FileAction::Create, path_, SystemErrorText(error)));
  }
  if (exists) fchmod(fd_, existing.st_mode & 07777);  // a replaced file keeps its permissions
  pending_.reserve(kGatherBytes);
  return true;
}

bool TSafeFileWriter::Write(const void* data, size_t count) {
  if (failed_ || fd_ < 0) return false;
  const char* bytes = static_cast<const char*>(data);
  if (pending_.size() + count <= kGatherBytes) {
    pending_.append(bytes, count);
    return true;
  }
  if (!Flush()) return false;
  if (count < kGatherBytes) {
    pending_.append(bytes, count);
    return true;
  }
  return WriteThrough(bytes, count);
}

bool TSafeFileWriter::Flush() {
  if (pending_.empty()) return true;
  const bool ok = WriteThrough(pending_.data(), pending_.size());
  pending_.clear();
  return ok;
}

bool TSafeFileWriter::WriteThrough(const char* data, size_t count) {
  while (count > 0) {
    const ssize_t written = Calls().write(fd_, data, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int error = written == 0 ? ENOSPC : errno;
      return Fail(FileErrorText(FileAction::Write, path_, SystemErrorText(error)));
    }
    data += written;
    count -= static_cast<size_t>(written);
  }
  return true;
}

// A file system that cannot flush at all says so with EINVAL; any other failure may have lost
// bytes that the writes reported as written.
bool TSafeFileWriter::Sync() {
  if (Calls().sync(fd_) == 0 || errno == EINVAL) return true;
  return Fail(FileErrorText(FileAction::Write, path_, SystemErrorText(errno)));
}

bool TSafeFileWriter::Commit() {
  if (failed_ || fd_ < 0 || !Flush() || !Sync()) return false;
  const int fd = fd_;
  fd_ = -1;
  if (Calls().close(fd) != 0)
    return Fail(FileErrorText(FileAction::Write, path_, SystemErrorText(errno)));
  if (rename(temp_.c_str(), target_.c_str()) != 0)
    return Fail(FileErrorText(FileAction::Create, path_, SystemErrorText(errno)));
  temp_.clear();
  return true;
}

bool TSafeFileWriter::Fail(const std::string& text) {
  if (!failed_) error_ = text;
  failed_ = true;
  Discard();
  return false;
}

void TSafeFileWriter::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) unlink(temp_.c_str());
  temp_.clear();
}

#include "model/LayerSpillFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/Errors.h"

namespace {

std::string TemporaryFolder() {
  const char* dir = std::getenv("TMPDIR");
  return (dir && *dir) ? std::string(dir) : std::string("/tmp");
}

}  // namespace

LayerSpillFile::LayerSpillFile() {
  std::string pattern = TemporaryFolder() + "/LAYXXXXXX";
  fd_ = mkstemp(pattern.data());
  if (fd_ < 0) RaiseFileError(FileAction::Create, pattern);
  path_ = pattern;
}

LayerSpillFile::~LayerSpillFile() {
  close(fd_);
  unlink(path_.c_str());
}

void LayerSpillFile::Store(const std::vector<uint16_t>& cells) {
  const char* bytes = reinterpret_cast<const char*>(cells.data());
  size_t left = cells.size() * sizeof(uint16_t);
  off_t offset = 0;
  while (left > 0) {
    const ssize_t n = pwrite(fd_, bytes + offset, left, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) RaiseFileError(FileAction::Write, path_);
    offset += n;
    left -= static_cast<size_t>(n);
  }
  // Overwriting and then cutting keeps the file's pages, which is much cheaper than emptying
  // it first; either way the file ends up holding exactly these cells.
  if (ftruncate(fd_, offset) != 0) RaiseFileError(FileAction::Write, path_);
}

void LayerSpillFile::Load(size_t first, size_t count, uint16_t* out) const {
  char* bytes = reinterpret_cast<char*>(out);
  size_t left = count * sizeof(uint16_t);
  off_t offset = static_cast<off_t>(first * sizeof(uint16_t));
  while (left > 0) {
    const ssize_t n = pread(fd_, bytes, left, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) RaiseFileError(FileAction::Read, path_);
    if (n == 0) {
      errno = EIO;  // the file is shorter than what was stored
      RaiseFileError(FileAction::Read, path_);
    }
    bytes += n;
    offset += n;
    left -= static_cast<size_t>(n);
  }
}

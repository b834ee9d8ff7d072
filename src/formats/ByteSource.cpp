#include "formats/ByteSource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "formats/FileTexts.h"
#include "platform/Errors.h"
#include "platform/ReadOnlyFile.h"

void TByteSource::ReadExact(uint64_t offset, void* target, size_t count) {
  if (count > Size() || offset > Size() - count)
    throw EInOutError(filetext::Tr(filetext::kReadPastEnd));
  if (ReadAt(offset, target, count) != count)
    throw EInOutError(filetext::Tr(filetext::kReadPastEnd));
}

bool TByteSource::ReadCString(uint64_t offset, uint64_t limit, std::string& text) {
  text.clear();
  limit = std::min(limit, Size());
  char block[256];
  while (offset < limit) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(sizeof block, limit - offset));
    const size_t got = ReadAt(offset, block, want);
    if (got == 0) return false;
    const void* nul = std::memchr(block, 0, got);
    if (nul) {
      text.append(block, static_cast<const char*>(nul) - block);
      return true;
    }
    text.append(block, got);
    offset += got;
  }
  return false;
}

size_t TMemoryByteSource::ReadAt(uint64_t offset, void* target, size_t count) {
  if (offset >= size_) return 0;
  const size_t n = static_cast<size_t>(std::min<uint64_t>(count, size_ - offset));
  std::memcpy(target, data_ + offset, n);
  return n;
}

namespace {

class TFileByteSource final : public TByteSource {
 public:
  explicit TFileByteSource(const std::string& path) : path_(path) {
    fd_ = OpenRegularFile(path, size_);
  }
  ~TFileByteSource() override { close(fd_); }
  uint64_t Size() const override { return size_; }
  size_t ReadAt(uint64_t offset, void* target, size_t count) override {
    if (offset >= size_) return 0;
    size_t done = 0;
    while (done < count) {
      const ssize_t got = pread(fd_, static_cast<char*>(target) + done, count - done,
                                static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0)
        throw EInOutError(FileErrorText(FileAction::Read, path_, SystemErrorText(errno)));
      if (got == 0) break;
      done += static_cast<size_t>(got);
    }
    return done;
  }

 private:
  std::string path_;
  int fd_ = -1;
  uint64_t size_ = 0;
};

}  // namespace

std::unique_ptr<TByteSource> OpenFileByteSource(const std::string& path) {
  return std::make_unique<TFileByteSource>(path);
}

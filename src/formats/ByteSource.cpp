#include "formats/ByteSource.h"

#include <QFile>

#include <algorithm>
#include <cstring>

#include "formats/FileTexts.h"
#include "platform/Errors.h"

void TByteSource::ReadExact(uint64_t offset, void* target, size_t count) {
  if (count > Size() || offset > Size() - count) throw EInOutError(filetext::kReadPastEnd);
  if (ReadAt(offset, target, count) != count) throw EInOutError(filetext::kReadPastEnd);
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
  explicit TFileByteSource(const std::string& path) : file_(QString::fromStdString(path)) {
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
      throw EInOutError(filetext::CannotOpenText(path, file_.errorString().toStdString()));
    size_ = static_cast<uint64_t>(file_.size());
  }
  uint64_t Size() const override { return size_; }
  size_t ReadAt(uint64_t offset, void* target, size_t count) override {
    if (offset >= size_) return 0;
    if (!file_.seek(static_cast<qint64>(offset))) Fail();
    size_t done = 0;
    while (done < count) {
      const qint64 got =
          file_.read(static_cast<char*>(target) + done, static_cast<qint64>(count - done));
      if (got < 0) Fail();
      if (got == 0) break;
      done += static_cast<size_t>(got);
    }
    return done;
  }

 private:
  [[noreturn]] void Fail() {
    throw EInOutError(filetext::kReadPastEnd + std::string(" (") +
                      file_.errorString().toStdString() + ")");
  }
  QFile file_;
  uint64_t size_ = 0;
};

}  // namespace

std::unique_ptr<TByteSource> OpenFileByteSource(const std::string& path) {
  return std::make_unique<TFileByteSource>(path);
}

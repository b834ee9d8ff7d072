#pragma once
// Random-access input for the readers: a file or a buffer in memory (tests and fuzzing).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "formats/FileResult.h"
#include "platform/Errors.h"

class TByteSource {
 public:
  virtual ~TByteSource() = default;
  virtual uint64_t Size() const = 0;
  // Copies up to `count` bytes from `offset`; returns how many there were. Raises EInOutError
  // when the medium fails.
  virtual size_t ReadAt(uint64_t offset, void* target, size_t count) = 0;

  // Exactly `count` bytes, or EInOutError with the read error text.
  void ReadExact(uint64_t offset, void* target, size_t count);
  // Bytes from `offset` up to (not including) the first NUL before `limit`. Returns false
  // when no NUL comes before `limit`.
  bool ReadCString(uint64_t offset, uint64_t limit, std::string& text);
};

class TMemoryByteSource final : public TByteSource {
 public:
  TMemoryByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint64_t Size() const override { return size_; }
  size_t ReadAt(uint64_t offset, void* target, size_t count) override;

 private:
  const uint8_t* data_;
  size_t size_;
};

// Opens `path` for reading; raises EInOutError with the file layer's text when it cannot.
std::unique_ptr<TByteSource> OpenFileByteSource(const std::string& path);

// Runs `read` on the bytes of `path`; a file that cannot be opened is the result's failure.
template <class Read>
TFileResult ReadFileWith(const std::string& path, Read&& read) {
  std::unique_ptr<TByteSource> source;
  try {
    source = OpenFileByteSource(path);
  } catch (const EInOutError& e) {
    return TFileResult::Failure(e.what());
  }
  return read(*source);
}

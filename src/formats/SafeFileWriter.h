#pragma once
// Writes a file through a temporary file beside it that replaces the target only when
// everything was written and flushed to the disk: a failed write, flush or close leaves
// whatever was at the path before untouched. Small writes are gathered into large ones.
#include <sys/types.h>

#include <cstddef>
#include <string>

// The system calls that put a writer's bytes on the disk. Tests replace them to make a write,
// a flush or a close fail as a failing disk does.
struct TFileSystemCalls {
  ssize_t (*write)(int fd, const void* data, size_t count);
  int (*sync)(int fd);
  int (*close)(int fd);
};
const TFileSystemCalls& FileSystemCalls();
// Returns the calls it replaces.
TFileSystemCalls SetFileSystemCalls(const TFileSystemCalls& calls);

class TSafeFileWriter {
 public:
  explicit TSafeFileWriter(const std::string& path);
  ~TSafeFileWriter();  // discards the temporary file unless committed
  TSafeFileWriter(const TSafeFileWriter&) = delete;
  TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

  bool Open();
  bool Write(const void* data, size_t count);
  bool Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }
  // Flushes the file to the disk and moves it into place.
  bool Commit();
  // The file layer's text for the first failure.
  const std::string& Error() const { return error_; }

 private:
  bool Flush();
  bool WriteThrough(const char* data, size_t count);
  bool Sync();
  bool Fail(const std::string& text);
  void Discard();

  std::string path_;    // as the caller named it, for the messages
  std::string target_;  // the file that is replaced: a symbolic link's target
  std::string temp_;
  int fd_ = -1;
  std::string pending_;
  std::string error_;
  bool failed_ = false;
};

#pragma once
// Writes a file through a temporary file that replaces the target only when everything was
// written: a failed write leaves whatever was at the path before untouched. Small writes are
// gathered into large ones.
#include <cstddef>
#include <memory>
#include <string>

class QSaveFile;

class TSafeFileWriter {
 public:
  explicit TSafeFileWriter(const std::string& path);
  ~TSafeFileWriter();  // discards the temporary file unless committed
  TSafeFileWriter(const TSafeFileWriter&) = delete;
  TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

  bool Open();
  bool Write(const void* data, size_t count);
  bool Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }
  // Moves the finished file into place.
  bool Commit();
  // The file layer's text for the first failure.
  const std::string& Error() const { return error_; }

 private:
  bool Flush();
  bool WriteThrough(const char* data, size_t count);
  bool Fail(const std::string& detail);

  std::string path_;
  std::unique_ptr<QSaveFile> file_;
  std::string pending_;
  std::string error_;
  bool failed_ = false;
};

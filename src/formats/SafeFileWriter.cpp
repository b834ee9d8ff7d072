#include "formats/SafeFileWriter.h"

#include <QSaveFile>

#include "formats/FileTexts.h"

namespace {
constexpr size_t kGatherBytes = 1 << 20;
}

TSafeFileWriter::TSafeFileWriter(const std::string& path)
    : path_(path), file_(std::make_unique<QSaveFile>(QString::fromStdString(path))) {}

TSafeFileWriter::~TSafeFileWriter() {
  if (file_->isOpen()) file_->cancelWriting();
}

bool TSafeFileWriter::Open() {
  if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return Fail(filetext::CannotOpenText(path_, file_->errorString().toStdString()));
  pending_.reserve(kGatherBytes);
  return true;
}

bool TSafeFileWriter::Write(const void* data, size_t count) {
  if (failed_ || !file_->isOpen()) return false;
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
    const qint64 written = file_->write(data, static_cast<qint64>(count));
    if (written <= 0)
      return Fail(filetext::CannotWriteText(path_, file_->errorString().toStdString()));
    data += written;
    count -= static_cast<size_t>(written);
  }
  return true;
}

bool TSafeFileWriter::Commit() {
  if (failed_ || !file_->isOpen() || !Flush()) return false;
  if (!file_->commit())
    return Fail(filetext::CannotWriteText(path_, file_->errorString().toStdString()));
  return true;
}

bool TSafeFileWriter::Fail(const std::string& detail) {
  if (!failed_) error_ = detail;
  failed_ = true;
  if (file_->isOpen()) file_->cancelWriting();
  return false;
}

#include "imaging/ImageFile.h"

#include <QFile>
#include <QFileInfo>

#include "imaging/BmpLayout.h"
#include "imaging/EDIBLoadError.h"
#include "platform/Errors.h"
#include "platform/LargeMemory.h"

namespace {

// Why a file could not be opened, in the words the user reads.
std::string OpenFailureReason(const QFile& file) {
  const QFileInfo info(file.fileName());
  if (!info.exists()) return "ファイルが見つかりません。";
  if (info.isDir()) return "フォルダーです。";
  if (!info.isReadable()) return "読み取りが許可されていません。";
  return file.errorString().toStdString();
}

void OpenForReading(QFile& file, const std::string& path) {
  if (QFileInfo(file.fileName()).isDir() || !file.open(QIODevice::ReadOnly)) {
    throw EInOutError("ファイル " + path + " を開けません。" + OpenFailureReason(file));
  }
}

FileImage ReadWhole(QFile& file) {
  FileImage image;
  image.size = static_cast<size_t>(file.size());
  try {
    image.bytes.reset(new uint8_t[image.size]);
    AdviseHugePages(image.bytes.get(), image.size);
  } catch (const std::exception&) {
    throw EDIBLoadError(kBmpReadFailed);
  }
  // Exactly the bytes allocated: the file may change size while another program writes it.
  const qint64 got =
      file.read(reinterpret_cast<char*>(image.bytes.get()), static_cast<qint64>(image.size));
  if (got != static_cast<qint64>(image.size)) throw EDIBLoadError(kBmpReadFailed);
  return image;
}

}  // namespace

FileImage ReadImageFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  OpenForReading(file, path);
  return ReadWhole(file);
}

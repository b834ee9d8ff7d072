#include "platform/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Errors.h"
#include "platform/Language.h"

int OpenRegularFile(const std::string& path, uint64_t& size) {
  // Without O_NONBLOCK, opening a pipe waits for a writer before the check below can run.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) RaiseFileError(FileAction::Open, path);
  struct stat info;
  std::string reason;
  if (fstat(fd, &info) != 0)
    reason = SystemErrorText(errno);
  else if (S_ISDIR(info.st_mode))
    reason = SystemErrorText(EISDIR);
  else if (!S_ISREG(info.st_mode))
    reason = TranslatedText("Errors", QT_TRANSLATE_NOOP("Errors", "通常のファイルではありません"));
  if (reason.empty() && fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0) {
    size = static_cast<uint64_t>(info.st_size);
    return fd;
  }
  if (reason.empty()) reason = SystemErrorText(errno);
  close(fd);
  throw EInOutError(FileErrorText(FileAction::Open, path, reason));
}

#include "imaging/ImageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "imaging/BmpLayout.h"
#include "imaging/EDIBLoadError.h"
#include "platform/Errors.h"
#include "platform/LargeMemory.h"

namespace {

class OpenFile {
 public:
  explicit OpenFile(const std::string& path) {
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    int error = errno;
    struct stat info;
    if (fd_ >= 0) {
      if (fstat(fd_, &info) != 0)
        error = errno;
      else if (S_ISDIR(info.st_mode))
        error = EISDIR;
      else {
        size_ = static_cast<size_t>(info.st_size);
        return;
      }
      close(fd_);
    }
    throw EInOutError(FileErrorText(FileAction::Open, path, SystemErrorText(error)));
  }
  ~OpenFile() { close(fd_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int fd() const { return fd_; }
  size_t size() const { return size_; }

 private:
  int fd_ = -1;
  size_t size_ = 0;
};

FileImage ReadWhole(const OpenFile& file) {
  FileImage image;
  image.size = file.size();
  try {
    image.bytes.reset(new uint8_t[image.size]);
    AdviseHugePages(image.bytes.get(), image.size);
  } catch (const std::exception&) {
    throw EDIBLoadError(ImageText(kBmpReadFailed));
  }
  // Exactly the bytes allocated: the file may change size while another program writes it.
  size_t done = 0;
  while (done < image.size) {
    const ssize_t got = read(file.fd(), image.bytes.get() + done, image.size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) throw EDIBLoadError(ImageText(kBmpReadFailed));
    done += static_cast<size_t>(got);
  }
  return image;
}

}  // namespace

FileImage ReadImageFile(const std::string& path) { return ReadWhole(OpenFile(path)); }

#include "imaging/ImageFile.h"

#include <unistd.h>

#include <cerrno>

#include "imaging/BmpLayout.h"
#include "imaging/EDIBLoadError.h"
#include "platform/Errors.h"
#include "platform/LargeMemory.h"
#include "platform/ReadOnlyFile.h"

namespace {

class OpenFile {
 public:
  explicit OpenFile(const std::string& path) {
    uint64_t size = 0;
    fd_ = OpenRegularFile(path, size);
    size_ = static_cast<size_t>(size);
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

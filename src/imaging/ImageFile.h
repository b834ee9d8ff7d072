#pragma once
// Reading an image file whole into memory, for the bitmap and PNG readers. Internal to imaging/.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct FileImage {
  std::unique_ptr<uint8_t[]> bytes;  // not zeroed first: the read fills it
  size_t size = 0;
};

// Raises EInOutError naming the file and the reason when it cannot be opened, and
// EDIBLoadError("ファイルを読み込めませんでした") when it cannot be read whole.
FileImage ReadImageFile(const std::string& path);

#pragma once
// The temporary file through which a resize passes one layer's cells at a time, so that the
// old cells are never held in memory beside the new ones.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class LayerSpillFile {
 public:
  // Creates an empty file named "LAY" plus a unique suffix in the temporary folder ($TMPDIR,
  // else /tmp). Raises EInOutError when it cannot.
  LayerSpillFile();
  // Closes and deletes the file.
  ~LayerSpillFile();
  LayerSpillFile(const LayerSpillFile&) = delete;
  LayerSpillFile& operator=(const LayerSpillFile&) = delete;

  // Replaces the file's contents by `cells`. Raises EInOutError.
  void Store(const std::vector<uint16_t>& cells);
  // Reads `count` cells from cell position `first` into `out`. Raises EInOutError.
  void Load(size_t first, size_t count, uint16_t* out) const;

 private:
  int fd_ = -1;
  std::string path_;
};

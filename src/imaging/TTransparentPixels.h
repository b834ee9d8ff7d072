#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The pixels that a parts image's file marks transparent: one bit a pixel, each row starting a
// word, so that even a file that alternates clear and opaque pixels costs a 32nd of its picture.
class TTransparentPixels {
 public:
  // width x height pixels, none marked.
  void Reset(int width, int height);
  void Mark(int x, int y) {
    words_[Row(y) + static_cast<size_t>(x) / 64] |= uint64_t{1} << (x % 64);
    ++count_;
  }
  bool Marked(int x, int y) const {
    return (words_[Row(y) + static_cast<size_t>(x) / 64] >> (x % 64)) & 1;
  }
  bool Empty() const { return count_ == 0; }
  size_t Count() const { return count_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The marks of row `y`, pixel x at bit x % 64 of word x / 64.
  const uint64_t* RowWords(int y) const { return words_.data() + Row(y); }
  void Swap(TTransparentPixels& other) noexcept;

 private:
  size_t Row(int y) const { return static_cast<size_t>(y) * wordsPerRow_; }

  int width_ = 0;
  int height_ = 0;
  size_t wordsPerRow_ = 0;
  size_t count_ = 0;
  std::vector<uint64_t> words_;
};

#include "imaging/TTransparentPixels.h"

#include <algorithm>
#include <utility>

void TTransparentPixels::Reset(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  wordsPerRow_ = (static_cast<size_t>(width_) + 63) / 64;
  count_ = 0;
  words_.assign(wordsPerRow_ * static_cast<size_t>(height_), 0);
}

void TTransparentPixels::Swap(TTransparentPixels& other) noexcept {
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(wordsPerRow_, other.wordsPerRow_);
  std::swap(count_, other.count_);
  words_.swap(other.words_);
}

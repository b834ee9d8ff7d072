#pragma once
// Large cell arrays that the history let go, kept for the next whole-layer record. A fresh
// array of millions of cells costs several times a copy of it in page faults; reusing one
// that was already touched does not. The pool is small and bounded.
#include <cstddef>
#include <cstdint>
#include <vector>

class CellBufferPool {
 public:
  static constexpr size_t kMaxArrays = 2;                 // one record's Before and After
  static constexpr size_t kMaxBytes = size_t{128} << 20;  // in all
  static constexpr size_t kMinBytes = size_t{1} << 20;    // smaller arrays are just freed

  // An empty array with room for `count` cells: a kept one when one fits, else a new one.
  std::vector<uint16_t> Take(size_t count);
  // Keeps `cells` for later when it is worth it; frees it otherwise.
  void Give(std::vector<uint16_t>&& cells);
  // Gives every kept array back to the system.
  void Clear() { std::vector<std::vector<uint16_t>>().swap(spare_); }

 private:
  std::vector<std::vector<uint16_t>> spare_;
};

#include "model/CellBufferPool.h"

#include <sys/mman.h>

#include <algorithm>

namespace {
size_t Bytes(const std::vector<uint16_t>& cells) {
  return cells.capacity() * sizeof(uint16_t);
}
}  // namespace

void ReserveCells(std::vector<uint16_t>& cells, size_t count) {
  cells.reserve(count);
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
  const uintptr_t begin = reinterpret_cast<uintptr_t>(cells.data());
  const uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = (begin + count * sizeof(uint16_t)) & ~(kHugePage - 1);
  // Only advice: where the system says no, the array simply gets small pages.
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

std::vector<uint16_t> CellBufferPool::Take(size_t count) {
  auto best = spare_.end();
  for (auto it = spare_.begin(); it != spare_.end(); ++it) {
    // A much larger array would pin memory that the record does not need.
    if (it->capacity() >= count && it->capacity() / 4 <= count &&
        (best == spare_.end() || it->capacity() < best->capacity())) {
      best = it;
    }
  }
  std::vector<uint16_t> cells;
  if (best != spare_.end()) {
    cells.swap(*best);
    spare_.erase(best);
    cells.clear();
  } else {
    ReserveCells(cells, count);
  }
  return cells;
}

void CellBufferPool::Give(std::vector<uint16_t>&& cells) {
  if (Bytes(cells) < kMinBytes || Bytes(cells) > kMaxBytes) {
    std::vector<uint16_t>().swap(cells);
    return;
  }
  spare_.push_back(std::move(cells));
  size_t total = 0;
  for (const auto& spare : spare_) total += Bytes(spare);
  while (spare_.size() > kMaxArrays || total > kMaxBytes) {  // the oldest go first
    total -= Bytes(spare_.front());
    spare_.erase(spare_.begin());
  }
}

#include "model/CellBufferPool.h"

#include <algorithm>
#include <utility>

#include "platform/LargeMemory.h"

namespace {
size_t Bytes(const std::vector<uint16_t>& cells) {
  return cells.capacity() * sizeof(uint16_t);
}
}  // namespace

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
    ReserveLarge(cells, count);
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

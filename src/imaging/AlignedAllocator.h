#pragma once
// An allocator that starts every block on an `Alignment`-byte boundary, so that bitmap rows
// can start on cache lines.
#include <cstddef>
#include <new>

#include "platform/LargeMemory.h"

template <class T, size_t Alignment>
struct AlignedAllocator {
  using value_type = T;
  template <class U>
  struct rebind {
    using other = AlignedAllocator<U, Alignment>;
  };

  AlignedAllocator() = default;
  template <class U>
  AlignedAllocator(const AlignedAllocator<U, Alignment>&) {}

  T* allocate(size_t n) {
    T* p = static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t(Alignment)));
    AdviseHugePages(p, n * sizeof(T));
    return p;
  }
  void deallocate(T* p, size_t) { ::operator delete(p, std::align_val_t(Alignment)); }

  template <class U>
  bool operator==(const AlignedAllocator<U, Alignment>&) const {
    return true;
  }
  template <class U>
  bool operator!=(const AlignedAllocator<U, Alignment>&) const {
    return false;
  }
};

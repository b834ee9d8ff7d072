#pragma once
// Large arrays (layers, history records, bitmaps) backed by huge pages where the system offers
// them on request. A fresh array of tens of megabytes otherwise costs a page fault per 4 KB
// when it is first written, which on some machines takes longer than filling it.
#include <cstddef>
#include <vector>

// Asks for huge pages for [data, data + bytes) before it is first touched. Small ranges and
// systems without the request are left alone.
void AdviseHugePages(const void* data, size_t bytes);

// Reserves room for `count` elements with the advice above.
template <class T, class A>
void ReserveLarge(std::vector<T, A>& v, size_t count) {
  if (count <= v.capacity()) return;
  v.reserve(count);
  AdviseHugePages(v.data(), v.capacity() * sizeof(T));
}

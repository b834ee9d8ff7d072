// Feeds arbitrary bytes to the bitmap reader: it must give a picture or its error, never
// read outside the buffer or allocate beyond its limit.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "imaging/DIBDrawUnit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBitmap target(2, 2);
  try {
    CDIBLoadFromMemory(target, data, size);
  } catch (const EDIBLoadError&) {
    if (target.Width() != 2 || target.Height() != 2) __builtin_trap();
    return 0;
  }
  // A loaded picture is in the screen format.
  for (int y = 0; y < target.Height(); ++y) {
    for (int x = 0; x < target.Width(); ++x) {
      if (target.ScanLine32(y)[x] >> 24) __builtin_trap();
    }
  }
  return 0;
}

#pragma once
// Small helpers shared by the document's operations: saturating index arithmetic and the
// conversion of unexpected failures into the silent abort.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <limits>
#include <new>

#include "platform/Errors.h"

namespace cellmath {

// Stores a 64-bit intermediate into a 32-bit field without overflowing.
inline int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// Runs `body`; any failure other than the program's own exceptions becomes the silent abort,
// so the callers only ever see EAbort or EInOutError.
template <typename Body>
auto AbortOnFailure(const char* where, Body body) -> decltype(body()) {
  try {
    return body();
  } catch (const EAbort&) {
    throw;
  } catch (const EInOutError&) {
    throw;
  } catch (const std::exception&) {
    throw EAbort(where);
  }
}

}  // namespace cellmath

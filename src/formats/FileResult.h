#pragma once
// Success, or the reason of a failure in the words the user is shown.
#include <string>
#include <utility>

struct TFileResult {
  bool ok = true;
  std::string reason;

  explicit operator bool() const { return ok; }
  static TFileResult Success() { return {}; }
  static TFileResult Failure(std::string reason) { return {false, std::move(reason)}; }
};

#pragma once
// A bitmap file that was read but could not be turned into a picture. The message is the
// program's own text, shown to the user inside the caller's sentence.
#include <stdexcept>
#include <string>

class EDIBLoadError : public std::runtime_error {
 public:
  explicit EDIBLoadError(const std::string& message) : std::runtime_error(message) {}
};

#pragma once
// A bitmap file that was read but could not be turned into a picture. The message is the
// program's own text, shown to the user inside the caller's sentence.
#include <stdexcept>
#include <string>

// One of the loaders' messages (kBmpBadFile and its kin, marked in the "ImageTexts" context) in
// the interface language.
std::string ImageText(const char* message);

class EDIBLoadError : public std::runtime_error {
 public:
  explicit EDIBLoadError(const std::string& message) : std::runtime_error(message) {}
};

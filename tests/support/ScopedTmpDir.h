#pragma once
// Points $TMPDIR, where a resize keeps its spill file, at another folder for the lifetime of
// the object, then restores it as it was (unset included).
#include <cstdlib>
#include <optional>
#include <string>

class ScopedTmpDir {
 public:
  explicit ScopedTmpDir(const std::string& dir) {
    if (const char* old = std::getenv("TMPDIR")) previous_ = old;
    setenv("TMPDIR", dir.c_str(), 1);
  }
  ~ScopedTmpDir() {
    if (previous_)
      setenv("TMPDIR", previous_->c_str(), 1);
    else
      unsetenv("TMPDIR");
  }
  ScopedTmpDir(const ScopedTmpDir&) = delete;
  ScopedTmpDir& operator=(const ScopedTmpDir&) = delete;

 private:
  std::optional<std::string> previous_;
};

#pragma once
// Exception types shared by the core. Messages are UTF-8.
#include <stdexcept>
#include <string>

// The "silent abort": raised by the document when an operation fails in a way the caller
// reports in its own words. Top-level handlers must catch it and show nothing.
class EAbort : public std::runtime_error {
 public:
  explicit EAbort(const std::string& message) : std::runtime_error(message) {}
};

// A file could not be created, read or written. The message is shown to the user as the
// "file layer's own error text".
class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const std::string& message) : std::runtime_error(message) {}
};

enum class FileAction { Open, Create, Read, Write };

// "ファイル <path> を開けません (<detail>)" and its kin, for every layer that reports files.
std::string FileErrorText(FileAction action, const std::string& path, const std::string& detail);

// Why a system call failed (an errno value), in the user's words.
std::string SystemErrorText(int error);

// Raises EInOutError for a failed system call on `path`, saying what failed and why (errno).
[[noreturn]] void RaiseFileError(FileAction action, const std::string& path);

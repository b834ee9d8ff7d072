#pragma once
// Ends a read at its first fatal condition; the reader turns it into its failure reason.
#include <new>
#include <stdexcept>
#include <string>

#include "formats/FileResult.h"
#include "formats/FileTexts.h"
#include "platform/Errors.h"

class EReadFailure : public std::runtime_error {
 public:
  explicit EReadFailure(const std::string& reason) : std::runtime_error(reason) {}
};

// Runs `read` and turns what it raises into a failure with the exception's text.
template <typename Read>
TFileResult RunReader(Read&& read) {
  try {
    read();
    return TFileResult::Success();
  } catch (const std::bad_alloc&) {
    return TFileResult::Failure(filetext::Tr(filetext::kOutOfMemory));
  } catch (const EAbort& e) {  // the document's own words, which the file texts share
    return TFileResult::Failure(filetext::Tr(e.what()));
  } catch (const std::exception& e) {  // EReadFailure, EInOutError and the like
    return TFileResult::Failure(e.what());
  }
}

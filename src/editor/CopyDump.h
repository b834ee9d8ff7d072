#pragma once
// The copy buffer's debug dump "copy.txt": Shift-JIS text with CR LF line ends.
#include <string>

#include "model/DefineUnit.h"

// The dump's bytes.
std::string FormatCopyDump(const TModified& copy);
// Writes the dump to `path`, replacing any old file; raises EInOutError when it cannot.
void WriteCopyDump(const TModified& copy, const std::string& path);

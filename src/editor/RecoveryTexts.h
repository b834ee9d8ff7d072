#pragma once
// What the recovery copies say to the user, in the interface's language.
#include <cstddef>
#include <cstdint>
#include <string>

namespace recoverytext {

inline const char* const kCaption = "Brimwell";
// The untitled map's name as the editor keeps it; the interface shows it translated.
inline const char* const kUntitled = "名称未設定";

// Texts in the interface's language.
std::string WarningCaption();
// "sample.bwp（2026/12/09 05:40:12 の状態）"; an empty name is the untitled one too.
std::string CopyLine(const std::string& name, int64_t writtenMs);
std::string OneCopyQuestion(const std::string& copyLine);
std::string ManyCopiesQuestion(size_t count);
std::string WriteFailure(const std::string& reason);
std::string FolderFailure(const std::string& folder);

}  // namespace recoverytext

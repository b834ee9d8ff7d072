#include "platform/Errors.h"

#include <cerrno>
#include <cstring>

std::string FileErrorText(FileAction action, const std::string& path, const std::string& detail) {
  const char* what = action == FileAction::Open     ? " を開けません"
                     : action == FileAction::Create ? " を作成できません"
                     : action == FileAction::Read   ? " を読み込めません"
                                                    : " に書き込めません";
  return "ファイル " + path + what + " (" + detail + ")";
}

void RaiseFileError(FileAction action, const std::string& path) {
  throw EInOutError(FileErrorText(action, path, std::strerror(errno)));
}

#include "platform/Errors.h"

#include <cerrno>
#include <cstring>

void RaiseFileError(FileAction action, const std::string& path) {
  const char* reason = std::strerror(errno);
  const char* what = action == FileAction::Create ? " を作成できません"
                     : action == FileAction::Read ? " を読み込めません"
                                                  : " に書き込めません";
  throw EInOutError("ファイル " + path + what + " (" + reason + ")");
}

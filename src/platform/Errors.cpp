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

std::string SystemErrorText(int error) {
  static const struct {
    int error;
    const char* text;
  } kTexts[] = {
      {ENOENT, "ファイルまたはフォルダーが見つかりません"},
      {EACCES, "アクセスが許可されていません"},
      {EPERM, "アクセスが許可されていません"},
      {ENOSPC, "ディスクの空き容量が足りません"},
      {EDQUOT, "ディスクの使用量の上限を超えました"},
      {EFBIG, "ファイルが大きすぎます"},
      {EIO, "入出力エラーが発生しました"},
      {EROFS, "読み取り専用の場所です"},
      {EISDIR, "フォルダーです"},
      {ENOTDIR, "途中の名前がフォルダーではありません"},
      {ENAMETOOLONG, "名前が長すぎます"},
      {EMFILE, "開いているファイルが多すぎます"},
      {ENFILE, "開いているファイルが多すぎます"},
      {EEXIST, "同じ名前のものがすでにあります"},
      {EBUSY, "ファイルが使用中です"},
      {ETXTBSY, "ファイルが使用中です"},
      {ENOMEM, "メモリが不足しています"},
      {ELOOP, "シンボリックリンクが循環しています"},
      {EINTR, "処理が中断されました"},
  };
  for (const auto& known : kTexts)
    if (known.error == error) return known.text;
  return "システムエラー " + std::to_string(error);
}

void RaiseFileError(FileAction action, const std::string& path) {
  throw EInOutError(FileErrorText(action, path, SystemErrorText(errno)));
}

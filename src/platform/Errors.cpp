#include "platform/Errors.h"

#include <QtGlobal>
#include <cerrno>
#include <cstring>

#include "platform/Language.h"

std::string FileErrorText(FileAction action, const std::string& path, const std::string& detail) {
  const char* pattern = action == FileAction::Open
                            ? QT_TRANSLATE_NOOP("Errors", "ファイル %1 を開けません (%2)")
                        : action == FileAction::Create
                            ? QT_TRANSLATE_NOOP("Errors", "ファイル %1 を作成できません (%2)")
                        : action == FileAction::Read
                            ? QT_TRANSLATE_NOOP("Errors", "ファイル %1 を読み込めません (%2)")
                            : QT_TRANSLATE_NOOP("Errors", "ファイル %1 に書き込めません (%2)");
  return FillText(TranslatedText("Errors", pattern), {path, detail});
}

std::string SystemErrorText(int error) {
  static const struct {
    int error;
    const char* text;
  } kTexts[] = {
      {ENOENT, QT_TRANSLATE_NOOP("Errors", "ファイルまたはフォルダーが見つかりません")},
      {EACCES, QT_TRANSLATE_NOOP("Errors", "アクセスが許可されていません")},
      {EPERM, QT_TRANSLATE_NOOP("Errors", "アクセスが許可されていません")},
      {ENOSPC, QT_TRANSLATE_NOOP("Errors", "ディスクの空き容量が足りません")},
      {EDQUOT, QT_TRANSLATE_NOOP("Errors", "ディスクの使用量の上限を超えました")},
      {EFBIG, QT_TRANSLATE_NOOP("Errors", "ファイルが大きすぎます")},
      {EIO, QT_TRANSLATE_NOOP("Errors", "入出力エラーが発生しました")},
      {EROFS, QT_TRANSLATE_NOOP("Errors", "読み取り専用の場所です")},
      {EISDIR, QT_TRANSLATE_NOOP("Errors", "フォルダーです")},
      {ENOTDIR, QT_TRANSLATE_NOOP("Errors", "途中の名前がフォルダーではありません")},
      {ENAMETOOLONG, QT_TRANSLATE_NOOP("Errors", "名前が長すぎます")},
      {EMFILE, QT_TRANSLATE_NOOP("Errors", "開いているファイルが多すぎます")},
      {ENFILE, QT_TRANSLATE_NOOP("Errors", "開いているファイルが多すぎます")},
      {EEXIST, QT_TRANSLATE_NOOP("Errors", "同じ名前のものがすでにあります")},
      {EBUSY, QT_TRANSLATE_NOOP("Errors", "ファイルが使用中です")},
      {ETXTBSY, QT_TRANSLATE_NOOP("Errors", "ファイルが使用中です")},
      {ENOMEM, QT_TRANSLATE_NOOP("Errors", "メモリが不足しています")},
      {ELOOP, QT_TRANSLATE_NOOP("Errors", "シンボリックリンクが循環しています")},
      {EINTR, QT_TRANSLATE_NOOP("Errors", "処理が中断されました")},
  };
  for (const auto& known : kTexts)
    if (known.error == error) return TranslatedText("Errors", known.text);
  return FillText(TranslatedText("Errors", QT_TRANSLATE_NOOP("Errors", "システムエラー %1")),
                  {std::to_string(error)});
}

void RaiseFileError(FileAction action, const std::string& path) {
  throw EInOutError(FileErrorText(action, path, SystemErrorText(errno)));
}

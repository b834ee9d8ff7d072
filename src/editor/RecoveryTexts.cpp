#include "editor/RecoveryTexts.h"

#include <QDateTime>

namespace recoverytext {

namespace {
const char kKeep[] = "（「いいえ」で次の起動まで残し、「破棄」で";
}

std::string CopyLine(const std::string& name, int64_t writtenMs) {
  const QString time =
      QDateTime::fromMSecsSinceEpoch(writtenMs).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
  return (name.empty() ? std::string(kUntitled) : name) + "（" + time.toStdString() + " の状態）";
}

std::string OneCopyQuestion(const std::string& copyLine) {
  return "前回、保存されていない変更を残したまま Brimwell が終了しました。復元しますか？\n\n" +
         copyLine + "\n\n" + kKeep + "削除します）";
}

std::string ManyCopiesQuestion(size_t count) {
  return "前回、保存されていない変更を残したまま終了した編集が" + std::to_string(count) +
         "件あります。選んだものを復元しますか？\n" + kKeep + "すべて削除します）";
}

std::string WriteFailure(const std::string& reason) {
  return "復元用のコピーを書き込めませんでした (" + reason + ")";
}

std::string FolderFailure(const std::string& folder) {
  return folder + " に書き込めません";
}

}  // namespace recoverytext

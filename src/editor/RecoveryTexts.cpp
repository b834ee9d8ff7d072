#include "editor/RecoveryTexts.h"

#include <QCoreApplication>
#include <QDateTime>

namespace recoverytext {

namespace {
QString Tr(const char* text) {
  return QCoreApplication::translate("RecoveryTexts", text);
}
}  // namespace

std::string WarningCaption() {
  return Tr(QT_TRANSLATE_NOOP("RecoveryTexts", "警告")).toStdString();
}

std::string CopyLine(const std::string& name, int64_t writtenMs) {
  const QString time =
      QDateTime::fromMSecsSinceEpoch(writtenMs).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
  // A project's name carries its extension, so the bare untitled name is a new map's.
  const bool untitled = name.empty() || name == kUntitled;
  const QString shown = untitled ? Tr(QT_TRANSLATE_NOOP("RecoveryTexts", "名称未設定"))
                                 : QString::fromStdString(name);
  return Tr(QT_TRANSLATE_NOOP("RecoveryTexts", "%1（%2 の状態）")).arg(shown, time).toStdString();
}

std::string OneCopyQuestion(const std::string& copyLine) {
  return Tr(QT_TRANSLATE_NOOP("RecoveryTexts",
                              "前回、保存されていない変更を残したまま Brimwell "
                              "が終了しました。復元しますか？\n\n%1\n\n（「いいえ」で次の起動まで"
                              "残し、「破棄」で削除します）"))
      .arg(QString::fromStdString(copyLine))
      .toStdString();
}

std::string ManyCopiesQuestion(size_t count) {
  return Tr(QT_TRANSLATE_NOOP("RecoveryTexts",
                              "前回、保存されていない変更を残したまま終了した編集が%1件あります。"
                              "選んだものを復元しますか？\n（「いいえ」で次の起動まで残し、「破棄」"
                              "ですべて削除します）"))
      .arg(static_cast<qulonglong>(count))
      .toStdString();
}

std::string WriteFailure(const std::string& reason) {
  return Tr(QT_TRANSLATE_NOOP("RecoveryTexts", "復元用のコピーを書き込めませんでした (%1)"))
      .arg(QString::fromStdString(reason))
      .toStdString();
}

std::string FolderFailure(const std::string& folder) {
  return Tr(QT_TRANSLATE_NOOP("RecoveryTexts", "%1 に書き込めません"))
      .arg(QString::fromStdString(folder))
      .toStdString();
}

}  // namespace recoverytext

#include "formats/FileTexts.h"

#include "platform/Errors.h"
#include "platform/Language.h"

namespace filetext {

std::string Tr(const char* text) {
  return TranslatedText("FileTexts", text);
}

std::string OlderVersionQuestion(const std::string& versionText) {
  return FillText(Tr(QT_TRANSLATE_NOOP(
                      "FileTexts",
                      "下位バージョン(%1)で作成されたプロジェクトファイルの読み込みはサポートしてい"
                      "ません。Brimwell %1でfmfファイル形式で出力してから「マップデータの読み込み」"
                      "で開いてください。それでも無理やり開いてみますか？")),
                  {versionText});
}

std::string ReadErrorText(const std::string& displayName, const std::string& reason) {
  return FillText(Tr(QT_TRANSLATE_NOOP("FileTexts", "%1の読み込み中にエラーが発生しました (%2)")),
                  {displayName, reason});
}

std::string WriteFailureText(const char* failure, const std::string& reason) {
  return reason.empty() ? Tr(failure) : Tr(failure) + "\n" + reason;
}

std::string ImageNotFoundText(const std::string& fileName) {
  return FillText(Tr(QT_TRANSLATE_NOOP("FileTexts", "%1が見つかりませんでした。")), {fileName});
}

// The file layer's texts name the file already; the bitmap reader's own reasons do not.
std::string ImageUnreadableText(const std::string& path, const std::exception& error) {
  const bool named = dynamic_cast<const EInOutError*>(&error) != nullptr;
  return FillText(Tr(QT_TRANSLATE_NOOP("FileTexts", "パーツ画像を開けません (%1)")),
                  {named ? error.what() : FileErrorText(FileAction::Read, path, error.what())});
}

}  // namespace filetext

#include "formats/FileTexts.h"

#include "platform/Errors.h"

namespace filetext {

std::string OlderVersionQuestion(const std::string& versionText) {
  return "下位バージョン(" + versionText +
         ")で作成されたプロジェクトファイルの読み込みはサポートしていません。Brimwell " +
         versionText +
         "でfmfファイル形式で出力してから「マップデータの読み込み」で開いてください。それでも無理やり"
         "開いてみますか？";
}

std::string ReadErrorText(const std::string& displayName, const std::string& reason) {
  return displayName + "の読み込み中にエラーが発生しました (" + reason + ")";
}

std::string WriteFailureText(const char* failure, const std::string& reason) {
  return reason.empty() ? std::string(failure) : failure + ("\n" + reason);
}

std::string ImageNotFoundText(const std::string& fileName) {
  return fileName + "が見つかりませんでした。";
}

// The file layer's texts name the file already; the bitmap reader's own reasons do not.
std::string ImageUnreadableText(const std::string& path, const std::exception& error) {
  const bool named = dynamic_cast<const EInOutError*>(&error) != nullptr;
  return std::string("パーツ画像を開けません (") +
         (named ? error.what() : FileErrorText(FileAction::Read, path, error.what())) + ")";
}

}  // namespace filetext

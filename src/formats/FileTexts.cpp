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

std::string ImageNotFoundText(const std::string& fileName) {
  return fileName + "が見つかりませんでした。";
}

std::string ImageUnreadableText(const std::string& message) {
  return "パーツ画像を開けません (" + message + ")";
}

std::string CannotOpenText(const std::string& path, const std::string& detail) {
  return FileErrorText(FileAction::Open, path, detail);
}

std::string CannotWriteText(const std::string& path, const std::string& detail) {
  return FileErrorText(FileAction::Write, path, detail);
}

}  // namespace filetext

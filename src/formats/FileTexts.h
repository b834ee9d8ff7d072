#pragma once
// The texts that the file code and its callers show, in one place so that the editor and the
// command-line tool say the same thing.
#include <exception>
#include <string>

namespace filetext {

// Failure reasons of the project reader.
inline const char* const kNotRiffUmf = "RIFF-UMF_ ファイルではありません";
inline const char* const kDataSizeMismatch = "データサイズ異常";
inline const char* const kCancelled = "キャンセル";
inline const char* const kNoLayers = "このバージョンで読み込めるレイヤが存在しません";
inline const char* const kBadHeader = "UMFヘッダ異常";
inline const char* const kCannotCreateMap = "新規マップを作成出来ません";
inline const char* const kOldLayerDataMissing = "データが欠如しています";
inline const char* const kLayerDataMissing = "レイヤデータが欠如しています";
// Refusals of files that would overrun the document's limits.
inline const char* const kTooManyLayers = "レイヤ数が255を超えています";
inline const char* const kBadCellWidth = "レイヤのセル幅が不正です";
inline const char* const kLayerNotCreated = "レイヤ作成に失敗";
inline const char* const kMapTooLarge = "マップが大きすぎてメモリに収まりません";

// Questions of the project reader (caption "Brimwell", warning icon, OK/Cancel).
inline const char* const kUnknownChunkQuestion = "未定義のチャンク構造を検出しました。続行しますか？";
inline const char* const kNewerVersionQuestion =
    "上位バージョンで作成されたファイル形式なので問題が発生するかもしれません。続行しますか？";
std::string OlderVersionQuestion(const std::string& versionText);
inline const char* const kQuestionCaption = "Brimwell";

// display name + "の読み込み中にエラーが発生しました (" + reason + ")", caption "エラー".
std::string ReadErrorText(const std::string& displayName, const std::string& reason);
inline const char* const kErrorCaption = "エラー";

// The FMF reader.
inline const char* const kNotFmf = "FMFファイルでは無いかファイルが壊れています";
inline const char* const kFmfImportFailed = "fmfファイルの読み込みに失敗しました";

// Writers, as the commands report them.
inline const char* const kProjectWriteFailed = "プロジェクトファイルの書き込み中にエラーが発生しました";
inline const char* const kFmfExportFailed = "Fixed形式での書き出し中にエラーが発生。中断しました。";
inline const char* const kCsv1ExportFailed = "CSV形式1での書き出し中にエラーが発生。中断しました。";
inline const char* const kCsv2ExportFailed = "CSV形式2での書き出し中にエラーが発生。中断しました。";
inline const char* const kBitmapExportFailed = "Bitmap形式での書き出し中にエラーが発生。中断しました。";
// One of the texts above, then the file layer's reason on the next line.
std::string WriteFailureText(const char* failure, const std::string& reason);

// The parts images that a project names.
std::string ImageNotFoundText(const std::string& fileName);   // caption "情報", warning icon
// Names the image's file: `error` is the reader's exception.
std::string ImageUnreadableText(const std::string& path, const std::exception& error);  // "エラー"
inline const char* const kInformationCaption = "情報";

// The file layer's own texts.
inline const char* const kReadPastEnd = "ストリームの読み込みエラー";
inline const char* const kFileTooLarge = "ファイルが大きすぎて書き出せません (4GB を超えます)";
// The others ("ファイル … を開けません (…)" and its kin) come from FileErrorText
// (platform/Errors.h).

}  // namespace filetext

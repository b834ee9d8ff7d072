#pragma once
// The texts that the file code and its callers show, in one place so that the editor and the
// command-line tool say the same thing. The Japanese texts are the source strings of the
// translation; they reach the user through Tr, so that only English differs.
#include <QtGlobal>
#include <exception>
#include <string>

namespace filetext {

// `text` (one of the texts below) in the interface language; Japanese is `text` byte for byte.
std::string Tr(const char* text);

// Failure reasons of the project reader.
inline const char* const kNotRiffUmf =
    QT_TRANSLATE_NOOP("FileTexts", "RIFF-UMF_ ファイルではありません");
inline const char* const kDataSizeMismatch = QT_TRANSLATE_NOOP("FileTexts", "データサイズ異常");
inline const char* const kCancelled = QT_TRANSLATE_NOOP("FileTexts", "キャンセル");
inline const char* const kNoLayers =
    QT_TRANSLATE_NOOP("FileTexts", "このバージョンで読み込めるレイヤが存在しません");
inline const char* const kBadHeader = QT_TRANSLATE_NOOP("FileTexts", "UMFヘッダ異常");
inline const char* const kCannotCreateMap =
    QT_TRANSLATE_NOOP("FileTexts", "新規マップを作成出来ません");
inline const char* const kOldLayerDataMissing =
    QT_TRANSLATE_NOOP("FileTexts", "データが欠如しています");
inline const char* const kLayerDataMissing =
    QT_TRANSLATE_NOOP("FileTexts", "レイヤデータが欠如しています");
// Refusals of files that would overrun the document's limits.
inline const char* const kTooManyLayers =
    QT_TRANSLATE_NOOP("FileTexts", "レイヤ数が255を超えています");
inline const char* const kBadCellWidth = QT_TRANSLATE_NOOP("FileTexts", "レイヤのセル幅が不正です");
inline const char* const kLayerNotCreated = QT_TRANSLATE_NOOP("FileTexts", "レイヤ作成に失敗");
inline const char* const kMapTooLarge =
    QT_TRANSLATE_NOOP("FileTexts", "マップが大きすぎてメモリに収まりません");

// Questions of the project reader (caption "Brimwell", warning icon, OK/Cancel).
inline const char* const kUnknownChunkQuestion =
    QT_TRANSLATE_NOOP("FileTexts", "未定義のチャンク構造を検出しました。続行しますか？");
inline const char* const kNewerVersionQuestion = QT_TRANSLATE_NOOP(
    "FileTexts",
    "上位バージョンで作成されたファイル形式なので問題が発生するかもしれません。続行しますか？");
std::string OlderVersionQuestion(const std::string& versionText);
inline const char* const kQuestionCaption = "Brimwell";

// display name + "の読み込み中にエラーが発生しました (" + reason + ")", caption "エラー".
std::string ReadErrorText(const std::string& displayName, const std::string& reason);
inline const char* const kErrorCaption = QT_TRANSLATE_NOOP("FileTexts", "エラー");

// The FMF reader.
inline const char* const kNotFmf =
    QT_TRANSLATE_NOOP("FileTexts", "FMFファイルでは無いかファイルが壊れています");
inline const char* const kFmfImportFailed =
    QT_TRANSLATE_NOOP("FileTexts", "fmfファイルの読み込みに失敗しました");

// Writers, as the commands report them.
inline const char* const kProjectWriteFailed =
    QT_TRANSLATE_NOOP("FileTexts", "プロジェクトファイルの書き込み中にエラーが発生しました");
inline const char* const kFmfExportFailed =
    QT_TRANSLATE_NOOP("FileTexts", "Fixed形式での書き出し中にエラーが発生。中断しました。");
inline const char* const kCsv1ExportFailed =
    QT_TRANSLATE_NOOP("FileTexts", "CSV形式1での書き出し中にエラーが発生。中断しました。");
inline const char* const kCsv2ExportFailed =
    QT_TRANSLATE_NOOP("FileTexts", "CSV形式2での書き出し中にエラーが発生。中断しました。");
inline const char* const kBitmapExportFailed =
    QT_TRANSLATE_NOOP("FileTexts", "Bitmap形式での書き出し中にエラーが発生。中断しました。");
// One of the texts above, then the file layer's reason on the next line.
std::string WriteFailureText(const char* failure, const std::string& reason);

// The parts images that a project names.
std::string ImageNotFoundText(const std::string& fileName);  // caption "情報", warning icon
// Names the image's file: `error` is the reader's exception.
std::string ImageUnreadableText(const std::string& path, const std::exception& error);  // "エラー"
inline const char* const kInformationCaption = QT_TRANSLATE_NOOP("FileTexts", "情報");

// The file layer's own texts.
inline const char* const kReadPastEnd =
    QT_TRANSLATE_NOOP("FileTexts", "ストリームの読み込みエラー");
inline const char* const kFileTooLarge =
    QT_TRANSLATE_NOOP("FileTexts", "ファイルが大きすぎて書き出せません (4GB を超えます)");
inline const char* const kOutOfMemory = QT_TRANSLATE_NOOP("FileTexts", "メモリが不足しています");
// The others ("ファイル … を開けません (…)" and its kin) come from FileErrorText
// (platform/Errors.h).

// Refusals of the writers and the reader's own checks; %1 is the value in question.
inline const char* const kBitmapTooLarge =
    QT_TRANSLATE_NOOP("FileTexts", "ビットマップが大きすぎて書き出せません (%1)");
inline const char* const kBitmapNoMemory =
    QT_TRANSLATE_NOOP("FileTexts", "メモリを確保出来ませんでした");
inline const char* const kBadBitCount = QT_TRANSLATE_NOOP("FileTexts", "ビット数が不正です (%1)");
inline const char* const kBadHex =
    QT_TRANSLATE_NOOP("FileTexts", "'%1' は有効な16進数ではありません");

}  // namespace filetext

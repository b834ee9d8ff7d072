#pragma once
// What the Tiled map import and export tell the user, beside the texts of FileTexts.h and
// translated like them (filetext::Tr).
#include <QtGlobal>

namespace tiledtext {

// Failures of the export command and brimwell-cli export.
inline const char* const kTmxExportFailed =
    QT_TRANSLATE_NOOP("FileTexts", "TMX形式での書き出し中にエラーが発生。中断しました。");
inline const char* const kJsonExportFailed =
    QT_TRANSLATE_NOOP("FileTexts", "JSON形式での書き出し中にエラーが発生。中断しました。");
// The import command's own failure message, after the read error.
inline const char* const kImportFailed =
    QT_TRANSLATE_NOOP("FileTexts", "Tiledマップの読み込みに失敗しました");

// Refusals: maps the document cannot hold.
inline const char* const kNotTiled = QT_TRANSLATE_NOOP(
    "FileTexts", "Tiledのマップファイル(TMX/JSON)では無いかファイルが壊れています");
inline const char* const kNotOrthogonal =
    QT_TRANSLATE_NOOP("FileTexts", "正方向(orthogonal)以外のマップは読み込めません");
inline const char* const kInfinite = QT_TRANSLATE_NOOP("FileTexts", "無限マップは読み込めません");
inline const char* const kTooLarge =
    QT_TRANSLATE_NOOP("FileTexts", "マップの幅か高さが10000を超えています");
inline const char* const kBadTileSize =
    QT_TRANSLATE_NOOP("FileTexts", "タイルの大きさは1から255ピクセルまでです");
inline const char* const kMixedTileSizes =
    QT_TRANSLATE_NOOP("FileTexts", "タイルの大きさがマップと異なるタイルセットがあります");
inline const char* const kBadLayerData =
    QT_TRANSLATE_NOOP("FileTexts", "レイヤデータが壊れています");
inline const char* const kUnknownEncoding =
    QT_TRANSLATE_NOOP("FileTexts", "未対応のデータ形式です");
inline const char* const kBomb =
    QT_TRANSLATE_NOOP("FileTexts", "展開後のレイヤデータが大きすぎます");
inline const char* const kTilesetUnreadable =
    QT_TRANSLATE_NOOP("FileTexts", "外部タイルセットを読み込めません");

// Questions (caption "Brimwell", warning icon, OK/Cancel), one for each kind met.
inline const char* const kFlippedQuestion = QT_TRANSLATE_NOOP(
    "FileTexts", "反転・回転したタイルがあります。反転・回転なしで読み込みます。続行しますか？");
inline const char* const kMixedTilesetsQuestion = QT_TRANSLATE_NOOP(
    "FileTexts",
    "複数のタイルセットを使うレイヤがあります。最も多く使われたタイルセット以外のタイルは空白になり"
    "ます。続行しますか？");
inline const char* const kOffGridQuestion = QT_TRANSLATE_NOOP(
    "FileTexts",
    "パーツ番号で表せないタイルがあります。それらのタイルは空白になります。続行しますか？");
inline const char* const kObjectLayersQuestion =
    QT_TRANSLATE_NOOP("FileTexts", "オブジェクトレイヤは読み込みません。続行しますか？");
inline const char* const kImageLayersQuestion =
    QT_TRANSLATE_NOOP("FileTexts", "画像レイヤは読み込みません。続行しますか？");
inline const char* const kAnimationsQuestion = QT_TRANSLATE_NOOP(
    "FileTexts",
    "タイルのアニメーションは読み込みません(最初の絵のままになります)。続行しますか？");
inline const char* const kTileImagesQuestion =
    QT_TRANSLATE_NOOP("FileTexts",
                      "タイルごとの画像(画像コレクション)"
                      "は読み込みません。そのレイヤはパーツ画像なしになります。続行しますか？");
inline const char* const kSpacingQuestion = QT_TRANSLATE_NOOP(
    "FileTexts", "余白や間隔のあるタイルセットはパーツの位置がずれて表示されます。続行しますか？");
inline const char* const kTransColorsQuestion = QT_TRANSLATE_NOOP(
    "FileTexts",
    "タイルセットごとに透過色が異なります。最初のタイルセットの透過色を使います。続行しますか？");

}  // namespace tiledtext

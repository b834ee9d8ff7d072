// Importing and exporting map data: FMF, the two CSV forms, one bitmap of the whole map and
// Tiled maps (TMX and JSON).
#include <QAction>
#include <exception>

#include "editor/EditorLoadHost.h"
#include "editor/FileDialogs.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "formats/FMFReader.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/MapExport.h"
#include "formats/TiledExport.h"
#include "formats/TiledImport.h"
#include "formats/TiledTexts.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"

namespace {

const char kFmfType[] = QT_TRANSLATE_NOOP("FileDialogs", "Fixed Mapdata File (*.fmf)");
const char kBitmapType[] = QT_TRANSLATE_NOOP("FileDialogs", "Bitmap File (*.bmp)");

std::string ExportFilter() {
  return FileFilter({{kFmfType, "*.fmf"},
                     {QT_TRANSLATE_NOOP("FileDialogs", "CSV Text File v1(*.csv)"), "*.csv"},
                     {QT_TRANSLATE_NOOP("FileDialogs", "CSV Text File v2(*.csv)"), "*.csv"},
                     {kBitmapType, "*.bmp"},
                     {QT_TRANSLATE_NOOP("FileDialogs", "Tiled Map (*.tmx)"), "*.tmx"},
                     {QT_TRANSLATE_NOOP("FileDialogs", "Tiled JSON Map (*.tmj)"), "*.tmj"}});
}

std::string ImportFilter() {
  return FileFilter(
      {{kFmfType, "*.fmf"},
       {QT_TRANSLATE_NOOP("FileDialogs", "Tiled Map (*.tmx *.tmj *.json)"), "*.tmx;*.tmj;*.json"}});
}

const char kBitmapSizeQuestion[] =
    QT_TRANSLATE_NOOP("TMainForm",
                      "%1*%2ピクセルのビットマップ画像を生成しますがよろしいですか？("
                      "あまりにも大きいビットマップを出力しよう"
                      "とするとアプリケーションが応答しなくなる場合があります。)");
const char kShortBitmapSizeQuestion[] =
    QT_TRANSLATE_NOOP("TMainForm", "%1*%2ピクセルのビットマップ画像を生成しますがよろしいですか？");

// The export dialog's file types, by their place in the filter.
enum TExportType { kFmf = 1, kCsv1 = 2, kCsv2 = 3, kBitmap = 4, kTmx = 5, kTmj = 6 };

}  // namespace

// --- import -------------------------------------------------------------------------------------

void TMainForm::N32Click() {
  if (!N32->isEnabled() || !Map) return;
  FileDialogRequest request;
  request.filter = ImportFilter();
  request.defaultExt = "fmf";
  request.title = tr("マップデータの読み込み(fmf)").toStdString();
  const FileDialogResult chosen = Prompter().OpenFileDialog(this, request);
  if (!chosen.accepted) return;
  const std::string extension = FileExtension(chosen.path);
  bool imported = false;
  if (extension == ".fmf") {
    if (!AskToSaveChanges()) return;
    imported = ReadMapData(chosen.path);
  } else if (extension == ".csv") {
    imported = importCSV(chosen.path);
  } else if (IsTiledMapPath(chosen.path)) {
    if (!AskToSaveChanges()) return;
    if (!ReadTiledMap(chosen.path))
      Prompter().MessageBox(this, filetext::Tr(tiledtext::kImportFailed),
                            tr("エラー").toStdString(), MsgIcon::Error, MsgButtons::OK);
    return;
  } else {
    return;
  }
  if (!imported)
    Prompter().MessageBox(this, filetext::Tr(filetext::kFmfImportFailed),
                          tr("エラー").toStdString(), MsgIcon::Error, MsgButtons::OK);
}

bool TMainForm::importTiled(const std::string& path) {
  if (!Map || !AskToSaveChanges()) return false;
  const bool imported = ReadTiledMap(path);
  if (!imported)
    Prompter().MessageBox(this, filetext::Tr(tiledtext::kImportFailed),
                          tr("エラー").toStdString(), MsgIcon::Error, MsgButtons::OK);
  return imported;
}

// The import replaces the document, so unsaved changes are offered for saving first.
bool TMainForm::importFMF(const std::string& path) {
  if (!Map || !AskToSaveChanges()) return false;
  return ReadMapData(path);
}

// CSV files are exported only: the import command takes them but reads nothing.
bool TMainForm::importCSV(const std::string&) {
  return true;
}

bool TMainForm::ReadMapData(const std::string& path) {
  return ReadImportedMap(path, [&](IProjectLoadHost& host) {
    return ImportFMFFile(path, *Map, Records.header, host);
  });
}

// Besides the map, a Tiled map sets the colour key, the transparent part and the comment.
bool TMainForm::ReadTiledMap(const std::string& path) {
  return ReadImportedMap(
      path, [&](IProjectLoadHost& host) { return ImportTiledFile(path, *Map, Records, host); });
}

bool TMainForm::ReadImportedMap(const std::string& path,
                                const std::function<TFileResult(IProjectLoadHost&)>& read) {
  TEditorLoadHost host(nullptr);
  TFileResult result;
  try {
    result = read(host);
  } catch (const std::exception& e) {
    result = TFileResult::Failure(e.what());
  }
  if (!result) {
    ReplaceByDefaultMap(FileNamePart(path), result.reason);
    return false;
  }
  Init();  // also leaves the map untitled, so the next save asks for a name
  DrawingEnabled = false;
  ApplyEditorFlags();
  CellWidth = Map->GetPartWidth();
  CellHeight = Map->GetPartHeight();
  DrawingEnabled = true;
  FormResize();
  FormatTittle();
  Map->SetModified();  // an imported map has never been saved
  FinishOpenedMap();
  return true;
}

// --- export -------------------------------------------------------------------------------------

void TMainForm::N31Click() {
  if (!N31->isEnabled() || !Map || !Map->IsReady()) return;
  const FileDialogRequest request =
      SaveDialogRequest(ExportFilter(), "fmf", tr("マップデータの書き出し").toStdString(), FileName,
                        ShownMapName());
  FileDialogResult chosen;
  if (!ChooseFileToWrite(this, request, chosen)) return;
  ExportMapData(chosen.path, chosen.filterIndex);
}

// The type chosen in the dialog decides the format, whatever extension the name has.
void TMainForm::ExportMapData(const std::string& path, int type) {
  switch (type) {
    case kFmf:
      if (const TFileResult r = ExportFMFFile(*Map, path); !r)
        ReportWriteFailure(filetext::kFmfExportFailed, r.reason);
      break;
    case kCsv1:
      if (const TFileResult r = ExportCSVFile(*Map, path, TCSVVariant::V1); !r)
        ReportWriteFailure(filetext::kCsv1ExportFailed, r.reason);
      break;
    case kCsv2:
      if (const TFileResult r = ExportCSVFile(*Map, path, TCSVVariant::V2); !r)
        ReportWriteFailure(filetext::kCsv2ExportFailed, r.reason);
      break;
    case kBitmap:
      if (!AskBitmapSize(kBitmapSizeQuestion)) return;
      WriteBitmapExport(path);
      break;
    case kTmx:
      if (const TFileResult r = ExportTiledFile(*Map, Records, path, TTiledFormat::Tmx); !r)
        ReportWriteFailure(tiledtext::kTmxExportFailed, r.reason);
      break;
    case kTmj:
      if (const TFileResult r = ExportTiledFile(*Map, Records, path, TTiledFormat::Json); !r)
        ReportWriteFailure(tiledtext::kJsonExportFailed, r.reason);
      break;
    default:
      break;
  }
}

void TMainForm::WriteBitmapExport(const std::string& path) {
  const TFileResult r = ExportBitmapFile(*Map, path, Records.transparentPart.number,
                                         Records.colorKey.enabled, Records.colorKey.color);
  if (!r) ReportWriteFailure(filetext::kBitmapExportFailed, r.reason);
}

// The bitmap alone: asks for the size first, then for the file, and writes it as the export
// command's bitmap type does.
void TMainForm::N34Click() {
  if (!Map || !Map->IsReady()) return;
  if (!AskBitmapSize(kShortBitmapSizeQuestion)) return;
  const FileDialogRequest request =
      SaveDialogRequest(FileFilter({{kBitmapType, "*.bmp"}}), "bmp",
                        tr("マップデータの書き出し(Bitmap)").toStdString(), FileName, ShownMapName());
  FileDialogResult chosen;
  if (!ChooseFileToWrite(this, request, chosen)) return;
  WriteBitmapExport(chosen.path);
}

bool TMainForm::AskBitmapSize(const char* question) {
  const int64_t width = int64_t{Map->GetWidth()} * Map->GetPartWidth();
  const int64_t height = int64_t{Map->GetHeight()} * Map->GetPartHeight();
  const std::string text =
      tr(question).arg(QString::number(width), QString::number(height)).toStdString();
  return Prompter().MessageBox(this, text, filetext::kQuestionCaption, MsgIcon::Warning,
                               MsgButtons::OKCancel) == MsgResult::OK;
}

void TMainForm::ReportWriteFailure(const char* failure, const std::string& reason) {
  Prompter().MessageBox(this, filetext::WriteFailureText(failure, reason),
                        filetext::kQuestionCaption, MsgIcon::Error, MsgButtons::OK);
}

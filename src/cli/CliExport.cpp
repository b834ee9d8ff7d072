// brimwell-cli export and import: the editor's writers on a loaded map (project, FMF or Tiled).
#include <sys/stat.h>

#include "cli/CliCommands.h"
#include "cli/CliDocument.h"
#include "cli/CliOptions.h"
#include "formats/FileTexts.h"
#include "formats/MapExport.h"
#include "formats/ProjectWriter.h"
#include "formats/UnstorableTexts.h"
#include "formats/TiledExport.h"
#include "formats/TiledTexts.h"

namespace {

std::string FormatOf(const TCliOptions& options, std::ostream& err) {
  if (!options.format.empty()) return options.format;
  const std::string& out = options.files[1];
  if (HasExtension(out, ".fmf")) return "fmf";
  if (HasExtension(out, ".bmp")) return "bmp";
  if (HasExtension(out, ".tmx")) return "tmx";
  if (HasExtension(out, ".tmj") || HasExtension(out, ".json")) return "tmj";
  if (HasExtension(out, ".csv"))
    err << "brimwell-cli: a .csv file needs --format csv1 or --format csv2\n";
  else
    err << "brimwell-cli: cannot tell the format from " << out << "; use --format\n";
  return std::string();
}

int Fail(std::ostream& err, const char* text, const TFileResult& result) {
  err << "brimwell-cli: error: " << filetext::Tr(text) << " (" << result.reason << ")\n";
  return kExitFailure;
}

// The same file however it is named: through a link, "..", or another hard link.
bool SameFile(const std::string& a, const std::string& b) {
  struct stat first, second;
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// The output would replace a file that the command reads: the map, or a parts image that a
// bitmap is drawn from.
bool WritesOverItsInput(const TCliOptions& options, const TCliDocument& doc, bool readsImages,
                        std::ostream& err) {
  const std::string& out = options.files[1];
  bool same = SameFile(options.files[0], out);
  if (readsImages)
    for (const auto& image : doc.imagePaths) same = same || SameFile(image.second, out);
  if (same)
    err << "brimwell-cli: error: " << out << " is a file this command reads; "
        << "write to another file\n";
  return same;
}

// Under --strict a bitmap without its parts images is a failure, not a black picture.
bool LacksImages(const TCliOptions& options, const TCliDocument& doc, std::ostream& err) {
  if (!options.strict || !doc.ImageProblems()) return false;
  err << "brimwell-cli: error: a parts image is missing or unreadable (--strict)\n";
  return true;
}

}  // namespace

int RunExport(const TCliOptions& options, std::ostream& err) {
  const std::string format = FormatOf(options, err);
  if (format.empty()) return kExitUsage;
  TCliDocument doc;
  const bool tiled = format == "tmx" || format == "tmj";
  // The Tiled tilesets take their columns and tile count from the images.
  if (!doc.Load(options.files[0], format == "bmp" || tiled, err)) return kExitFailure;
  if (WritesOverItsInput(options, doc, format == "bmp", err)) return kExitFailure;
  if (format == "bmp" && LacksImages(options, doc, err)) return kExitFailure;
  const std::string& out = options.files[1];
  if (tiled) {
    const bool tmx = format == "tmx";
    const TFileResult r =
        ExportTiledFile(doc.map, doc.records, out, tmx ? TTiledFormat::Tmx : TTiledFormat::Json);
    return r ? kExitOk
             : Fail(err, tmx ? tiledtext::kTmxExportFailed : tiledtext::kJsonExportFailed, r);
  }
  if (format == "fmf") {
    const TFileResult r = ExportFMFFile(doc.map, out);
    return r ? kExitOk : Fail(err, filetext::kFmfExportFailed, r);
  }
  if (format == "csv1" || format == "csv2") {
    const bool v1 = format == "csv1";
    const TFileResult r = ExportCSVFile(doc.map, out, v1 ? TCSVVariant::V1 : TCSVVariant::V2);
    return r ? kExitOk : Fail(err, v1 ? filetext::kCsv1ExportFailed : filetext::kCsv2ExportFailed, r);
  }
  const TFileResult r =
      ExportBitmapFile(doc.map, out, doc.records.transparentPart.number,
                       doc.records.colorKey.enabled != 0, doc.records.colorKey.color);
  return r ? kExitOk : Fail(err, filetext::kBitmapExportFailed, r);
}

int RunImport(const TCliOptions& options, std::ostream& err) {
  TCliDocument doc;
  if (!doc.Load(options.files[0], false, err)) return kExitFailure;
  if (WritesOverItsInput(options, doc, false, err)) return kExitFailure;
  if (!ConfirmUnstorableTexts(nullptr, doc.map, doc.records, options.files[1]))
    return Fail(err, filetext::kProjectWriteFailed,
                TFileResult::Failure(filetext::Tr(filetext::kCancelled)));
  const TFileResult r = WriteProjectFile(options.files[1], doc.map, doc.records);
  return r ? kExitOk : Fail(err, filetext::kProjectWriteFailed, r);
}

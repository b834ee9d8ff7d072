#include "cli/CliDocument.h"

#include <algorithm>
#include <cctype>

#include "formats/FMFReader.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/ProjectReader.h"
#include "formats/TiledImport.h"
#include "formats/TiledTexts.h"

// Loads the images like the editor, or only notes their paths.
class TCliDocument::Host final : public TPlainProjectHost {
 public:
  Host(TCliDocument& document, bool loadImages)
      : TPlainProjectHost(document.map), document_(document), loadImages_(loadImages) {}
  void AttachImage(int layerIndex, const std::string& fullPath) override {
    document_.imagePaths[layerIndex] = fullPath;
    if (loadImages_) {
      TPlainProjectHost::AttachImage(layerIndex, fullPath);
      if (document_.map.LayerAt(layerIndex).Chip) return;
    }
    // The path alone, so that a map written from this one still names its images.
    pathsOnly_.push_back(std::make_unique<TMapChip>());
    pathsOnly_.back()->FileName = fullPath;
    document_.map.SetLayerChip(layerIndex, pathsOnly_.back().get());
  }

 private:
  TCliDocument& document_;
  bool loadImages_;
  std::vector<std::unique_ptr<TMapChip>> pathsOnly_;
};

TCliDocument::TCliDocument() { SetDefaultRecords(records, kDefaultWorkAreaWidth); }

TCliDocument::~TCliDocument() = default;

bool TCliDocument::ImageProblems() const {
  return host_ && !host_->Warnings().empty();
}

bool HasExtension(const std::string& path, const std::string& extension) {
  if (path.size() < extension.size()) return false;
  return std::equal(extension.rbegin(), extension.rend(), path.rbegin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

bool TCliDocument::Load(const std::string& path, bool loadImages, std::ostream& err) {
  host_ = std::make_unique<Host>(*this, loadImages);
  imagePaths.clear();
  const bool fmf = HasExtension(path, ".fmf");
  const bool tiled = IsTiledMapPath(path);
  const TFileResult result = fmf     ? ImportFMFFile(path, map, records.header, *host_)
                             : tiled ? ImportTiledFile(path, map, records, *host_)
                                     : ReadProjectFile(path, map, records, *host_);
  if (result) {
    host_->KeyImages(records.colorKey.color);
    return true;
  }
  err << "brimwell-cli: error: " << filetext::ReadErrorText(FileNamePart(path), result.reason)
      << "\n";
  if (fmf) err << "brimwell-cli: error: " << filetext::Tr(filetext::kFmfImportFailed) << "\n";
  if (tiled) err << "brimwell-cli: error: " << filetext::Tr(tiledtext::kImportFailed) << "\n";
  return false;
}

#include "cli/CliDocument.h"

#include <algorithm>
#include <cctype>

#include "formats/FMFReader.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/ProjectReader.h"

// Loads the images like the editor, or only notes their paths.
class TCliDocument::Host final : public TPlainProjectHost {
 public:
  Host(TCliDocument& document, bool loadImages)
      : TPlainProjectHost(document.map), document_(document), loadImages_(loadImages) {}
  void AttachImage(int layerIndex, const std::string& fullPath) override {
    document_.imagePaths[layerIndex] = fullPath;
    if (loadImages_) TPlainProjectHost::AttachImage(layerIndex, fullPath);
  }

 private:
  TCliDocument& document_;
  bool loadImages_;
};

TCliDocument::TCliDocument() { SetDefaultRecords(records, kDefaultWorkAreaWidth); }

TCliDocument::~TCliDocument() = default;

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
  const TFileResult result = fmf ? ImportFMFFile(path, map, records.header, *host_)
                                 : ReadProjectFile(path, map, records, *host_);
  if (result) {
    host_->KeyImages(records.colorKey.color);
    return true;
  }
  err << "brimwell-cli: error: " << filetext::ReadErrorText(FileNamePart(path), result.reason)
      << "\n";
  if (fmf) err << "brimwell-cli: error: " << filetext::kFmfImportFailed << "\n";
  return false;
}

#include "formats/PlainProjectHost.h"

#include <QFileInfo>

#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "imaging/PartsImage.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"

void TPlainProjectHost::BeforeLayers(int) {
  // A new document forgets every image, as the parts window does.
  chips_.clear();
}

bool TPlainProjectHost::AddLayer(const std::string& name) {
  return map_.AppendLayer(name, nullptr);
}

TMapChip* TPlainProjectHost::FindChip(const std::string& path) const {
  for (const auto& chip : chips_)
    if (chip->FileName == path) return chip.get();
  return nullptr;
}

void TPlainProjectHost::AttachImage(int layerIndex, const std::string& fullPath) {
  if (TMapChip* shared = FindChip(fullPath)) {
    map_.SetLayerChip(layerIndex, shared);
    return;
  }
  const QFileInfo info(QString::fromStdString(fullPath));
  if (!info.isFile()) {
    Warn(filetext::ImageNotFoundText(FileNamePart(fullPath)), filetext::kInformationCaption, MsgIcon::Warning);
    return;
  }
  auto chip = std::make_unique<TMapChip>();
  try {
    LoadChipImage(*chip, fullPath, chip->Key);
  } catch (const std::exception& e) {
    Warn(filetext::ImageUnreadableText(fullPath, e), filetext::kErrorCaption, MsgIcon::Error);
    return;
  }
  chip->FileName = fullPath;
  chip->FileDate = info.lastModified().toMSecsSinceEpoch() * 1000000;
  map_.SetLayerChip(layerIndex, chip.get());
  chips_.push_back(std::move(chip));
}

void TPlainProjectHost::KeyImages(uint32_t key) {
  for (const auto& chip : chips_) KeyChipImage(*chip, key);
}

void TPlainProjectHost::Warn(const std::string& text, const char* caption, MsgIcon icon) {
  warnings_.push_back(text);
  Prompter().MessageBox(nullptr, text, filetext::Tr(caption), icon, MsgButtons::OK);
}

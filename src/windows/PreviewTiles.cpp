#include "windows/PreviewTiles.h"

#include <algorithm>

#include "imaging/DIBDrawUnit.h"
#include "model/DefineUnit.h"

void TPreviewTiles::SetGeometry(int scale, int partWidth, int partHeight, int partsPerRow) {
  if (scale == scale_ && partWidth == partWidth_ && partHeight == partHeight_ &&
      partsPerRow == perRow_)
    return;
  scale_ = std::max(1, scale);
  partWidth_ = partWidth;
  partHeight_ = partHeight;
  perRow_ = std::max(1, partsPerRow);
  sheets_.clear();
  scratch_ = TBitmap(scale_, scale_, TPixelFormat::pf32bit);
}

TPreviewTiles::Sheet& TPreviewTiles::SheetFor(const TMapChip& chip) {
  const TBitmap* image = chip.Image.get();
  // Sheets of images that are gone go on the way.
  sheets_.erase(std::remove_if(sheets_.begin(), sheets_.end(),
                               [](const auto& s) { return s->image_.expired(); }),
                sheets_.end());
  for (const auto& sheet : sheets_)
    if (sheet->image_.lock().get() == image && sheet->date_ == chip.FileDate &&
        sheet->width_ == image->Width() && sheet->height_ == image->Height())
      return *sheet;
  auto sheet = std::make_unique<Sheet>();
  sheet->owner_ = this;
  sheet->image_ = chip.Image;
  sheet->date_ = chip.FileDate;
  sheet->width_ = image->Width();
  sheet->height_ = image->Height();
  sheet->area_ = static_cast<size_t>(scale_) * scale_;
  sheets_.push_back(std::move(sheet));
  return *sheets_.back();
}

const uint32_t* TPreviewTiles::Sheet::Build(size_t part) {
  const std::shared_ptr<TBitmap> image = image_.lock();
  if (!image) return nullptr;
  if (part >= states_.size()) {
    const size_t parts = std::max(part + 1, states_.size() * 2);
    states_.resize(parts, kUnknown);
    pixels_.resize(parts * area_);
  }
  if (states_[part] != kUnknown)
    return states_[part] == kReady ? pixels_.data() + part * area_ : nullptr;
  TPreviewTiles& o = *owner_;
  const int64_t x = int64_t{o.partWidth_} * (static_cast<int64_t>(part) % o.perRow_);
  const int64_t y = int64_t{o.partHeight_} * (static_cast<int64_t>(part) / o.perRow_);
  const bool inside = x + o.partWidth_ <= image->Width() && y + o.partHeight_ <= image->Height();
  states_[part] = inside ? kReady : kOutside;
  if (!inside) return nullptr;
  CDIBCopyRect32(o.scratch_, 0, 0, o.scale_, o.scale_, *image, static_cast<int>(x),
                 static_cast<int>(y), o.partWidth_, o.partHeight_);
  uint32_t* tile = pixels_.data() + part * area_;
  for (int row = 0; row < o.scale_; ++row)
    std::copy_n(o.scratch_.ScanLine32(row), o.scale_, tile + row * o.scale_);
  return tile;
}

#include "editor/PartCovers.h"

#include <algorithm>

#include "imaging/DIBDrawUnit.h"

namespace {

// The 32-bit value the keyed copy compares, whatever the image's pixel format.
uint32_t PixelValue(const TBitmap& image, int x, int y) {
  if (image.PixelFormat() == TPixelFormat::pf32bit) return image.ScanLine32(y)[x];
  const uint8_t* p = image.ScanLine(y) + static_cast<size_t>(x) * 3;
  return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
}

}  // namespace

TPartCover ClassifyPart(const TBitmap& image, const TPartGrid& grid, int part) {
  const int column = grid.perRow > 0 ? part % grid.perRow : 0;
  const int row = grid.perRow > 0 ? part / grid.perRow : 0;
  const int left = column * grid.partWidth, top = row * grid.partHeight;
  if (left >= image.Width() || top >= image.Height()) return TPartCover::Empty;
  // Pixels beyond the image are not drawn, so a part cut by the image's edge covers only part
  // of its cell.
  if (left + grid.partWidth > image.Width() || top + grid.partHeight > image.Height())
    return TPartCover::Mixed;
  if (!grid.keyed) return TPartCover::Opaque;
  int keyPixels = 0;
  for (int y = top; y < top + grid.partHeight; ++y)
    for (int x = left; x < left + grid.partWidth; ++x)
      keyPixels += PixelValue(image, x, y) == grid.key;
  if (keyPixels == 0) return TPartCover::Opaque;
  return keyPixels == grid.partWidth * grid.partHeight ? TPartCover::Empty : TPartCover::Mixed;
}

TPartCover TPartCoverTable::Cover(int part) {
  if (part < 0 || part >= static_cast<int>(covers_.size())) return TPartCover::Mixed;
  TPartCover& cover = covers_[static_cast<size_t>(part)];
  if (cover == TPartCover::Unknown) cover = ClassifyPart(*imageAddress_, grid_, part);
  return cover;
}

bool TPartCoverTable::Matches(const TMapChip& chip, const TPartGrid& grid) const {
  const TBitmap* image = chip.Image.get();
  return image_.lock().get() == image && imageAddress_ == image && fileDate_ == chip.FileDate &&
         width_ == image->Width() && height_ == image->Height() &&
         grid_.partWidth == grid.partWidth && grid_.partHeight == grid.partHeight &&
         grid_.perRow == grid.perRow && grid_.keyed == grid.keyed && grid_.key == grid.key;
}

void TPartCoverTable::Reset(const TMapChip& chip, const TPartGrid& grid) {
  chip_ = &chip;
  image_ = chip.Image;
  imageAddress_ = chip.Image.get();
  fileDate_ = chip.FileDate;
  width_ = chip.Image->Width();
  height_ = chip.Image->Height();
  grid_ = grid;
  covers_.assign(65536, TPartCover::Unknown);
}

TPartCoverTable& TPartCovers::For(const TMapChip& chip, const TPartGrid& grid) {
  auto found = std::find_if(tables_.begin(), tables_.end(),
                            [&chip](const auto& t) { return t->chip_ == &chip; });
  if (found == tables_.end()) {
    tables_.push_back(std::make_unique<TPartCoverTable>());
    found = tables_.end() - 1;
  }
  TPartCoverTable& table = **found;
  if (table.chip_ != &chip || !table.Matches(chip, grid)) table.Reset(chip, grid);
  return table;
}

void TPartCovers::Prune(const std::vector<const TMapChip*>& keep) {
  tables_.erase(std::remove_if(tables_.begin(), tables_.end(),
                               [&keep](const auto& t) {
                                 return std::find(keep.begin(), keep.end(), t->chip_) == keep.end();
                               }),
                tables_.end());
}

#pragma once
// Parts shrunk to the preview's squares. Each part of a parts image is scaled once with the
// rectangle copy into an s x s tile; a redraw then copies s x s pixels per cell instead of
// planning a scaled copy for every cell of a map that may hold millions.
#include <cstdint>
#include <memory>
#include <vector>

#include "imaging/TBitmap.h"

struct TMapChip;

class TPreviewTiles {
 public:
  // The tiles of one parts image.
  class Sheet {
   public:
    // The s x s pixels of `part`, row by row; nullptr when the part's rectangle does not lie
    // wholly inside the image (the caller then copies that cell itself).
    const uint32_t* Tile(int part) {
      const size_t index = static_cast<size_t>(part);
      if (index < states_.size() && states_[index] == kReady) return pixels_.data() + index * area_;
      return Build(index);
    }

   private:
    friend class TPreviewTiles;
    enum State : uint8_t { kUnknown, kReady, kOutside };
    const uint32_t* Build(size_t part);

    TPreviewTiles* owner_ = nullptr;
    std::weak_ptr<TBitmap> image_;  // a reloaded image is a new object or has a new date
    int64_t date_ = 0;
    int width_ = 0;
    int height_ = 0;
    size_t area_ = 0;
    std::vector<uint8_t> states_;   // by part
    std::vector<uint32_t> pixels_;  // area_ per part
  };

  // Forgets every tile when the scale, the part size or the parts per row change.
  void SetGeometry(int scale, int partWidth, int partHeight, int partsPerRow);
  // The sheet of `chip`'s image (which must exist); valid until the next call.
  Sheet& SheetFor(const TMapChip& chip);

 private:
  int scale_ = 0;
  int partWidth_ = 0;
  int partHeight_ = 0;
  int perRow_ = 0;
  std::vector<std::unique_ptr<Sheet>> sheets_;
  TBitmap scratch_;
};

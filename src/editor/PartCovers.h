#pragma once
// How much of a cell a part leaves showing when it is drawn over it: nothing (Opaque), all of
// it (Empty: every pixel is the colour key, or the part lies beyond its image) or some of it
// (Mixed). The view draws a cell only from the highest layer whose part is opaque up, so that
// a stack of layers costs little more than its top one.
#include <cstdint>
#include <memory>
#include <vector>

#include "model/DefineUnit.h"

class TBitmap;

enum class TPartCover : uint8_t { Unknown, Mixed, Opaque, Empty };

// How the parts of one image are cut and drawn.
struct TPartGrid {
  int partWidth = 0;
  int partHeight = 0;
  int perRow = 0;  // parts per row of the image; 0: every part is drawn from (0, 0)
  bool keyed = false;
  uint32_t key = 0;  // the 32-bit pixel value left out when keyed
};

// The cover of one part of `image`, found by looking at its pixels.
TPartCover ClassifyPart(const TBitmap& image, const TPartGrid& grid, int part);

// The covers of the parts of one image, each worked out when first asked for. Valid while the
// chip's image is the one TPartCovers::For saw: ask For again before every redraw.
class TPartCoverTable {
 public:
  TPartCover Cover(int part);

 private:
  friend class TPartCovers;
  bool Matches(const TMapChip& chip, const TPartGrid& grid) const;
  void Reset(const TMapChip& chip, const TPartGrid& grid);

  const TMapChip* chip_ = nullptr;
  std::weak_ptr<TBitmap> image_;
  const TBitmap* imageAddress_ = nullptr;
  int64_t fileDate_ = 0;
  int width_ = 0;
  int height_ = 0;
  TPartGrid grid_;
  std::vector<TPartCover> covers_;
};

// One table per parts image in use. A table is kept while its image object, the image's size
// and file date and the grid stay the same; reloading an image changes its file date.
class TPartCovers {
 public:
  TPartCoverTable& For(const TMapChip& chip, const TPartGrid& grid);
  // Forgets every image not among `keep`.
  void Prune(const std::vector<const TMapChip*>& keep);

 private:
  std::vector<std::unique_ptr<TPartCoverTable>> tables_;
};

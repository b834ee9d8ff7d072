#pragma once
// The pattern that fills the parts of a view where there is no map: the 8 x 8 brush bitmap
// repeated from the surface's origin, or solid white when the bitmap could not be loaded.
#include <QRect>
#include <memory>

#include "imaging/DIBDrawUnit.h"

class TBackgroundBrush {
 public:
  // Reads a bitmap file held in memory; false (and no pattern) when it cannot be read.
  bool Load(const QByteArray& bitmapFile);
  void Release() { bitmap_.reset(); }
  // The brush bitmap, or nullptr when none is loaded.
  const TBitmap* Bitmap() const { return bitmap_.get(); }

  void Fill(TBitmap& target, const QRect& rect) const;

 private:
  std::unique_ptr<TBitmap> bitmap_;
};

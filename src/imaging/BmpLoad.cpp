// Installing a bitmap file's picture in a TBitmap.
#include "imaging/BmpLayout.h"
#include "imaging/DIBDrawUnit.h"
#include "imaging/ImageFile.h"

void CDIBLoadFromMemory(TBitmap& target, const uint8_t* data, size_t size) {
  const BmpLayout layout = ReadBmpLayout(data, size);
  TBitmap picture;
  try {
    picture.SetSize(layout.width, layout.height);
  } catch (const std::exception&) {
    throw EDIBLoadError(ImageText(kBmpCreateFailed));
  }
  DecodeBmpPixels(layout, data, picture);
  target.Swap(picture);
}

void CDIBLoadFromFile(TBitmap& target, const std::string& path) {
  const FileImage image = ReadImageFile(path);
  CDIBLoadFromMemory(target, image.bytes.get(), image.size);
}

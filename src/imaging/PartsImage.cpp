#include "imaging/PartsImage.h"

#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <exception>
#include <memory>
#include <utility>

#include "imaging/BmpLayout.h"
#include "imaging/DIBDrawUnit.h"
#include "imaging/ImageFile.h"
#include "imaging/PngLoad.h"
#include "model/DefineUnit.h"

const char* const kPngBadFile = QT_TRANSLATE_NOOP("ImageTexts", "異常なPNGファイル");
const char* const kImageFormatUnknown =
    QT_TRANSLATE_NOOP("ImageTexts", "BMPとPNG以外の画像形式には対応していません");

namespace {

bool StartsWithBM(const uint8_t* data, size_t size) {
  return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

}  // namespace

bool HasBmpName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string suffix = path.substr(path.size() - 4);
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return suffix == ".bmp";
}

void LoadPartsImageMemory(TBitmap& target, TTransparentPixels& transparent, const uint8_t* data,
                          size_t size, bool bmpName, uint32_t key) {
  if (IsPng(data, size)) return DecodePng(data, size, ColorToDIB32(key), target, transparent);
  // A bitmap may lack its "BM"; only a file that is not called one is refused for that.
  if (bmpName || StartsWithBM(data, size)) {
    CDIBLoadFromMemory(target, data, size);
  } else {
    try {
      CDIBLoadFromMemory(target, data, size);
    } catch (const EDIBLoadError&) {
      throw EDIBLoadError(ImageText(kImageFormatUnknown));
    }
  }
  transparent.Reset(0, 0);
}

void LoadPartsImageFile(TBitmap& target, TTransparentPixels& transparent, const std::string& path,
                        uint32_t key) {
  const FileImage image = ReadImageFile(path);
  LoadPartsImageMemory(target, transparent, image.bytes.get(), image.size, HasBmpName(path), key);
}

bool ReadPartsImageSize(const std::string& path, int& width, int& height) {
  try {
    const FileImage image = ReadImageFile(path);
    const uint8_t* data = image.bytes.get();
    if (IsPng(data, image.size)) {
      ReadPngSize(data, image.size, width, height);
      return true;
    }
    const BmpLayout layout = ReadBmpLayout(data, image.size);
    width = layout.width;
    height = layout.height;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool PartsImageMayBeTransparent(const std::string& path) {
  try {
    const FileImage image = ReadImageFile(path);
    return IsPng(image.bytes.get(), image.size) &&
           PngMayBeTransparent(image.bytes.get(), image.size);
  } catch (const std::exception&) {
    return false;
  }
}

void KeyTransparentPixels(TBitmap& image, const TTransparentPixels& transparent, uint32_t key) {
  if (transparent.Width() != image.Width() || transparent.Height() != image.Height()) return;
  const uint32_t pixel = ColorToDIB32(key);
  image.SetPixelFormat(TPixelFormat::pf32bit);
  const size_t wordsPerRow = (static_cast<size_t>(image.Width()) + 63) / 64;
  for (int y = 0; y < image.Height(); ++y) {
    const uint64_t* words = transparent.RowWords(y);
    uint32_t* row = image.ScanLine32(y);
    for (size_t w = 0; w < wordsPerRow; ++w)
      for (uint64_t bits = words[w]; bits != 0; bits &= bits - 1)
        row[w * 64 + static_cast<size_t>(__builtin_ctzll(bits))] = pixel;
  }
}

void LoadChipImage(TMapChip& chip, const std::string& path, uint32_t key) {
  auto image = std::make_shared<TBitmap>();
  auto transparent = std::make_shared<TTransparentPixels>();
  LoadPartsImageFile(*image, *transparent, path, key);
  chip.Image = std::move(image);
  if (transparent->Empty())
    chip.Transparent.reset();
  else
    chip.Transparent = std::move(transparent);
  chip.Key = key;
}

bool KeyChipImage(TMapChip& chip, uint32_t key) {
  if (chip.Key == key) return false;
  if (!chip.Transparent || !chip.Image) {
    chip.Key = key;
    return false;
  }
  auto image = std::make_shared<TBitmap>(*chip.Image);
  KeyTransparentPixels(*image, *chip.Transparent, key);
  chip.Image = std::move(image);
  chip.Key = key;
  return true;
}

#pragma once
// Parts images: Windows bitmap files and PNG files, told apart by their first bytes. A PNG's
// transparent pixels (alpha below 128) take the colour key's colour, so that every copy that
// leaves out the key leaves them out too, and they follow the key when it changes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "imaging/TBitmap.h"
#include "imaging/TTransparentPixels.h"

struct TMapChip;

extern const char* const kPngBadFile;          // a PNG that cannot be decoded
extern const char* const kImageFormatUnknown;  // neither a bitmap nor a PNG

// Reads a parts image into `target`, 32 bits with X = 0. A file that begins with the PNG
// signature is read as a PNG of any depth and colour type, its transparent pixels set to
// ColorToDIB32(key) and marked in `transparent`. Any other file whose name ends in ".bmp" or
// that begins with "BM" is read as CDIBLoadFromFile reads it, refusals included; a file that
// is neither is refused with kImageFormatUnknown. Raises what CDIBLoadFromFile raises, and for
// PNGs EDIBLoadError with kPngBadFile, "画像が大きすぎます" (above 2^28 pixels, told from the
// header before anything is decoded) or "DIBSection作成に失敗". On failure both outputs keep
// what they held.
void LoadPartsImageFile(TBitmap& target, TTransparentPixels& transparent, const std::string& path,
                        uint32_t key);
// The same for a file image in memory; `bmpName` tells whether its name ends in ".bmp".
void LoadPartsImageMemory(TBitmap& target, TTransparentPixels& transparent, const uint8_t* data,
                          size_t size, bool bmpName, uint32_t key);
// The pixel size of the parts image at `path`, from its headers and with the reader's checks
// of them but without decoding its pixels; false when the file cannot be read or is refused.
bool ReadPartsImageSize(const std::string& path, int& width, int& height);
// True when the parts image at `path` is a PNG that can hold transparent pixels (an alpha
// channel or a tRNS chunk), told from its headers; false for a bitmap or an unreadable file.
bool PartsImageMayBeTransparent(const std::string& path);
// True when `path` ends in ".bmp", whatever the case.
bool HasBmpName(const std::string& path);

// Writes ColorToDIB32(key) into the marked pixels of a 32-bit picture of the marks' size.
void KeyTransparentPixels(TBitmap& image, const TTransparentPixels& transparent, uint32_t key);

// Reads `path` into a new picture for the entry, keyed with `key` (the caller sets FileName
// and FileDate). On failure the entry stays as it was.
void LoadChipImage(TMapChip& chip, const std::string& path, uint32_t key);
// Gives the entry's transparent pixels the colour of `key`; true when that changed the
// picture. The changed picture is a new object, so that whatever remembers facts about the old
// one (part covers, preview tiles) notices.
bool KeyChipImage(TMapChip& chip, uint32_t key);

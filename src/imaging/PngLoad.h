#pragma once
// The PNG half of the parts image reader. Internal to imaging/.
#include <cstddef>
#include <cstdint>

class TBitmap;
class TTransparentPixels;

// True when the `size` bytes at `data` begin with the PNG signature.
bool IsPng(const uint8_t* data, size_t size);
// The size that the PNG's header gives, checked against the pixel limit; raises EDIBLoadError.
void ReadPngSize(const uint8_t* data, size_t size, int& width, int& height);
// True when the PNG's chunks before its pixels allow transparent pixels: an alpha channel or
// a tRNS chunk. Reads headers only.
bool PngMayBeTransparent(const uint8_t* data, size_t size);
// Decodes the PNG into `out` and `transparent` (both replaced), transparent pixels holding
// `keyPixel`; raises EDIBLoadError.
void DecodePng(const uint8_t* data, size_t size, uint32_t keyPixel, TBitmap& out,
               TTransparentPixels& transparent);

#pragma once
// Reading bitmap files into pixel surfaces and copying rectangles between them: the inner
// loops of every redraw.
#include <cstddef>
#include <cstdint>
#include <string>

#include "imaging/EDIBLoadError.h"
#include "imaging/TBitmap.h"

// Reads an uncompressed Windows bitmap file (1, 4, 8, 16 (5-5-5), 24 or 32 bits per pixel,
// bottom-up or top-down, info header of 40, 52, 56, 108 or 124 bytes) into `target` in the
// screen format: 32 bits with X = 0, whatever the file's depth.
// Raises:
//  - EInOutError when the file cannot be opened (the text names the file and the reason);
//  - EDIBLoadError with one of "ファイルを読み込めませんでした", "異常なファイル",
//    "圧縮されたフォーマットには対応していません", "DIBSection作成に失敗",
//    "OS/2形式のビットマップには対応していません" (12-byte core header) or
//    "画像が大きすぎます" (above 2^28 pixels).
// Both derive from std::runtime_error; what() is the UTF-8 text to show. On failure the
// target keeps its previous picture.
void CDIBLoadFromFile(TBitmap& target, const std::string& path);
// The same checks and decoding for a file image already in memory (never read past `size`).
void CDIBLoadFromMemory(TBitmap& target, const uint8_t* data, size_t size);

// 0x00BBGGRR -> the 32-bit pixel value 0x00RRGGBB.
uint32_t ColorToDIB32(uint32_t colour);

// Copies the source rectangle scaled (nearest neighbour, 8-bit fixed-point steps) onto the
// destination rectangle. Both bitmaps are first converted to 32 bits, unless the destination
// position lies beyond its right or bottom edge. Whatever the rectangles, nothing outside
// either bitmap is touched: destination pixels off the bitmap and those whose source pixel
// lies outside the source stay unchanged. Negative sizes draw nothing.
void CDIBCopyRect32(TBitmap& dest, int dstX, int dstY, int dstW, int dstH, TBitmap& src, int srcX,
                    int srcY, int srcW, int srcH);
// The same, leaving every destination pixel whose source pixel (all four bytes) equals
// ColorToDIB32(key) unchanged.
void CDIBCopyRectUseKey32(TBitmap& dest, int dstX, int dstY, int dstW, int dstH, TBitmap& src,
                          int srcX, int srcY, int srcW, int srcH, uint32_t key);

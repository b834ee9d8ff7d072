#pragma once
// The exports of the document, with the file layer's text on failure. TMap's ExportFMF,
// ExportCSV1, ExportCSV2 and ExportBitmap call these and keep only the outcome. Each file
// appears only when complete; a failed export leaves whatever was at the path untouched.
#include <cstdint>
#include <string>

#include "formats/FileResult.h"

class TMap;

// A 20-byte header, then every layer's cells, one or two bytes each as the bits per cell say.
TFileResult ExportFMFFile(const TMap& map, const std::string& path);

enum class TCSVVariant { V1, V2 };
// Decimal cells, comma-separated, one map row per line, CR LF. V1 puts an empty line after
// each layer; V2 starts with "Width,Height,PartWidth,PartHeight,layers,bits".
TFileResult ExportCSVFile(const TMap& map, const std::string& path, TCSVVariant variant);

// The visible layers drawn bottom first into one 24-bit bitmap, built a band of part rows at a
// time. Cells holding `transparentPart` are not drawn; with `useColorKey` pixels of
// `keyColor` (0x00BBGGRR) are not drawn either. Pixels that nothing drew are black.
TFileResult ExportBitmapFile(const TMap& map, const std::string& path, uint16_t transparentPart,
                             bool useColorKey, uint32_t keyColor);

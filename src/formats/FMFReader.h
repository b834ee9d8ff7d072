#pragma once
// Reads an FMF map data file: a 20-byte header and the raw cells of every layer.
#include <cstdint>
#include <string>

#include "formats/FileResult.h"

class TMap;
class TByteSource;
class IProjectLoadHost;
struct TMapHeaderRecord;

struct TFMFHeader {
  uint32_t dataSize = 0;  // not trusted: the cells are counted from the other fields
  uint32_t width = 0;
  uint32_t height = 0;
  uint8_t partWidth = 0;
  uint8_t partHeight = 0;
  uint8_t layerCount = 0;
  uint8_t bitsPerCell = 0;
};

constexpr uint32_t kFMFHeaderSize = 20;
constexpr uint32_t kFMFMaxSide = 10000;
// The most memory that the cells a short file leaves out may take: one whole layer of the
// largest map (10000 x 10000 cells of 2 bytes) and some room.
constexpr uint64_t kFMFMissingCellBytes = uint64_t{256} << 20;

// Reads and checks the header. Refused with the not-an-FMF text: a wrong magic, and headers
// that no map can hold (a side of 0 or above 10000, a part side of 0, no layer, bits per cell
// other than 8 and 16). Refused with the map-too-large text: more cell memory than
// `memoryBudget` (0 meaning DefaultCellMemoryBudget()), or more than kFMFMissingCellBytes for
// the cells the file is too short to hold. A file shorter than the header fails with the read
// error text.
TFileResult ReadFMFHeader(TByteSource& source, TFMFHeader& header, uint64_t memoryBudget = 0);

// The import without its windows: reads the header, copies it into the project's header
// record (relative image paths off), sets the document up anew and, for each layer, has the
// host append "レイヤー0", "レイヤー1", … and reads its cells. Cells that the file is too short
// to hold stay 0. The caller marks the document as modified and sets up the editor.
TFileResult ImportFMF(TByteSource& source, TMap& map, TMapHeaderRecord& header,
                      IProjectLoadHost& host, uint64_t memoryBudget = 0);
TFileResult ImportFMFFile(const std::string& path, TMap& map, TMapHeaderRecord& header,
                          IProjectLoadHost& host, uint64_t memoryBudget = 0);

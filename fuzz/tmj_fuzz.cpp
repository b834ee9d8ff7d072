// Feeds arbitrary bytes to the Tiled map import (JSON seeds; the reader goes by the content).
// Questions are answered OK by the silent prompter, so every path past them is reached.
#include <cstddef>
#include <cstdint>

#include "FuzzHost.h"
#include "formats/ByteSource.h"
#include "formats/ProjectRecords.h"
#include "formats/TiledImport.h"
#include "model/MapDataUnit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMap map;
  TProjectRecords records;
  FuzzHost host(map);
  TMemoryByteSource source(data, size);
  if (ImportTiled(source, "/fuzz/m.tmj", map, records, host, 16 << 20)) {
    const size_t cells = size_t(map.GetWidth()) * size_t(map.GetHeight());
    if (map.LayerCount() < 1 || map.LayerCount() > 255) __builtin_trap();
    for (int i = 0; i < map.LayerCount(); ++i)
      if (map.LayerAt(i).Cells.size() != cells) __builtin_trap();
  }
  return 0;
}

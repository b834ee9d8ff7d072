// Feeds arbitrary bytes to the project file reader. Questions are answered OK by the silent
// prompter, so every path past them is reached.
#include <cstddef>
#include <cstdint>

#include "FuzzHost.h"
#include "formats/ByteSource.h"
#include "formats/ProjectReader.h"
#include "model/MapDataUnit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMap map;
  TProjectRecords records;
  FuzzHost host(map);
  TProjectReadOptions options;
  options.memoryBudget = 16 << 20;  // keeps each run small; the real budget is the machine's
  TMemoryByteSource source(data, size);
  if (ReadProject(source, "/fuzz/p.bwp", map, records, host, options)) {
    const size_t cells = size_t(map.GetWidth()) * size_t(map.GetHeight());
    for (int i = 0; i < map.LayerCount(); ++i)
      if (map.LayerAt(i).Cells.size() != cells) __builtin_trap();
  }
  return 0;
}

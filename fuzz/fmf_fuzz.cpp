// Feeds arbitrary bytes to the FMF import.
#include <cstddef>
#include <cstdint>

#include "FuzzHost.h"
#include "formats/ByteSource.h"
#include "formats/FMFReader.h"
#include "formats/ProjectRecords.h"
#include "model/MapDataUnit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMap map;
  TMapHeaderRecord header;
  FuzzHost host(map);
  TMemoryByteSource source(data, size);
  if (ImportFMF(source, map, header, host, 16 << 20)) {
    if (map.LayerCount() != header.layerCount) __builtin_trap();
  }
  return 0;
}

// Feeds arbitrary bytes to the FMF import.
#include <cstddef>
#include <cstdint>

#include "formats/ByteSource.h"
#include "formats/FMFReader.h"
#include "formats/ProjectLoadHost.h"
#include "formats/ProjectRecords.h"
#include "model/MapDataUnit.h"

namespace {

class FuzzHost final : public IProjectLoadHost {
 public:
  explicit FuzzHost(TMap& map) : map_(map) {}
  bool AddLayer(const std::string& name) override { return map_.AppendLayer(name, nullptr); }
  void AttachImage(int, const std::string&) override {}

 private:
  TMap& map_;
};

}  // namespace

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

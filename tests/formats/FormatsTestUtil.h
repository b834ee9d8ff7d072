#pragma once
// Helpers for the file format tests: maps from pictures, hand-built RIFF files, a host that
// records what the readers ask of it, and an independent RIFF walker.
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "formats/ProjectLoadHost.h"
#include "formats/ProjectRecords.h"
#include "formats/SafeFileWriter.h"
#include "model/DefineUnit.h"
#include "model/MapDataUnit.h"

class TBitmap;

// Sets `map` up and fills one layer per picture ("1 2 3 / 4 5 6": rows split by "/").
void BuildMap(TMap& map, int width, int height, int partSize, uint8_t bits,
              const std::vector<std::string>& layers);
// The cells of a layer as a picture, the way BuildMap takes them.
std::string LayerPicture(const TMap& map, int layer);
// A map of random size, cells, names, visibility; `chips` gives parts images to refer to.
void RandomMap(TMap& map, std::mt19937& random, const std::vector<TMapChip*>& chips);

// Little-endian byte strings.
std::string U16(uint16_t v);
std::string U32(uint32_t v);
std::string Chunk(const std::string& id, const std::string& payload, bool pad = true);
// "RIFF", the size of what follows, "UMF_", then `chunks`.
std::string Riff(const std::string& chunks);
std::string HeaderPayload(uint32_t w, uint32_t h, uint32_t pw, uint32_t ph, uint8_t layers,
                          uint8_t bits, uint8_t relative = 0);
std::string Lay1Payload(const std::string& name, const std::string& path, uint8_t visible,
                        const std::vector<uint16_t>& cells);
// A small valid project: header w x h, one LAY1 chunk per entry of `cells`.
std::string SmallProject(uint32_t w, uint32_t h, const std::vector<std::vector<uint16_t>>& cells,
                         const std::string& extraChunks = "");

// Records every call the readers make.
class TRecordingHost : public IProjectLoadHost {
 public:
  explicit TRecordingHost(TMap& map) : map_(map) {}
  void HideWindows() override { calls.push_back("hide"); }
  void BeforeLayers(int count) override { calls.push_back("before " + std::to_string(count)); }
  bool AddLayer(const std::string& name) override {
    calls.push_back("add " + name);
    return map_.AppendLayer(name, nullptr);
  }
  void AttachImage(int layer, const std::string& path) override {
    calls.push_back("image " + std::to_string(layer) + " " + path);
  }
  void SetLayerVisibleState(int layer, bool visible) override {
    calls.push_back("visible " + std::to_string(layer) + " " + (visible ? "1" : "0"));
  }
  void LayerDone() override { calls.push_back("done"); }
  std::vector<std::string> calls;

 private:
  TMap& map_;
};

// A chunk as an independent walker sees it.
struct WalkedChunk {
  std::string id;
  uint32_t size;
  uint64_t offset;  // of the payload
};
// Walks a RIFF file by the book (every chunk padded to an even size). Fails the test on any
// inconsistency.
std::vector<WalkedChunk> WalkRiff(const std::string& bytes);

// A parts image of `columns` x `rows` parts, each filled with a colour made from its number
// (blue = number & 0xFF, green = number >> 8, red = 0x80).
std::shared_ptr<TBitmap> NumberedParts(int partSize, int columns, int rows, bool bits24);
// Writes a 24-bit bottom-up BMP of the bitmap.
void SaveBmp24(const TBitmap& bitmap, const std::string& path);

// The standard records of a project written by the tests.
TProjectRecords TestRecords();

// Fails one of the writers' system calls with EIO while it lives, as a disk that loses its
// data does.
class ScopedFailingCall {
 public:
  enum Call { Sync, Close };
  explicit ScopedFailingCall(Call call);
  ~ScopedFailingCall() { SetFileSystemCalls(saved_); }
  ScopedFailingCall(const ScopedFailingCall&) = delete;
  ScopedFailingCall& operator=(const ScopedFailingCall&) = delete;

 private:
  TFileSystemCalls saved_;
};

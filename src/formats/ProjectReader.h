#pragma once
// Reads a project file (.bwp) into the document and the project records in two passes: the
// first walks the chunks, reads the records, asks its questions and notes where the layers
// are; the second, once the header has passed its checks and the document is set up, reads
// each layer's cells straight into the document's layer array.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "formats/FileResult.h"
#include "formats/ProjectRecords.h"

class TMap;
class TByteSource;
class IProjectLoadHost;

// Used where no desktop is known (the command-line tool, tests).
constexpr int kDefaultWorkAreaWidth = 1280;

struct TProjectReadOptions {
  int workAreaWidth = kDefaultWorkAreaWidth;  // for the default window records
  uint64_t memoryBudget = 0;  // bytes of cells the file may ask for; 0: DefaultCellMemoryBudget()
};

// On failure the reason is one of the reader's texts or the file layer's; the document and
// the records are then half set up and the caller replaces them by a new map.
TFileResult ReadProjectFile(const std::string& path, TMap& map, TProjectRecords& records,
                            IProjectLoadHost& host, const TProjectReadOptions& options = {});
// The same from any source; `projectPath` is where the project lives (image paths are
// resolved against its folder).
TFileResult ReadProject(TByteSource& source, const std::string& projectPath, TMap& map,
                        TProjectRecords& records, IProjectLoadHost& host,
                        const TProjectReadOptions& options = {});

// major * 1000 + minor * 100 + release * 10 + (letter as a hex digit - 10); raises
// std::invalid_argument with the conversion's text when the letter is no hex digit.
int ProjectVersionValue(const TVersionRecord& version);
// "ver1.4.0.a"
std::string ProjectVersionText(const TVersionRecord& version);

// The newest version this reader knows, and the last one it no longer supports.
constexpr int kCurrentProjectVersion = 1521;
constexpr int kLastUnsupportedVersion = 1500;
constexpr int kMaxProjectLayers = 255;
constexpr int kMaxMapSide = 10000;

class TProjectReader {
 public:
  TProjectReader(TMap& map, TProjectRecords& records, IProjectLoadHost& host,
                 const TProjectReadOptions& options);
  TFileResult Read(TByteSource& source, const std::string& projectPath);

 private:
  struct LayerEntry {
    uint64_t payload;
    uint32_t size;
    bool old;  // "LAY0"
  };

  // first pass
  void ReadRiffHeader();
  void Scan();
  void ReadChunk(const std::string& id, uint32_t size);
  void ReadRecord(uint8_t* record, uint32_t size);
  uint32_t ReadShortRecord(uint8_t* record, uint32_t size);
  void NoteLayer(uint32_t size, bool old);
  void ReadComment(uint32_t size);
  void CheckVersion();
  void Ask(const std::string& question);
  // between the passes
  void CheckHeader();
  void SetupDocument();
  // second pass
  void ReadLayers();
  void ReadLayer(const LayerEntry& entry, int index);
  void ReadOldLayer(const LayerEntry& entry, int index);
  std::string ReadString(uint64_t& pos, uint64_t end, const char* missing);
  void AddLayer(const std::string& name, int index);
  std::vector<uint16_t>& CellsOf(int index);
  void ReadWideCells(uint64_t pos, std::vector<uint16_t>& cells);
  void ReadNarrowCells(uint64_t pos, std::vector<uint16_t>& cells);

  TMap& map_;
  TProjectRecords& records_;
  IProjectLoadHost& host_;
  TProjectReadOptions options_;
  TByteSource* source_ = nullptr;
  std::string projectPath_;
  uint64_t pos_ = 0;
  std::vector<LayerEntry> layers_;
  std::set<std::string> unknownIds_;  // each asked about once
};

#include "formats/ProjectReader.h"

#include <cstring>
#include <stdexcept>

#include "formats/ByteOrder.h"
#include "formats/ByteSource.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/MemoryBudget.h"
#include "formats/ProjectLoadHost.h"
#include "formats/ProjectRecordCodec.h"
#include "formats/ReadFailure.h"
#include "model/MapDataUnit.h"
#include "platform/Language.h"
#include "platform/Prompter.h"
#include "platform/TextCodec.h"

namespace codec = projectcodec;

namespace {

int HexDigit(uint8_t letter) {
  if (letter >= '0' && letter <= '9') return letter - '0';
  if (letter >= 'a' && letter <= 'f') return letter - 'a' + 10;
  if (letter >= 'A' && letter <= 'F') return letter - 'A' + 10;
  const std::string shown = letter >= 0x20 && letter < 0x7F
                                ? std::string(1, static_cast<char>(letter))
                                : "#" + std::to_string(letter);
  throw std::invalid_argument(FillText(filetext::Tr(filetext::kBadHex), {shown}));
}

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// Records read at their own size whatever their size field says.
bool HasFixedSize(const std::string& id) {
  for (const char* fixed :
       {"UMFh", "mWin", "cWin", "lWin", "pWin", "ColK", "InvC", "Ver_", "Env_", "Marh"})
    if (id == fixed) return true;
  return false;
}

}  // namespace

int ProjectVersionValue(const TVersionRecord& v) {
  return v.major * 1000 + v.minor * 100 + v.release * 10 + HexDigit(v.letter) - 10;
}

std::string ProjectVersionText(const TVersionRecord& v) {
  return "ver" + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
         std::to_string(v.release) + "." + std::string(1, static_cast<char>(v.letter));
}

TProjectReader::TProjectReader(TMap& map, TProjectRecords& records, IProjectLoadHost& host,
                               const TProjectReadOptions& options)
    : map_(map), records_(records), host_(host), options_(options) {}

TFileResult TProjectReader::Read(TByteSource& source, const std::string& projectPath) {
  source_ = &source;
  projectPath_ = AbsolutePath(projectPath);
  layers_.clear();
  unknownIds_.clear();
  return RunReader([this] {
    ReadRiffHeader();
    Scan();
    if (layers_.empty()) throw EReadFailure(filetext::Tr(filetext::kNoLayers));
    CheckHeader();
    SetupDocument();
    ReadLayers();
  });
}

void TProjectReader::ReadRiffHeader() {
  uint8_t head[12];
  source_->ReadExact(0, head, sizeof head);
  if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "UMF_", 4) != 0)
    throw EReadFailure(filetext::Tr(filetext::kNotRiffUmf));
  // A chunk missing from the file keeps its default; the map header keeps what it had.
  SetDefaultRecords(records_, options_.workAreaWidth);  // empties the comment too
  if (source_->Size() - 8 != byteorder::GetU32(head + 4))
    throw EReadFailure(filetext::Tr(filetext::kDataSizeMismatch));
  pos_ = sizeof head;
}

void TProjectReader::Scan() {
  uint8_t head[8];
  while (source_->ReadAt(pos_, head, sizeof head) == sizeof head) {
    pos_ += sizeof head;
    ReadChunk(std::string(reinterpret_cast<const char*>(head), 4), byteorder::GetU32(head + 4));
  }
}

void TProjectReader::ReadChunk(const std::string& id, uint32_t size) {
  uint8_t record[codec::kWindowSize];
  // A size that runs past the end would hide every chunk after it.
  if (size > source_->Size() - pos_ && !HasFixedSize(id))
    throw EReadFailure(filetext::Tr(filetext::kDataSizeMismatch));
  if (id == "UMFh") {
    ReadRecord(record, codec::kHeaderSize);
    codec::Decode(record, records_.header);
  } else if (id == "mWin" || id == "cWin" || id == "lWin" || id == "pWin") {
    ReadRecord(record, codec::kWindowSize);
    TWindowRecord& target = id == "mWin"   ? records_.mainWin
                            : id == "cWin" ? records_.chipWin
                            : id == "lWin" ? records_.layerWin
                                           : records_.previewWin;
    codec::Decode(record, target);
  } else if (id == "ColK") {
    ReadRecord(record, codec::kColorKeySize);
    codec::Decode(record, records_.colorKey);
  } else if (id == "InvC") {
    ReadRecord(record, codec::kTransparentPartSize);
    codec::Decode(record, records_.transparentPart);
  } else if (id == "Ver_") {
    ReadRecord(record, codec::kVersionSize);
    codec::Decode(record, records_.version);
    CheckVersion();
  } else if (id == "Env_") {
    codec::Decode(record, ReadShortRecord(record, codec::kViewFlagsSize), records_.env);
  } else if (id == "Marh") {
    codec::Decode(record, ReadShortRecord(record, codec::kMarkerSize), records_.marker);
  } else if (id == "LAY1" || id == "LAY0") {
    NoteLayer(size, id == "LAY0");
  } else if (id == "Comt") {
    ReadComment(size);
  } else if (id == "SImg") {
    pos_ += size;
  } else {
    pos_ += size;  // an unknown chunk has no pad byte to skip
    if (unknownIds_.insert(id).second) Ask(filetext::Tr(filetext::kUnknownChunkQuestion));
  }
}

// The fixed records are read at their own size, whatever the chunk's size field says.
void TProjectReader::ReadRecord(uint8_t* record, uint32_t size) {
  source_->ReadExact(pos_, record, size);
  pos_ += size;
}

// The flag records may be cut short by the end of the file.
uint32_t TProjectReader::ReadShortRecord(uint8_t* record, uint32_t size) {
  const size_t got = source_->ReadAt(pos_, record, size);
  pos_ += size;
  return static_cast<uint32_t>(got);
}

void TProjectReader::NoteLayer(uint32_t size, bool old) {
  if (layers_.size() >= static_cast<size_t>(kMaxProjectLayers))
    throw EReadFailure(filetext::Tr(filetext::kTooManyLayers));
  layers_.push_back({pos_, size, old});
  pos_ += size;
  if (!old && (size & 1)) ++pos_;
}

void TProjectReader::ReadComment(uint32_t size) {
  // ReadChunk has held the size against the file, so the allocation is bounded by it.
  std::string bytes(size, '\0');
  source_->ReadExact(pos_, bytes.data(), size);
  records_.comment = FromShiftJis(bytes);
  pos_ += size + (size & 1);
}

void TProjectReader::CheckVersion() {
  int value = 0;
  try {
    value = ProjectVersionValue(records_.version);
  } catch (const std::invalid_argument& e) {
    throw EReadFailure(e.what());
  }
  if (value > kCurrentProjectVersion) Ask(filetext::Tr(filetext::kNewerVersionQuestion));
  if (value <= kLastUnsupportedVersion)
    Ask(filetext::OlderVersionQuestion(ProjectVersionText(records_.version)));
}

void TProjectReader::Ask(const std::string& question) {
  const MsgResult answer = Prompter().MessageBox(nullptr, question, filetext::kQuestionCaption,
                                                 MsgIcon::Warning, MsgButtons::OKCancel);
  if (answer != MsgResult::OK) throw EReadFailure(filetext::Tr(filetext::kCancelled));
}

void TProjectReader::CheckHeader() {
  const TMapHeaderRecord& h = records_.header;
  // Every size the document can hold, so that a map imported from FMF can be opened again.
  if (!InRange(h.width, 1, kMaxMapSide) || !InRange(h.height, 1, kMaxMapSide) ||
      !InRange(h.partWidth, 1, 255) || !InRange(h.partHeight, 1, 255) || h.layerCount < 1 ||
      (h.bitsPerCell != 8 && h.bitsPerCell != 16))
    throw EReadFailure(filetext::Tr(filetext::kBadHeader));
  const uint64_t budget = options_.memoryBudget ? options_.memoryBudget : DefaultCellMemoryBudget();
  const uint64_t cellBytes = uint64_t{2} * static_cast<uint64_t>(h.width) *
                             static_cast<uint64_t>(h.height) * layers_.size();
  if (cellBytes > budget) throw EReadFailure(filetext::Tr(filetext::kMapTooLarge));
}

void TProjectReader::SetupDocument() {
  const TMapHeaderRecord& h = records_.header;
  host_.HideWindows();
  map_.ClearLayers();
  if (!map_.Setup(h.width, h.height, h.partWidth, h.partHeight, h.bitsPerCell))
    throw EReadFailure(filetext::Tr(filetext::kCannotCreateMap));
  host_.BeforeLayers(static_cast<int>(layers_.size()));
}

TFileResult ReadProject(TByteSource& source, const std::string& projectPath, TMap& map,
                        TProjectRecords& records, IProjectLoadHost& host,
                        const TProjectReadOptions& options) {
  return TProjectReader(map, records, host, options).Read(source, projectPath);
}

TFileResult ReadProjectFile(const std::string& path, TMap& map, TProjectRecords& records,
                            IProjectLoadHost& host, const TProjectReadOptions& options) {
  return ReadFileWith(path, [&](TByteSource& source) {
    return ReadProject(source, path, map, records, host, options);
  });
}

#include "formats/ProjectWriter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "formats/ByteOrder.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/ProjectLoadHost.h"
#include "formats/ProjectRecordCodec.h"
#include "formats/SafeFileWriter.h"
#include "model/MapDataUnit.h"
#include "platform/TextCodec.h"

namespace codec = projectcodec;

namespace {

// A layer's name and image path as they go into the file.
struct LayerText {
  std::string name;
  std::string path;
  uint64_t PayloadSize(uint64_t cellCount) const {
    return cellCount * 2 + name.size() + 1 + path.size() + 1 + 1;
  }
};

uint64_t ChunkSize(uint64_t payload) { return 8 + payload + (payload & 1); }

class ChunkOutput {
 public:
  explicit ChunkOutput(TSafeFileWriter& out) : out_(out) {}

  bool Head(const char* id, uint64_t payloadSize) {
    uint8_t head[8];
    std::copy(id, id + 4, head);
    byteorder::PutU32(head + 4, static_cast<uint32_t>(payloadSize));
    return out_.Write(head, sizeof head);
  }
  bool Pad(uint64_t payloadSize) {
    static const uint8_t zero = 0;
    return (payloadSize & 1) == 0 || out_.Write(&zero, 1);
  }
  bool Chunk(const char* id, const void* payload, uint32_t size) {
    return Head(id, size) && out_.Write(payload, size) && Pad(size);
  }
  template <typename R>
  bool Record(const char* id, const R& record, uint32_t size) {
    uint8_t bytes[codec::kWindowSize];
    codec::Encode(record, bytes);
    return Chunk(id, bytes, size);
  }
  bool Cells(const std::vector<uint16_t>& cells) {
    if (byteorder::kHostIsLittleEndian) return out_.Write(cells.data(), cells.size() * 2);
    std::vector<uint16_t> block(std::min<size_t>(cells.size(), 1 << 16));
    for (size_t done = 0; done < cells.size(); done += block.size()) {
      const size_t n = std::min(block.size(), cells.size() - done);
      std::copy_n(cells.begin() + static_cast<std::ptrdiff_t>(done), n, block.begin());
      byteorder::SwapCellsIfBigEndian(block.data(), n);
      if (!out_.Write(block.data(), n * 2)) return false;
    }
    return true;
  }

 private:
  TSafeFileWriter& out_;
};

void RefreshRecords(const TMap& map, TProjectRecords& records) {
  records.version = TVersionRecord();
  TMapHeaderRecord& h = records.header;
  h.width = map.GetWidth();
  h.height = map.GetHeight();
  h.partWidth = map.GetPartWidth();
  h.partHeight = map.GetPartHeight();
  h.layerCount = static_cast<uint8_t>(map.LayerCount());
  h.reserved = 255;
  for (TWindowRecord* w : {&records.chipWin, &records.layerWin, &records.previewWin})
    w->height = std::max(w->height, kMinToolWindowHeight);
}

std::vector<LayerText> LayerTexts(const TMap& map, const std::string& projectPath,
                                  bool relative) {
  std::vector<LayerText> texts;
  for (int i = 0; i < map.LayerCount(); ++i) {
    const TMapChip* chip = map.LayerAt(i).Chip;
    const std::string image = chip ? chip->FileName : std::string();
    texts.push_back({ToShiftJis(map.LayerAt(i).Name),
                     ToShiftJis(StoredImagePath(image, projectPath, relative))});
  }
  return texts;
}

class ProjectOutput {
 public:
  ProjectOutput(const TMap& map, const TProjectRecords& records, TSafeFileWriter& out,
                IProgressSink* progress)
      : map_(map), records_(records), out_(out), chunks_(out), progress_(progress) {}

  bool Write(const std::vector<LayerText>& layers, uint64_t fileSize) {
    uint8_t head[12] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'U', 'M', 'F', '_'};
    byteorder::PutU32(head + 4, static_cast<uint32_t>(fileSize - 8));
    if (!out_.Write(head, sizeof head) || !Records()) return false;
    if (progress_) {
      progress_->Start(map_.LayerCount() + 1);
      progress_->Step();
    }
    for (int i = 0; i < map_.LayerCount(); ++i) {
      if (!Layer(map_.LayerAt(i), layers[static_cast<size_t>(i)])) return false;
      if (progress_) progress_->Step();
    }
    return true;
  }

 private:
  bool Records() {
    const TProjectRecords& r = records_;
    if (!chunks_.Record("Ver_", r.version, codec::kVersionSize) ||
        !chunks_.Record("UMFh", r.header, codec::kHeaderSize) ||
        !chunks_.Record("mWin", r.mainWin, codec::kWindowSize) ||
        !chunks_.Record("cWin", r.chipWin, codec::kWindowSize) ||
        !chunks_.Record("lWin", r.layerWin, codec::kWindowSize) ||
        !chunks_.Record("pWin", r.previewWin, codec::kWindowSize) ||
        !chunks_.Record("Env_", r.env, codec::kViewFlagsSize) ||
        !chunks_.Record("Marh", r.marker, codec::kMarkerSize) ||
        !chunks_.Record("ColK", r.colorKey, codec::kColorKeySize) ||
        !chunks_.Record("InvC", r.transparentPart, codec::kTransparentPartSize))
      return false;
    const std::string comment = ToShiftJis(r.comment);
    return comment.empty() ||
           chunks_.Chunk("Comt", comment.data(), static_cast<uint32_t>(comment.size()));
  }

  bool Layer(const TMapLayer& layer, const LayerText& text) {
    const uint64_t payload = text.PayloadSize(layer.Cells.size());
    const uint8_t visible = layer.Visible ? 1 : 0;
    return chunks_.Head("LAY1", payload) && out_.Write(text.name.c_str(), text.name.size() + 1) &&
           out_.Write(text.path.c_str(), text.path.size() + 1) && out_.Write(&visible, 1) &&
           chunks_.Cells(layer.Cells) && chunks_.Pad(payload);
  }

  const TMap& map_;
  const TProjectRecords& records_;
  TSafeFileWriter& out_;
  ChunkOutput chunks_;
  IProgressSink* progress_;
};

uint64_t FileSize(const TMap& map, const TProjectRecords& records,
                  const std::vector<LayerText>& layers) {
  uint64_t size = 12 + ChunkSize(codec::kVersionSize) + ChunkSize(codec::kHeaderSize) +
                  4 * ChunkSize(codec::kWindowSize) + ChunkSize(codec::kViewFlagsSize) +
                  ChunkSize(codec::kMarkerSize) + ChunkSize(codec::kColorKeySize) +
                  ChunkSize(codec::kTransparentPartSize);
  const size_t comment = ToShiftJis(records.comment).size();
  if (comment > 0) size += ChunkSize(comment);
  for (int i = 0; i < map.LayerCount(); ++i)
    size += ChunkSize(layers[static_cast<size_t>(i)].PayloadSize(map.LayerAt(i).Cells.size()));
  return size;
}

}  // namespace

TFileResult WriteProjectFile(const std::string& path, const TMap& map, TProjectRecords& records,
                             IProgressSink* progress) {
  RefreshRecords(map, records);
  const std::vector<LayerText> layers =
      LayerTexts(map, AbsolutePath(path), records.header.relativePaths != 0);
  const uint64_t fileSize = FileSize(map, records, layers);
  if (fileSize - 8 > UINT32_MAX) return TFileResult::Failure(filetext::Tr(filetext::kFileTooLarge));
  TSafeFileWriter out(path);
  bool ok = out.Open() && ProjectOutput(map, records, out, progress).Write(layers, fileSize) &&
            out.Commit();
  if (progress) progress->Finish();
  return ok ? TFileResult::Success() : TFileResult::Failure(out.Error());
}

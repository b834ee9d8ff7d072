// The debug dumps "map.txt" and "modify.txt".
#include <cstdio>
#include <string>

#include "model/MapDataUnit.h"
#include "platform/Errors.h"
#include "platform/TextCodec.h"

namespace {

// Collects Shift-JIS text with CR LF line ends and writes it out in pieces.
class DumpFile {
 public:
  explicit DumpFile(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "wb")) {
    if (!file_) RaiseFileError(FileAction::Create, path_);
  }
  ~DumpFile() {
    if (file_) std::fclose(file_);
  }
  DumpFile& Text(const std::string& utf8) { return Raw(ToShiftJis(utf8)); }
  DumpFile& Raw(const std::string& bytes) {
    buffer_ += bytes;
    if (buffer_.size() >= 1 << 16) Flush();
    return *this;
  }
  DumpFile& Number(int64_t n) { return Raw(std::to_string(n)); }
  DumpFile& EndLine() { return Raw("\r\n"); }
  DumpFile& Line(const std::string& utf8) { return Text(utf8).EndLine(); }
  void Close() {
    Flush();
    FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) RaiseFileError(FileAction::Write, path_);
  }

 private:
  void Flush() {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
      RaiseFileError(FileAction::Write, path_);
    }
    buffer_.clear();
  }
  std::string path_;
  FILE* file_;
  std::string buffer_;
};

const char* KindName(uint8_t kind) {
  switch (kind) {
    case mtEmpty:
      return "mtEmpty";
    case mtData:
      return "mtData";
    case mtBegin:
      return "mtBegin";
    case mtEnd:
      return "mtEnd";
    default:
      return nullptr;
  }
}

void DumpRecord(DumpFile& out, const TModifyRecord& record, size_t k) {
  out.EndLine().Raw("index:").Number(static_cast<int64_t>(k)).EndLine();
  if (const char* kind = KindName(record.Kind)) out.Raw(kind).EndLine();
  out.Raw("layer:").Number(record.Layer).EndLine();
  out.Text("サイズ：").Number(record.Width).Raw(", ").Number(record.Height).EndLine();
  out.Raw("startIndex:").Number(record.StartIndex).EndLine();
  const size_t entries = std::min(record.Before.size(), record.After.size());
  const size_t perLine = record.Width > 0 ? static_cast<size_t>(record.Width) : 1;
  for (size_t i = 0; i < entries; ++i) {
    out.Number(record.Before[i]).Raw("(").Number(record.After[i]).Raw("),");
    if ((i + 1) % perLine == 0) out.EndLine();
  }
  out.EndLine();
}

}  // namespace

void TMap::DumpMap(const std::string& path) const {
  DumpFile out(path);
  out.EndLine().Line("マップデータの出力結果");
  out.Raw("Width=").Number(Width).Raw(":Height=").Number(Height).EndLine();
  const size_t perLine = Width > 0 ? static_cast<size_t>(Width) : 1;
  for (const TMapLayer& layer : Layers) {
    out.EndLine().Raw("name:").Line(layer.Name);
    if (layer.Chip) {
      out.Raw("chip:").Line(layer.Chip->FileName);
    } else {
      out.Line("chip:参照なし");
    }
    for (size_t i = 0; i < layer.Cells.size(); ++i) {
      out.Number(layer.Cells[i]).Raw(",");
      if ((i + 1) % perLine == 0) out.EndLine();
    }
  }
  out.Raw("[EOF]").EndLine();
  out.Close();
}

void TMap::DumpHistory(const std::string& path) const {
  DumpFile out(path);
  out.EndLine().Line("変更履歴データの出力結果");
  out.Raw("index=").Number(static_cast<int64_t>(History.size())).EndLine();
  out.Raw("modifyCursor=").Number(modifyCursor).EndLine();
  for (size_t k = 0; k < History.size(); ++k) DumpRecord(out, History[k], k);
  out.Raw("[EOF]").EndLine();
  out.Close();
}

#include "editor/CopyDump.h"

#include <cstdio>
#include <memory>

#include "platform/Errors.h"
#include "platform/TextCodec.h"

namespace {

std::string RangeLine(const char* name, const TCellRange& r) {
  return name + std::string("変更範囲(") + std::to_string(r.x) + ", " + std::to_string(r.y) +
         ")-(" + std::to_string(int64_t{r.x} + r.dx) + ", " + std::to_string(int64_t{r.y} + r.dy) +
         ")\r\n";
}

}  // namespace

std::string FormatCopyDump(const TModified& copy) {
  std::string text = "\r\nコピーデータの出力結果\r\n";
  text += "copy layer=" + std::to_string(copy.layer) + "\r\n\r\n";
  text += RangeLine("Src", copy.source);
  text += RangeLine("Dst", copy.destination);
  text += "srcPitch:" + std::to_string(copy.srcPitch) + "\r\n";
  std::string values;
  values.reserve(copy.data.size() * 4);
  for (uint16_t value : copy.data) values += std::to_string(value) + ",";
  return ToShiftJis(text) + values + "[EOF]\r\n";
}

void WriteCopyDump(const TModified& copy, const std::string& path) {
  const std::string bytes = FormatCopyDump(copy);
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) RaiseFileError(FileAction::Create, path);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    RaiseFileError(FileAction::Write, path);
  if (std::fclose(file.release()) != 0) RaiseFileError(FileAction::Write, path);
}

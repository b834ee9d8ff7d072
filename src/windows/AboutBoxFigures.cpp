#include "windows/AboutBoxFigures.h"

#include <malloc.h>
#include <sys/sysinfo.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr uint64_t kKilo = 1024;
constexpr uint64_t kMega = 1024 * 1024;

// MemTotal and MemAvailable in bytes; false when either is missing.
bool ReadMeminfo(uint64_t& total, uint64_t& available) {
  std::ifstream in("/proc/meminfo");
  std::string line;
  bool haveTotal = false;
  bool haveAvailable = false;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string key;
    uint64_t kb = 0;
    if (!(fields >> key >> kb)) continue;
    if (key == "MemTotal:") total = kb * kKilo, haveTotal = true;
    if (key == "MemAvailable:") available = kb * kKilo, haveAvailable = true;
  }
  return haveTotal && haveAvailable;
}

void ReadPhysical(MemoryStatus& status) {
  if (ReadMeminfo(status.totalPhysical, status.availablePhysical)) return;
  struct sysinfo info {};
  if (sysinfo(&info) != 0) return;
  status.totalPhysical = static_cast<uint64_t>(info.totalram) * info.mem_unit;
  status.availablePhysical = static_cast<uint64_t>(info.freeram + info.bufferram) * info.mem_unit;
}

}  // namespace

MemoryStatus ReadMemoryStatus() {
  MemoryStatus status;
  ReadPhysical(status);
  status.memoryLoad = MemoryLoadPercent(status.totalPhysical, status.availablePhysical);
  const struct mallinfo2 heap = mallinfo2();
  status.heapAllocated = heap.uordblks + heap.hblkhd;
  status.heapAddressSpace = heap.arena + heap.hblkhd;
  status.heapFree = heap.fordblks;
  return status;
}

int MemoryLoadPercent(uint64_t total, uint64_t available) {
  if (total == 0 || available >= total) return 0;
  return static_cast<int>((total - available) * 100 / total);
}

uint64_t DivideRoundHalfEven(uint64_t value, uint64_t divisor) {
  const uint64_t quotient = value / divisor;
  const uint64_t rest = value % divisor;
  const uint64_t half = divisor - rest;  // compare 2 * rest with divisor without overflow
  if (rest > half || (rest == half && quotient % 2 == 1)) return quotient + 1;
  return quotient;
}

QString WithThousandsSeparators(uint64_t value) {
  QString digits = QString::number(value);
  for (qsizetype i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, QLatin1Char(','));
  return digits;
}

QString FormatMemoryFigure(uint64_t bytes) {
  if (bytes <= kMega)
    return WithThousandsSeparators(DivideRoundHalfEven(bytes, kKilo)) + QStringLiteral("KB");
  return WithThousandsSeparators(DivideRoundHalfEven(bytes, kMega)) + QStringLiteral("MB");
}

std::optional<QString> AboutCaptionAtStep(const QString& text, int step) {
  const int n = static_cast<int>(text.size());
  if (step < 0 || step > n + 4) return std::nullopt;
  if (step <= n) return text.right(step);
  if (step <= n + 2) return QString(text).insert(std::max(n - 1, 0), QLatin1Char(' '));
  return text;
}

bool GaugeGrows(int position, int memoryLoad) {
  return position <= memoryLoad && position < 100;
}

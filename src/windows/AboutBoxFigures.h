#pragma once
// What the version dialog shows, kept apart from its widgets: the memory figures, their
// format, and the steps of the caption and gauge animations.
#include <QString>
#include <cstdint>
#include <optional>

struct MemoryStatus {
  uint64_t totalPhysical = 0;
  uint64_t availablePhysical = 0;
  int memoryLoad = 0;  // percent of physical memory in use
  uint64_t heapAllocated = 0;
  uint64_t heapAddressSpace = 0;
  uint64_t heapFree = 0;
};

// Physical memory from /proc/meminfo (sysinfo when that cannot be read), the heap from
// mallinfo2.
MemoryStatus ReadMemoryStatus();
int MemoryLoadPercent(uint64_t total, uint64_t available);

// Up to 1048576 bytes in kilobytes, above in megabytes, rounded half to even, with thousands
// separators: 1048576 -> "1,024KB", 1048577 -> "1MB".
QString FormatMemoryFigure(uint64_t bytes);
// `value` / `divisor`, rounded to the nearest, halves to the even neighbour.
uint64_t DivideRoundHalfEven(uint64_t value, uint64_t divisor);
QString WithThousandsSeparators(uint64_t value);

// The caption at animation step `step` (from 0), or nothing once the animation is over: it
// fills in from the right, then shows a blank before the last character twice, then the
// whole text twice.
std::optional<QString> AboutCaptionAtStep(const QString& text, int step);
// Whether the usage gauge still grows: it stops once it exceeds the load (or is full).
bool GaugeGrows(int position, int memoryLoad);

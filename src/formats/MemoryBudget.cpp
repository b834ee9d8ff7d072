#include "formats/MemoryBudget.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

uint64_t DefaultCellMemoryBudget() {
  uint64_t physical = 0;
#if defined(_SC_PHYS_PAGES) && defined(_SC_PAGESIZE)
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages > 0 && pageSize > 0) physical = static_cast<uint64_t>(pages) * pageSize;
#endif
  if (physical == 0) physical = uint64_t{8} << 30;  // unknown: assume a modest machine
  return physical / 2;
}

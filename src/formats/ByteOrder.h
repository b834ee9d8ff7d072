#pragma once
// Little-endian fields at any offset, without alignment, and bulk conversion of 16-bit cells
// between the file's byte order and the machine's.
#include <cstddef>
#include <cstdint>
#include <string>

namespace byteorder {

inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

inline uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void PutU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

inline void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void AppendU16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

inline void AppendU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

constexpr bool kHostIsLittleEndian =
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    false;
#else
    true;
#endif

// Cells read as raw bytes into their array are little-endian; on a big-endian machine they
// need their bytes swapped in place (a no-op everywhere else). The same call turns them back.
inline void SwapCellsIfBigEndian(uint16_t* cells, size_t count) {
  if (kHostIsLittleEndian) return;
  for (size_t i = 0; i < count; ++i)
    cells[i] = static_cast<uint16_t>((cells[i] >> 8) | (cells[i] << 8));
}

}  // namespace byteorder

#include "formats/ProjectRecordCodec.h"

#include "formats/ByteOrder.h"

using namespace byteorder;

namespace projectcodec {

void Encode(const TVersionRecord& r, uint8_t* out) {
  out[0] = r.major;
  out[1] = r.minor;
  out[2] = r.release;
  out[3] = r.letter;
}

void Decode(const uint8_t* in, TVersionRecord& r) {
  r.major = in[0];
  r.minor = in[1];
  r.release = in[2];
  r.letter = in[3];
}

void Encode(const TMapHeaderRecord& r, uint8_t* out) {
  PutU32(out, static_cast<uint32_t>(r.width));
  PutU32(out + 4, static_cast<uint32_t>(r.height));
  PutU32(out + 8, static_cast<uint32_t>(r.partWidth));
  PutU32(out + 12, static_cast<uint32_t>(r.partHeight));
  out[16] = r.layerCount;
  out[17] = r.bitsPerCell;
  out[18] = r.relativePaths;
  out[19] = r.reserved;
}

void Decode(const uint8_t* in, TMapHeaderRecord& r) {
  r.width = static_cast<int32_t>(GetU32(in));
  r.height = static_cast<int32_t>(GetU32(in + 4));
  r.partWidth = static_cast<int32_t>(GetU32(in + 8));
  r.partHeight = static_cast<int32_t>(GetU32(in + 12));
  r.layerCount = in[16];
  r.bitsPerCell = in[17];
  r.relativePaths = in[18];
  r.reserved = in[19];
}

void Encode(const TWindowRecord& r, uint8_t* out) {
  PutU32(out, static_cast<uint32_t>(r.left));
  PutU32(out + 4, static_cast<uint32_t>(r.top));
  PutU32(out + 8, static_cast<uint32_t>(r.width));
  PutU32(out + 12, static_cast<uint32_t>(r.height));
  PutU16(out + 16, r.zoom);
  out[18] = r.visible;
  out[19] = r.reserved;
}

void Decode(const uint8_t* in, TWindowRecord& r) {
  r.left = static_cast<int32_t>(GetU32(in));
  r.top = static_cast<int32_t>(GetU32(in + 4));
  r.width = static_cast<int32_t>(GetU32(in + 8));
  r.height = static_cast<int32_t>(GetU32(in + 12));
  r.zoom = GetU16(in + 16);
  r.visible = in[18];
  r.reserved = in[19];
}

void Encode(const TViewFlagsRecord& r, uint8_t* out) {
  out[0] = r.grid;
  out[1] = r.partNumbers;
  out[2] = r.cellIndex;
  out[3] = r.cursorGrid;
}

void Decode(const uint8_t* in, uint32_t count, TViewFlagsRecord& r) {
  uint8_t* fields[] = {&r.grid, &r.partNumbers, &r.cellIndex, &r.cursorGrid};
  for (uint32_t i = 0; i < count && i < kViewFlagsSize; ++i) *fields[i] = in[i];
}

void Encode(const TMarkerRecord& r, uint8_t* out) {
  out[0] = r.currentLayer;
  out[1] = r.reserved;
}

void Decode(const uint8_t* in, uint32_t count, TMarkerRecord& r) {
  if (count > 0) r.currentLayer = in[0];
  if (count > 1) r.reserved = in[1];
}

void Encode(const TColorKeyRecord& r, uint8_t* out) {
  out[0] = r.enabled;
  PutU32(out + 1, r.color);
  out[5] = r.reserved;
}

void Decode(const uint8_t* in, TColorKeyRecord& r) {
  r.enabled = in[0];
  r.color = GetU32(in + 1);
  r.reserved = in[5];
}

void Encode(const TTransparentPartRecord& r, uint8_t* out) {
  out[0] = r.enabled;
  PutU16(out + 1, r.number);
  out[3] = r.reserved;
}

void Decode(const uint8_t* in, TTransparentPartRecord& r) {
  r.enabled = in[0];
  r.number = GetU16(in + 1);
  r.reserved = in[3];
}

}  // namespace projectcodec

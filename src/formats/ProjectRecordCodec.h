#pragma once
// The fixed-size records of the project file as bytes, field by field.
#include <cstdint>

#include "formats/ProjectRecords.h"

namespace projectcodec {

constexpr uint32_t kVersionSize = 4;
constexpr uint32_t kHeaderSize = 20;
constexpr uint32_t kWindowSize = 20;
constexpr uint32_t kViewFlagsSize = 4;
constexpr uint32_t kMarkerSize = 2;
constexpr uint32_t kColorKeySize = 6;
constexpr uint32_t kTransparentPartSize = 4;

void Encode(const TVersionRecord& r, uint8_t* out);
void Decode(const uint8_t* in, TVersionRecord& r);
void Encode(const TMapHeaderRecord& r, uint8_t* out);
void Decode(const uint8_t* in, TMapHeaderRecord& r);
void Encode(const TWindowRecord& r, uint8_t* out);
void Decode(const uint8_t* in, TWindowRecord& r);
void Encode(const TViewFlagsRecord& r, uint8_t* out);
// The view and marker flags may be cut short by the end of the file: only `count` bytes
// (at most the record's size) are taken, the rest keep their values.
void Decode(const uint8_t* in, uint32_t count, TViewFlagsRecord& r);
void Encode(const TMarkerRecord& r, uint8_t* out);
void Decode(const uint8_t* in, uint32_t count, TMarkerRecord& r);
void Encode(const TColorKeyRecord& r, uint8_t* out);
void Decode(const uint8_t* in, TColorKeyRecord& r);
void Encode(const TTransparentPartRecord& r, uint8_t* out);
void Decode(const uint8_t* in, TTransparentPartRecord& r);

}  // namespace projectcodec

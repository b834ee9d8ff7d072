#include "formats/TiledData.h"

#include <zlib.h>

#include <algorithm>
#include <new>

#include "formats/ReadFailure.h"
#include "formats/TiledTexts.h"

void TCsvGids::Push() {
  if (filled_ >= gids_.size()) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
  gids_[filled_++] = static_cast<uint32_t>(value_);
  value_ = 0;
  inNumber_ = false;
}

void TCsvGids::Feed(QStringView text) {
  for (const QChar qc : text) {
    const char16_t c = qc.unicode();
    if (c >= '0' && c <= '9') {
      value_ = value_ * 10 + (c - '0');
      if (value_ > 0xFFFFFFFFu) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
      inNumber_ = true;
    } else if (c == ',') {
      if (!inNumber_) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
      Push();
    } else if (c != ' ' && c != '\n' && c != '\r' && c != '\t') {
      throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
    }
  }
}

void TCsvGids::Finish() {
  if (inNumber_) Push();
  if (filled_ != gids_.size()) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
}

namespace {

void ToGids(const uint8_t* bytes, std::vector<uint32_t>& gids) {
  for (size_t i = 0; i < gids.size(); ++i, bytes += 4)
    gids[i] = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (uint32_t{bytes[3]} << 24);
}

// Inflates into exactly `out.size()` bytes; a stream that would give more is a bomb.
void Inflate(const QByteArray& packed, bool gzip, std::vector<uint8_t>& out) {
  z_stream z{};
  if (inflateInit2(&z, gzip ? 15 + 16 : 15) != Z_OK) throw std::bad_alloc();
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
  z.avail_in = static_cast<uInt>(packed.size());
  z.next_out = out.data();
  size_t left = out.size();
  int status = Z_OK;
  while (status == Z_OK && left > 0) {
    const uInt step = static_cast<uInt>(std::min<size_t>(left, 1u << 30));
    z.avail_out = step;
    status = inflate(&z, Z_NO_FLUSH);
    left -= step - z.avail_out;
    if (status == Z_BUF_ERROR && z.avail_in == 0) break;
  }
  uint8_t extra = 0;
  if (status == Z_OK && left == 0) {  // full: anything more is too much
    z.next_out = &extra;
    z.avail_out = 1;
    status = inflate(&z, Z_NO_FLUSH);
    if (z.avail_out == 0) {
      inflateEnd(&z);
      throw EReadFailure(filetext::Tr(tiledtext::kBomb));
    }
  }
  inflateEnd(&z);
  if (status != Z_STREAM_END || left != 0)
    throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
}

}  // namespace

void DecodeBase64Gids(const QByteArray& text, const QByteArray& compression,
                      std::vector<uint32_t>& gids) {
  QByteArray compact;
  compact.reserve(text.size());
  for (const char c : text)
    if (c != ' ' && c != '\n' && c != '\r' && c != '\t') compact.append(c);
  const auto decoded = QByteArray::fromBase64Encoding(
      compact, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
  const QByteArray& bytes = *decoded;
  const size_t want = gids.size() * 4;
  if (compression.isEmpty()) {
    if (static_cast<size_t>(bytes.size()) != want)
      throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
    ToGids(reinterpret_cast<const uint8_t*>(bytes.constData()), gids);
    return;
  }
  if (compression != "zlib" && compression != "gzip")
    throw EReadFailure(filetext::Tr(tiledtext::kUnknownEncoding));
  std::vector<uint8_t> raw(want);
  Inflate(bytes, compression == "gzip", raw);
  ToGids(raw.data(), gids);
}

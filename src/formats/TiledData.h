#pragma once
// The cells of a tile layer as Tiled stores them: CSV text, or base64 of little-endian 32-bit
// gids, raw, zlib or gzip. Every decoder stops at `count` gids and refuses more or fewer, so
// nothing grows past the layer the header announced.
#include <QByteArray>
#include <QStringView>
#include <cstdint>
#include <vector>

class TCsvGids {
 public:
  explicit TCsvGids(std::vector<uint32_t>& gids) : gids_(gids) {}
  void Feed(QStringView text);
  void Finish();  // raises EReadFailure unless exactly the layer's count came

 private:
  void Push();
  std::vector<uint32_t>& gids_;
  size_t filled_ = 0;
  uint64_t value_ = 0;
  bool inNumber_ = false;
};

// `compression`: "", "zlib" or "gzip"; anything else is refused.
void DecodeBase64Gids(const QByteArray& text, const QByteArray& compression,
                      std::vector<uint32_t>& gids);

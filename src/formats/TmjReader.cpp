// Tiled's JSON maps (.tmj, .json) and .tsj tilesets.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

#include "formats/ReadFailure.h"
#include "formats/TiledData.h"
#include "formats/TiledImport.h"
#include "formats/TiledMap.h"
#include "formats/TiledRead.h"
#include "formats/TiledTexts.h"

namespace {

constexpr int kMaxGroupDepth = 64;

std::string Text(const QJsonObject& o, const char* key) {
  return o.value(QLatin1String(key)).toString().toStdString();
}

int Int(const QJsonObject& o, const char* key, int fallback = 0) {
  const QJsonValue v = o.value(QLatin1String(key));
  if (v.isUndefined()) return fallback;
  // Out-of-range numbers are clamped to values every check refuses.
  return static_cast<int>(std::clamp(v.toDouble(-1), -1.0, double(1 << 30)));
}

// Whole numbers without a fraction, as the int properties are written.
std::string NumberText(double value) {
  if (std::fabs(value) < 1e15 && value == std::floor(value))
    return std::to_string(static_cast<long long>(value));
  return QString::number(value).toStdString();
}

bool Bool(const QJsonObject& o, const char* key, bool fallback) {
  const QJsonValue v = o.value(QLatin1String(key));
  return v.isBool() ? v.toBool() : fallback;
}

QJsonObject Parse(const QByteArray& bytes, const char* failure) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject())
    throw EReadFailure(filetext::Tr(failure));
  return doc.object();
}

void ReadTilesetBody(const QJsonObject& o, TTiledTileset& s) {
  s.name = Text(o, "name");
  s.tileWidth = Int(o, "tilewidth");
  s.tileHeight = Int(o, "tileheight");
  s.tileCount = Int(o, "tilecount");
  s.columns = Int(o, "columns");
  s.margin = Int(o, "margin");
  s.spacing = Int(o, "spacing");
  s.image = Text(o, "image");
  s.imageWidth = Int(o, "imagewidth");
  s.imageHeight = Int(o, "imageheight");
  s.hasTrans = tiled::ParseColor(Text(o, "transparentcolor"), s.trans);
  for (const QJsonValue& tile : o.value(QLatin1String("tiles")).toArray()) {
    const QJsonObject t = tile.toObject();
    if (t.contains(QLatin1String("animation"))) s.animated = true;
    if (t.contains(QLatin1String("image"))) s.tileImages = true;
  }
}

class TmjReader {
 public:
  TmjReader(const std::string& path, TTiledMap& t, uint64_t budget)
      : path_(path), t_(t), budget_(budget) {}

  void ReadMap(const QJsonObject& o) {
    if (o.contains(QLatin1String("type")) && Text(o, "type") != "map")
      throw EReadFailure(filetext::Tr(tiledtext::kNotTiled));
    t_.orientation = Text(o, "orientation");
    const std::string order = Text(o, "renderorder");
    if (!order.empty()) t_.renderOrder = order;
    t_.infinite = Bool(o, "infinite", false);
    t_.width = Int(o, "width");
    t_.height = Int(o, "height");
    t_.tileWidth = Int(o, "tilewidth");
    t_.tileHeight = Int(o, "tileheight");
    CheckTiledMapHeader(t_);
    ReadProperties(o.value(QLatin1String("properties")).toArray(), t_.properties);
    for (const QJsonValue& v : o.value(QLatin1String("tilesets")).toArray())
      ReadTileset(v.toObject());
    const QJsonArray layers = o.value(QLatin1String("layers")).toArray();
    t_.declaredLayers = CountTileLayers(layers, 0);
    ReadLayers(layers, true, 0);
  }

 private:
  static void ReadProperties(const QJsonArray& properties, std::vector<TTiledProperty>& into) {
    for (const QJsonValue& v : properties) {
      const QJsonObject p = v.toObject();
      const QJsonValue value = p.value(QLatin1String("value"));
      std::string text;
      if (value.isBool())
        text = value.toBool() ? "true" : "false";
      else if (value.isDouble())
        text = NumberText(value.toDouble());
      else
        text = value.toString().toStdString();
      std::string type = Text(p, "type");
      into.push_back({Text(p, "name"), type.empty() ? "string" : type, text});
    }
  }

  void ReadTileset(const QJsonObject& o) {
    TTiledTileset s;
    s.firstGid = static_cast<uint32_t>(std::max(Int(o, "firstgid", 1), 1));
    const std::string source = Text(o, "source");
    if (source.empty()) {
      ReadTilesetBody(o, s);
      ResolveImage(s, path_);
    } else {
      ReadExternalTileset(ResolveTiledPath(source, path_), s);
    }
    t_.tilesets.push_back(std::move(s));
  }

  static size_t CountTileLayers(const QJsonArray& layers, int depth) {
    size_t count = 0;
    for (const QJsonValue& v : layers) {
      const QJsonObject o = v.toObject();
      const std::string type = Text(o, "type");
      if (type == "tilelayer") ++count;
      if (type == "group" && depth < kMaxGroupDepth)
        count += CountTileLayers(o.value(QLatin1String("layers")).toArray(), depth + 1);
    }
    return count;
  }

  void ReadLayers(const QJsonArray& layers, bool visible, int depth) {
    for (const QJsonValue& v : layers) {
      const QJsonObject o = v.toObject();
      const std::string type = Text(o, "type");
      const bool shown = visible && Bool(o, "visible", true);
      if (type == "tilelayer") {
        ReadLayer(o, shown);
      } else if (type == "group") {
        if (depth >= kMaxGroupDepth) throw EReadFailure(filetext::Tr(tiledtext::kNotTiled));
        ReadLayers(o.value(QLatin1String("layers")).toArray(), shown, depth + 1);
      } else if (type == "objectgroup") {
        t_.dropped.objectLayers = true;
      } else if (type == "imagelayer") {
        t_.dropped.imageLayers = true;
      }
    }
  }

  void ReadLayer(const QJsonObject& o, bool visible) {
    CheckTiledLayerRoom(t_, budget_);
    if (o.contains(QLatin1String("chunks"))) throw EReadFailure(filetext::Tr(tiledtext::kInfinite));
    if (Int(o, "width", t_.width) != t_.width || Int(o, "height", t_.height) != t_.height)
      throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
    TTiledLayer layer;
    layer.name = Text(o, "name");
    layer.visible = visible;
    ReadProperties(o.value(QLatin1String("properties")).toArray(), layer.properties);
    layer.gids.assign(static_cast<size_t>(t_.width) * static_cast<size_t>(t_.height), 0);
    const QJsonValue data = o.value(QLatin1String("data"));
    const std::string encoding = Text(o, "encoding");
    if (data.isArray() && (encoding.empty() || encoding == "csv")) {
      const QJsonArray cells = data.toArray();
      if (static_cast<size_t>(cells.size()) != layer.gids.size())
        throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
      for (size_t i = 0; i < layer.gids.size(); ++i) {
        const double gid = cells.at(static_cast<qsizetype>(i)).toDouble(-1);
        if (!(gid >= 0 && gid <= 4294967295.0))
          throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
        layer.gids[i] = static_cast<uint32_t>(gid);
      }
    } else if (data.isString() && encoding == "base64") {
      DecodeBase64Gids(data.toString().toLatin1(),
                       QByteArray::fromStdString(Text(o, "compression")), layer.gids);
    } else {
      throw EReadFailure(filetext::Tr(tiledtext::kUnknownEncoding));
    }
    t_.layers.push_back(std::move(layer));
  }

  std::string path_;
  TTiledMap& t_;
  uint64_t budget_;
};

}  // namespace

void ReadTiledJson(const QByteArray& bytes, const std::string& path, TTiledMap& tiled,
                   uint64_t budget) {
  TmjReader(path, tiled, budget).ReadMap(Parse(bytes, tiledtext::kNotTiled));
}

void ReadTsj(const QByteArray& bytes, const std::string& path, TTiledTileset& tileset) {
  ReadTilesetBody(Parse(bytes, tiledtext::kTilesetUnreadable), tileset);
  ResolveImage(tileset, path);
}

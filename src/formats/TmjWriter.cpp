// Tiled's JSON map format (.tmj), cells as plain arrays.
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "formats/TiledExport.h"
#include "formats/TiledMap.h"

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QJsonValue PropertyValue(const TTiledProperty& p) {
  if (p.type == "int") return std::stoll(p.value);
  if (p.type == "bool") return p.value == "true";
  return Q(p.value);
}

QJsonArray Properties(const std::vector<TTiledProperty>& properties) {
  QJsonArray array;
  for (const TTiledProperty& p : properties)
    array.append(
        QJsonObject{{"name", Q(p.name)}, {"type", Q(p.type)}, {"value", PropertyValue(p)}});
  return array;
}

QJsonObject Tileset(const TTiledTileset& s) {
  QJsonObject o{{"firstgid", static_cast<qint64>(s.firstGid)},
                {"name", Q(s.name)},
                {"tilewidth", s.tileWidth},
                {"tileheight", s.tileHeight},
                {"tilecount", s.tileCount},
                {"columns", s.columns},
                {"margin", 0},
                {"spacing", 0}};
  if (!s.image.empty()) {
    o["image"] = Q(s.image);
    o["imagewidth"] = s.imageWidth;
    o["imageheight"] = s.imageHeight;
    if (s.hasTrans) o["transparentcolor"] = Q(tiled::ColorText(s.trans, false));
  }
  return o;
}

QJsonObject Layer(const TTiledMap& t, size_t index) {
  const TTiledLayer& layer = t.layers[index];
  QJsonArray data;
  for (const uint32_t gid : layer.gids) data.append(static_cast<qint64>(gid));
  return QJsonObject{{"id", static_cast<qint64>(index + 1)},
                     {"name", Q(layer.name)},
                     {"type", "tilelayer"},
                     {"width", t.width},
                     {"height", t.height},
                     {"x", 0},
                     {"y", 0},
                     {"opacity", 1},
                     {"visible", layer.visible},
                     {"properties", Properties(layer.properties)},
                     {"data", data}};
}

}  // namespace

void WriteTiledJson(const TTiledMap& t, QIODevice& out) {
  QJsonArray tilesets, layers;
  for (const TTiledTileset& s : t.tilesets) tilesets.append(Tileset(s));
  for (size_t i = 0; i < t.layers.size(); ++i) layers.append(Layer(t, i));
  const QJsonObject map{{"type", "map"},
                        {"version", "1.8"},
                        {"orientation", Q(t.orientation)},
                        {"renderorder", Q(t.renderOrder)},
                        {"infinite", false},
                        {"compressionlevel", -1},
                        {"width", t.width},
                        {"height", t.height},
                        {"tilewidth", t.tileWidth},
                        {"tileheight", t.tileHeight},
                        {"nextlayerid", static_cast<qint64>(t.layers.size() + 1)},
                        {"nextobjectid", 1},
                        {"properties", Properties(t.properties)},
                        {"tilesets", tilesets},
                        {"layers", layers}};
  out.write(QJsonDocument(map).toJson(QJsonDocument::Compact));
}

// TMX: Tiled's XML map format, cells as CSV.
#include <QIODevice>
#include <QXmlStreamWriter>
#include <charconv>

#include "formats/TiledExport.h"
#include "formats/TiledMap.h"

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

void WriteProperties(QXmlStreamWriter& xml, const std::vector<TTiledProperty>& properties) {
  if (properties.empty()) return;
  xml.writeStartElement("properties");
  for (const TTiledProperty& p : properties) {
    xml.writeStartElement("property");
    xml.writeAttribute("name", Q(p.name));
    if (p.type != "string") xml.writeAttribute("type", Q(p.type));
    // An attribute keeps CR LF line breaks (escaped); element text would lose the CR.
    xml.writeAttribute("value", Q(p.value));
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

void WriteTileset(QXmlStreamWriter& xml, const TTiledTileset& s) {
  xml.writeStartElement("tileset");
  xml.writeAttribute("firstgid", QString::number(s.firstGid));
  xml.writeAttribute("name", Q(s.name));
  xml.writeAttribute("tilewidth", QString::number(s.tileWidth));
  xml.writeAttribute("tileheight", QString::number(s.tileHeight));
  xml.writeAttribute("tilecount", QString::number(s.tileCount));
  xml.writeAttribute("columns", QString::number(s.columns));
  if (!s.image.empty()) {
    xml.writeStartElement("image");
    xml.writeAttribute("source", Q(s.image));
    if (s.hasTrans) xml.writeAttribute("trans", Q(tiled::ColorText(s.trans, false).substr(1)));
    xml.writeAttribute("width", QString::number(s.imageWidth));
    xml.writeAttribute("height", QString::number(s.imageHeight));
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

QString CsvCells(const std::vector<uint32_t>& gids, int width) {
  std::string text;
  text.reserve(gids.size() * 4 + 1);
  text += '\n';
  char digits[12];
  for (size_t i = 0; i < gids.size(); ++i) {
    text.append(digits, std::to_chars(digits, digits + sizeof digits, gids[i]).ptr);
    if (i + 1 < gids.size()) text += ',';
    if ((i + 1) % static_cast<size_t>(width) == 0) text += '\n';
  }
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void WriteLayer(QXmlStreamWriter& xml, const TTiledMap& t, size_t index) {
  const TTiledLayer& layer = t.layers[index];
  xml.writeStartElement("layer");
  xml.writeAttribute("id", QString::number(index + 1));
  xml.writeAttribute("name", Q(layer.name));
  xml.writeAttribute("width", QString::number(t.width));
  xml.writeAttribute("height", QString::number(t.height));
  if (!layer.visible) xml.writeAttribute("visible", "0");
  WriteProperties(xml, layer.properties);
  xml.writeStartElement("data");
  xml.writeAttribute("encoding", "csv");
  xml.writeCharacters(CsvCells(layer.gids, t.width));
  xml.writeEndElement();
  xml.writeEndElement();
}

}  // namespace

void WriteTmx(const TTiledMap& t, QIODevice& out) {
  QXmlStreamWriter xml(&out);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(1);
  xml.writeStartDocument();
  xml.writeStartElement("map");
  xml.writeAttribute("version", "1.8");
  xml.writeAttribute("orientation", Q(t.orientation));
  xml.writeAttribute("renderorder", Q(t.renderOrder));
  xml.writeAttribute("width", QString::number(t.width));
  xml.writeAttribute("height", QString::number(t.height));
  xml.writeAttribute("tilewidth", QString::number(t.tileWidth));
  xml.writeAttribute("tileheight", QString::number(t.tileHeight));
  xml.writeAttribute("infinite", "0");
  xml.writeAttribute("nextlayerid", QString::number(t.layers.size() + 1));
  xml.writeAttribute("nextobjectid", "1");
  WriteProperties(xml, t.properties);
  for (const TTiledTileset& s : t.tilesets) WriteTileset(xml, s);
  for (size_t i = 0; i < t.layers.size(); ++i) WriteLayer(xml, t, i);
  xml.writeEndElement();
  xml.writeEndDocument();
}

// TMX: Tiled's XML maps and .tsx tilesets.
#include <QXmlStreamReader>
#include <algorithm>

#include "formats/ImagePath.h"
#include "formats/ReadFailure.h"
#include "formats/TiledData.h"
#include "formats/TiledImport.h"
#include "formats/TiledMap.h"
#include "formats/TiledRead.h"
#include "formats/TiledTexts.h"

namespace {

constexpr int kMaxGroupDepth = 64;

std::string Attr(const QXmlStreamReader& xml, const char* name) {
  return xml.attributes().value(QLatin1String(name)).toString().toStdString();
}

int IntAttr(const QXmlStreamReader& xml, const char* name, int fallback = 0) {
  const QStringView text = xml.attributes().value(QLatin1String(name));
  if (text.isEmpty()) return fallback;
  bool ok = false;
  const qlonglong value = text.toLongLong(&ok);
  if (!ok) throw EReadFailure(filetext::Tr(tiledtext::kNotTiled));
  // Out-of-range numbers are clamped to values every check below refuses.
  return static_cast<int>(std::clamp<qlonglong>(value, -1, 1 << 30));
}

// How many <layer> start tags the text holds: an upper bound of the tile layers.
size_t CountLayerTags(const QByteArray& bytes) {
  size_t count = 0;
  for (qsizetype at = bytes.indexOf("<layer"); at >= 0; at = bytes.indexOf("<layer", at + 6)) {
    const char next = at + 6 < bytes.size() ? bytes.at(at + 6) : '\0';
    if (next == '>' || next == '/' || next == ' ' || next == '\t' || next == '\n' || next == '\r')
      ++count;
  }
  return count;
}

class TmxReader {
 public:
  TmxReader(const QByteArray& bytes, const std::string& path, TTiledMap& t, uint64_t budget)
      : xml_(bytes), bytes_(bytes), path_(path), t_(t), budget_(budget) {}

  void ReadMap() {
    if (!xml_.readNextStartElement() || xml_.name() != QLatin1String("map"))
      throw EReadFailure(filetext::Tr(tiledtext::kNotTiled));
    t_.orientation = Attr(xml_, "orientation");
    const std::string order = Attr(xml_, "renderorder");
    if (!order.empty()) t_.renderOrder = order;
    t_.infinite = IntAttr(xml_, "infinite") != 0;
    t_.width = IntAttr(xml_, "width");
    t_.height = IntAttr(xml_, "height");
    t_.tileWidth = IntAttr(xml_, "tilewidth");
    t_.tileHeight = IntAttr(xml_, "tileheight");
    CheckTiledMapHeader(t_);
    t_.declaredLayers = CountLayerTags(bytes_);
    ReadChildren(true);
    if (xml_.hasError()) throw EReadFailure(filetext::Tr(tiledtext::kNotTiled));
  }

  // The root element of a .tsx file.
  void ReadTilesetFile(TTiledTileset& s) {
    if (!xml_.readNextStartElement() || xml_.name() != QLatin1String("tileset"))
      throw EReadFailure(filetext::Tr(tiledtext::kTilesetUnreadable));
    ReadTilesetBody(s);
    if (xml_.hasError()) throw EReadFailure(filetext::Tr(tiledtext::kTilesetUnreadable));
  }

 private:
  // Children of the map or of a group layer; group layers are flattened in order.
  void ReadChildren(bool visible) {
    while (xml_.readNextStartElement()) {
      const QStringView name = xml_.name();
      if (name == QLatin1String("properties") && depth_ == 0) {
        ReadProperties(t_.properties);
      } else if (name == QLatin1String("tileset") && depth_ == 0) {
        ReadTileset();
      } else if (name == QLatin1String("layer")) {
        ReadLayer(visible);
      } else if (name == QLatin1String("group")) {
        const bool shown = visible && IntAttr(xml_, "visible", 1) != 0;
        if (depth_ >= kMaxGroupDepth) throw EReadFailure(filetext::Tr(tiledtext::kNotTiled));
        ++depth_;
        ReadChildren(shown);
        --depth_;
      } else {
        if (name == QLatin1String("objectgroup")) t_.dropped.objectLayers = true;
        if (name == QLatin1String("imagelayer")) t_.dropped.imageLayers = true;
        xml_.skipCurrentElement();
      }
    }
  }

  void ReadProperties(std::vector<TTiledProperty>& into) {
    while (xml_.readNextStartElement()) {
      if (xml_.name() != QLatin1String("property")) {
        xml_.skipCurrentElement();
        continue;
      }
      TTiledProperty p{Attr(xml_, "name"), Attr(xml_, "type"), Attr(xml_, "value")};
      if (p.type.empty()) p.type = "string";
      const bool hasValue = xml_.attributes().hasAttribute(QLatin1String("value"));
      const QString text = xml_.readElementText(QXmlStreamReader::SkipChildElements);
      if (!hasValue) p.value = text.toStdString();
      into.push_back(std::move(p));
    }
  }

  void ReadTileset() {
    TTiledTileset s;
    s.firstGid = static_cast<uint32_t>(std::max(IntAttr(xml_, "firstgid", 1), 1));
    const std::string source = Attr(xml_, "source");
    if (source.empty()) {
      ReadTilesetBody(s);
      ResolveImage(s, path_);
    } else {
      xml_.skipCurrentElement();
      ReadExternalTileset(ResolveTiledPath(source, path_), s);
    }
    t_.tilesets.push_back(std::move(s));
  }

  void ReadTilesetBody(TTiledTileset& s) {
    s.name = Attr(xml_, "name");
    s.tileWidth = IntAttr(xml_, "tilewidth");
    s.tileHeight = IntAttr(xml_, "tileheight");
    s.tileCount = IntAttr(xml_, "tilecount");
    s.columns = IntAttr(xml_, "columns");
    s.margin = IntAttr(xml_, "margin");
    s.spacing = IntAttr(xml_, "spacing");
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("image")) {
        s.image = Attr(xml_, "source");
        s.imageWidth = IntAttr(xml_, "width");
        s.imageHeight = IntAttr(xml_, "height");
        s.hasTrans = tiled::ParseColor(Attr(xml_, "trans"), s.trans);
        xml_.skipCurrentElement();
      } else if (xml_.name() == QLatin1String("tile")) {
        ReadTile(s);
      } else {
        xml_.skipCurrentElement();
      }
    }
  }

  void ReadTile(TTiledTileset& s) {
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("animation")) s.animated = true;
      if (xml_.name() == QLatin1String("image")) s.tileImages = true;
      xml_.skipCurrentElement();
    }
  }

  void ReadLayer(bool visible) {
    CheckTiledLayerRoom(t_, budget_);
    if (IntAttr(xml_, "width", t_.width) != t_.width ||
        IntAttr(xml_, "height", t_.height) != t_.height)
      throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
    TTiledLayer layer;
    layer.name = Attr(xml_, "name");
    layer.visible = visible && IntAttr(xml_, "visible", 1) != 0;
    layer.gids.assign(static_cast<size_t>(t_.width) * static_cast<size_t>(t_.height), 0);
    bool hasData = false;
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("data") && !hasData) {
        ReadData(layer.gids);
        hasData = true;
      } else if (xml_.name() == QLatin1String("properties")) {
        ReadProperties(layer.properties);
      } else {
        xml_.skipCurrentElement();
      }
    }
    t_.layers.push_back(std::move(layer));
  }

  void ReadData(std::vector<uint32_t>& gids) {
    const std::string encoding = Attr(xml_, "encoding");
    const QByteArray compression = QByteArray::fromStdString(Attr(xml_, "compression"));
    if (encoding == "csv") {
      TCsvGids csv(gids);
      while (!xml_.atEnd() && xml_.readNext() != QXmlStreamReader::EndElement) {
        if (xml_.isCharacters()) csv.Feed(xml_.text());
        if (xml_.isStartElement()) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
      }
      csv.Finish();
    } else if (encoding == "base64") {
      QByteArray text;
      while (!xml_.atEnd() && xml_.readNext() != QXmlStreamReader::EndElement) {
        if (xml_.isCharacters()) text += xml_.text().toLatin1();
        if (xml_.isStartElement()) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
      }
      DecodeBase64Gids(text, compression, gids);
    } else if (encoding.empty()) {
      ReadTileElements(gids);
    } else {
      throw EReadFailure(filetext::Tr(tiledtext::kUnknownEncoding));
    }
    if (xml_.hasError()) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
  }

  // The oldest form: one <tile gid="..."/> per cell.
  void ReadTileElements(std::vector<uint32_t>& gids) {
    size_t filled = 0;
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("tile")) {
        if (filled >= gids.size()) throw EReadFailure(filetext::Tr(tiledtext::kBadLayerData));
        gids[filled++] = xml_.attributes().value(QLatin1String("gid")).toUInt();
      } else if (xml_.name() == QLatin1String("chunk")) {
        throw EReadFailure(filetext::Tr(tiledtext::kInfinite));
      }
      xml_.skipCurrentElement();
    }
  }

  QXmlStreamReader xml_;
  const QByteArray& bytes_;
  std::string path_;
  TTiledMap& t_;
  uint64_t budget_;
  int depth_ = 0;
};

}  // namespace

void ReadTmx(const QByteArray& bytes, const std::string& path, TTiledMap& tiled, uint64_t budget) {
  TmxReader(bytes, path, tiled, budget).ReadMap();
}

void ReadTsx(const QByteArray& bytes, const std::string& path, TTiledTileset& tileset) {
  TTiledMap unused;
  TmxReader(bytes, path, unused, 0).ReadTilesetFile(tileset);
  ResolveImage(tileset, path);
}

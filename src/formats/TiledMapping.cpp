// The document as a Tiled map, and the tile-id rule both directions share.
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "formats/ImagePath.h"
#include "formats/ProjectRecords.h"
#include "formats/TiledMap.h"
#include "imaging/DIBDrawUnit.h"
#include "model/MapDataUnit.h"

namespace tiled {

int64_t LocalIdOfPart(uint32_t part, int partsPerRow, int columns, int rows) {
  const int64_t column = part % static_cast<uint32_t>(partsPerRow);
  const int64_t row = part / static_cast<uint32_t>(partsPerRow);
  if (column >= columns || row >= rows) return -1;
  return row * columns + column;
}

int64_t PartOfLocalId(uint32_t localId, int partsPerRow, int columns) {
  if (columns <= 0) return -1;
  const int64_t column = localId % static_cast<uint32_t>(columns);
  const int64_t part = int64_t{localId / static_cast<uint32_t>(columns)} * partsPerRow + column;
  if (column >= partsPerRow || part > 0xFFFF) return -1;
  return part;
}

std::string ColorText(uint32_t rgb, bool withAlpha) {
  char text[12];
  std::snprintf(text, sizeof text, withAlpha ? "#ff%06x" : "#%06x", rgb & 0xFFFFFFu);
  return text;
}

bool ParseColor(const std::string& text, uint32_t& rgb) {
  std::string hex = text.size() > 0 && text[0] == '#' ? text.substr(1) : text;
  if (hex.size() != 6 && hex.size() != 8) return false;
  for (const char c : hex)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  rgb = static_cast<uint32_t>(std::stoul(hex, nullptr, 16)) & 0xFFFFFFu;  // alpha dropped
  return true;
}

uint32_t KeyToRgb(uint32_t key) {
  return ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
}

uint32_t RgbToKey(uint32_t rgb) {
  return KeyToRgb(rgb);
}

}  // namespace tiled

namespace {

void AddProperty(TTiledMap& t, const char* name, const char* type, std::string value) {
  t.properties.push_back({name, type, std::move(value)});
}

void AddRecordProperties(const TProjectRecords& r, int bits, TTiledMap& t) {
  auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
  AddProperty(t, tiled::kBitsProperty, "int", std::to_string(bits));
  AddProperty(t, tiled::kTransparentPartProperty, "int", std::to_string(r.transparentPart.number));
  AddProperty(t, tiled::kTransparentPartUsedProperty, "bool", flag(r.transparentPart.enabled));
  AddProperty(t, tiled::kColorKeyProperty, "color",
              tiled::ColorText(tiled::KeyToRgb(r.colorKey.color), true));
  AddProperty(t, tiled::kColorKeyUsedProperty, "bool", flag(r.colorKey.enabled));
  AddProperty(t, tiled::kRelativePathsProperty, "bool", flag(r.header.relativePaths));
  AddProperty(t, tiled::kCommentProperty, "string", r.comment);
}

const TMapChip* UsableChip(const TMapChip* chip) {
  return chip && chip->Image && chip->Image->Width() > 0 && chip->Image->Height() > 0 ? chip
                                                                                      : nullptr;
}

// One tileset and the gid of every part number in it.
class TilesetBuilder {
 public:
  TilesetBuilder(const TMap& map, const TProjectRecords& records, const std::string& folder)
      : map_(map), records_(records), folder_(folder) {
    partsPerRow_ = tiled::PartsPerRow(map.GetBitsPerCell());
  }

  // The gid table of the layer's tileset, made on first use.
  const std::vector<uint32_t>& TableFor(const TMapChip* chip, TTiledMap& t, uint32_t& firstGid) {
    for (size_t i = 0; i < chips_.size(); ++i)
      if (chips_[i] == chip || (chip && chips_[i] && chips_[i]->FileName == chip->FileName)) {
        firstGid = t.tilesets[i].firstGid;
        return tables_[i];
      }
    chips_.push_back(chip);
    t.tilesets.push_back(chip ? ImageTileset(*chip) : NoImageTileset());
    TTiledTileset& added = t.tilesets.back();
    added.firstGid = nextGid_;
    nextGid_ += static_cast<uint32_t>(std::max(added.tileCount, 1));
    firstGid = added.firstGid;
    tables_.push_back(Table(added));
    return tables_.back();
  }

 private:
  TTiledTileset Common() const {
    TTiledTileset s;
    s.tileWidth = map_.GetPartWidth();
    s.tileHeight = map_.GetPartHeight();
    return s;
  }

  TTiledTileset ImageTileset(const TMapChip& chip) const {
    TTiledTileset s = Common();
    const QString file = QString::fromStdString(chip.FileName);
    s.name = QFileInfo(file).completeBaseName().toStdString();
    s.image = QDir(QString::fromStdString(folder_)).relativeFilePath(file).toStdString();
    s.imageFullPath = chip.FileName;
    s.imageWidth = chip.Image->Width();
    s.imageHeight = chip.Image->Height();
    s.columns = s.imageWidth / s.tileWidth;
    s.tileCount = s.columns * (s.imageHeight / s.tileHeight);
    s.hasTrans = records_.colorKey.enabled != 0;
    s.trans = tiled::KeyToRgb(records_.colorKey.color);
    return s;
  }

  TTiledTileset NoImageTileset() const {
    TTiledTileset s = Common();
    s.name = tiled::kNoImageTileset;
    s.columns = partsPerRow_;
    s.tileCount = partsPerRow_ * partsPerRow_;
    return s;
  }

  std::vector<uint32_t> Table(const TTiledTileset& s) const {
    const int rows = s.columns > 0 ? s.tileCount / s.columns : 0;
    std::vector<uint32_t> table(0x10000, 0);
    for (uint32_t part = 0; part < table.size(); ++part) {
      const int64_t local = tiled::LocalIdOfPart(part, partsPerRow_, s.columns, rows);
      // The transparent part is never drawn in the bitmap export either: an empty cell.
      if (local >= 0 && part != records_.transparentPart.number)
        table[part] = s.firstGid + static_cast<uint32_t>(local);
    }
    return table;
  }

  const TMap& map_;
  const TProjectRecords& records_;
  std::string folder_;
  int partsPerRow_ = 16;
  uint32_t nextGid_ = 1;
  std::vector<const TMapChip*> chips_;
  std::vector<std::vector<uint32_t>> tables_;
};

}  // namespace

void BuildTiledMap(const TMap& map, const TProjectRecords& records, const std::string& path,
                   TTiledMap& t) {
  t = TTiledMap();
  t.width = map.GetWidth();
  t.height = map.GetHeight();
  t.tileWidth = map.GetPartWidth();
  t.tileHeight = map.GetPartHeight();
  AddRecordProperties(records, map.GetBitsPerCell(), t);
  TilesetBuilder tilesets(map, records, FolderPart(AbsolutePath(path)));
  const int count = std::min(map.LayerCount(), tiled::kMaxLayers);
  t.layers.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const TMapLayer& layer = map.LayerAt(i);
    uint32_t firstGid = 0;
    const std::vector<uint32_t>& table = tilesets.TableFor(UsableChip(layer.Chip), t, firstGid);
    TTiledLayer& out = t.layers[static_cast<size_t>(i)];
    out.properties.push_back({tiled::kLayerTilesetProperty, "int", std::to_string(firstGid)});
    if (layer.Chip && !UsableChip(layer.Chip) && !layer.Chip->FileName.empty())
      out.properties.push_back({tiled::kLayerImageProperty, "string",
                                QDir(QString::fromStdString(FolderPart(AbsolutePath(path))))
                                    .relativeFilePath(QString::fromStdString(layer.Chip->FileName))
                                    .toStdString()});
    out.name = layer.Name;
    out.visible = layer.Visible;
    out.gids.resize(layer.Cells.size());
    for (size_t c = 0; c < layer.Cells.size(); ++c) out.gids[c] = table[layer.Cells[c]];
  }
}

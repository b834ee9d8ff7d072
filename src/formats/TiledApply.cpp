// A read Tiled map into the document: the checks, the questions and the gid rule backwards.
#include <algorithm>

#include "formats/FileTexts.h"
#include "formats/MemoryBudget.h"
#include "formats/ProjectLoadHost.h"
#include "formats/ProjectRecords.h"
#include "formats/ReadFailure.h"
#include "formats/TiledMap.h"
#include "formats/TiledTexts.h"
#include "imaging/PartsImage.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"

namespace {

bool PartSideOk(int side) {
  return side >= 1 && side <= 255;
}

// The editor keeps comments with CR LF line breaks; Tiled's own TMX save leaves only LF.
std::string CrLfLines(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

// The map properties that a Brimwell export wrote, each only when present.
struct SavedSettings {
  int bits = 0;
  bool hasTransparentPart = false;
  uint16_t transparentPart = 0;
  bool transparentPartUsed = false;
  bool hasColorKey = false;
  uint32_t colorKey = 0;  // 0xRRGGBB
  bool colorKeyUsed = false;
  bool hasRelativePaths = false;
  bool relativePaths = false;
  bool hasComment = false;
  std::string comment;
};

SavedSettings ReadSettings(const TTiledMap& t) {
  SavedSettings s;
  auto number = [](const std::string& text) {
    try {
      return std::stol(text);
    } catch (const std::exception&) {
      return -1L;
    }
  };
  for (const TTiledProperty& p : t.properties) {
    const bool on = p.value == "true";
    if (p.name == tiled::kBitsProperty) {
      s.bits = static_cast<int>(number(p.value));
    } else if (p.name == tiled::kTransparentPartProperty) {
      const long n = number(p.value);
      s.hasTransparentPart = n >= 0 && n <= 0xFFFF;
      s.transparentPart = static_cast<uint16_t>(n);
    } else if (p.name == tiled::kTransparentPartUsedProperty) {
      s.transparentPartUsed = on;
    } else if (p.name == tiled::kColorKeyProperty) {
      s.hasColorKey = tiled::ParseColor(p.value, s.colorKey);
    } else if (p.name == tiled::kColorKeyUsedProperty) {
      s.colorKeyUsed = on;
    } else if (p.name == tiled::kRelativePathsProperty) {
      s.hasRelativePaths = true;
      s.relativePaths = on;
    } else if (p.name == tiled::kCommentProperty) {
      s.hasComment = true;
      s.comment = p.value;
    }
  }
  return s;
}

struct Issues {
  bool flipped = false;
  bool mixed = false;
  bool offGrid = false;
};

// How one layer's gids become part numbers.
struct LayerPlan {
  int tileset = -1;  // the tileset most of its tiles come from
  int columns = 0;   // of that tileset; 0: tile ids are part numbers (no image)
  int tileCount = 0;
  uint32_t firstGid = 0;  // the gids of that tileset: firstGid <= gid < endGid
  uint32_t endGid = 0;
};

class TiledImporter {
 public:
  TiledImporter(TTiledMap& t, TMap& map, TProjectRecords& records, IProjectLoadHost& host)
      : t_(t), map_(map), records_(records), host_(host), saved_(ReadSettings(t)) {}

  void Run() {
    CheckTiledMapHeader(t_);
    if (t_.layers.empty()) throw EReadFailure(filetext::Tr(filetext::kNoLayers));
    std::stable_sort(
        t_.tilesets.begin(), t_.tilesets.end(),
        [](const TTiledTileset& a, const TTiledTileset& b) { return a.firstGid < b.firstGid; });
    for (const TTiledLayer& layer : t_.layers) plans_.push_back(Plan(layer));
    CheckTilesets();
    DecideBits();
    DecideEmptyPart();
    AskQuestions();
    SetRecords();
    FillDocument();
  }

 private:
  // The image a layer had when its map was written but could not be read then.
  static const std::string* LayerImage(const TTiledLayer& layer) {
    for (const TTiledProperty& p : layer.properties)
      if (p.name == tiled::kLayerImageProperty && !p.value.empty()) return &p.value;
    return nullptr;
  }

  int TilesetOf(uint32_t gid) const {
    const auto after =
        std::upper_bound(t_.tilesets.begin(), t_.tilesets.end(), gid,
                         [](uint32_t g, const TTiledTileset& s) { return g < s.firstGid; });
    return static_cast<int>(after - t_.tilesets.begin()) - 1;
  }

  // The tileset the layer's property names, for a layer that shows no tile.
  int HintedTileset(const TTiledLayer& layer) const {
    for (const TTiledProperty& p : layer.properties)
      if (p.name == tiled::kLayerTilesetProperty)
        for (size_t i = 0; i < t_.tilesets.size(); ++i)
          if (std::to_string(t_.tilesets[i].firstGid) == p.value) return static_cast<int>(i);
    return -1;
  }

  LayerPlan Plan(const TTiledLayer& layer) {
    std::vector<uint64_t> uses(t_.tilesets.size(), 0);
    for (const uint32_t raw : layer.gids) {
      if (raw & tiled::kFlipBits) issues_.flipped = true;
      const int s = TilesetOf(raw & ~tiled::kFlipBits);
      if ((raw & ~tiled::kFlipBits) != 0 && s >= 0) ++uses[static_cast<size_t>(s)];
    }
    LayerPlan plan;
    const auto most = std::max_element(uses.begin(), uses.end());
    if (most != uses.end() && *most > 0)
      plan.tileset = static_cast<int>(most - uses.begin());
    else
      plan.tileset = HintedTileset(layer);
    if (plan.tileset < 0) return plan;
    const TTiledTileset& s = t_.tilesets[static_cast<size_t>(plan.tileset)];
    plan.tileCount = s.tileCount;
    plan.firstGid = s.firstGid;
    const size_t next = static_cast<size_t>(plan.tileset) + 1;
    plan.endGid = next < t_.tilesets.size() ? t_.tilesets[next].firstGid : 0xFFFFFFFFu;
    if (!s.image.empty()) {
      plan.columns = s.columns;
      if (plan.columns <= 0 && s.tileWidth + s.spacing > 0)
        plan.columns = (s.imageWidth - 2 * s.margin + s.spacing) / (s.tileWidth + s.spacing);
      if (plan.columns <= 0) plan.columns = 1;
    } else if (s.columns > 0 && !s.tileImages) {
      plan.columns = s.columns;
    }
    return plan;
  }

  void CheckTilesets() {
    std::vector<uint32_t> transColours;
    for (const LayerPlan& plan : plans_) {
      if (plan.tileset < 0) continue;
      const TTiledTileset& s = t_.tilesets[static_cast<size_t>(plan.tileset)];
      if (s.tileWidth != t_.tileWidth || s.tileHeight != t_.tileHeight)
        throw EReadFailure(filetext::Tr(tiledtext::kMixedTileSizes));
      animations_ |= s.animated;
      tileImages_ |= s.tileImages;
      if (s.image.empty()) continue;
      spacing_ |= s.margin != 0 || s.spacing != 0;
      if (!s.hasTrans && !alphaImages_ && !saved_.hasColorKey)
        alphaImages_ = PartsImageMayBeTransparent(s.imageFullPath);
      if (s.hasTrans &&
          std::find(transColours.begin(), transColours.end(), s.trans) == transColours.end())
        transColours.push_back(s.trans);
    }
    transColours_ = transColours;
  }

  // The part number of a gid in the layer, or -1 for an empty cell.
  int64_t PartOf(uint32_t raw, const LayerPlan& plan, int partsPerRow, Issues* issues) const {
    const uint32_t gid = raw & ~tiled::kFlipBits;
    if (gid == 0) return -1;
    if (gid < plan.firstGid || gid >= plan.endGid || plan.tileset < 0) {
      // Below every tileset, or in another one.
      if (issues) (TilesetOf(gid) < 0 ? issues->offGrid : issues->mixed) = true;
      return -1;
    }
    const uint32_t local = gid - plan.firstGid;
    int64_t part = -1;
    if (plan.tileCount <= 0 || local < static_cast<uint32_t>(plan.tileCount))
      part = plan.columns > 0 ? tiled::PartOfLocalId(local, partsPerRow, plan.columns)
                              : (local <= 0xFFFF ? int64_t{local} : -1);
    if (part < 0 && issues) issues->offGrid = true;
    return part;
  }

  void DecideBits() {
    bool fits8 = true;
    for (size_t i = 0; i < plans_.size() && fits8; ++i)
      for (const uint32_t raw : t_.layers[i].gids) {
        // A tile off the 16-wide grid may still have a place in the 256-wide one.
        const int64_t narrow = PartOf(raw, plans_[i], 16, nullptr);
        if ((narrow < 0 || narrow > 255) && PartOf(raw, plans_[i], 256, nullptr) >= 0) {
          fits8 = false;
          break;
        }
      }
    bits_ = saved_.bits == 16 || !fits8 ? 16 : 8;
  }

  // Empty cells hold the transparent part. A map from elsewhere gets one that no tile uses.
  void DecideEmptyPart() {
    std::vector<bool> used(0x10000, false);
    bool anyEmpty = false;
    const int perRow = tiled::PartsPerRow(bits_);
    for (size_t i = 0; i < plans_.size(); ++i)
      for (const uint32_t raw : t_.layers[i].gids) {
        const int64_t part = PartOf(raw, plans_[i], perRow, &issues_);
        if (part < 0)
          anyEmpty = true;
        else
          used[static_cast<size_t>(part)] = true;
      }
    if (saved_.hasTransparentPart) {
      emptyPart_ = saved_.transparentPart;
      emptyPartUsed_ = saved_.transparentPartUsed;
      return;
    }
    emptyPartUsed_ = anyEmpty;
    if (!anyEmpty || !used[0]) return;
    for (int part = bits_ == 16 ? 0xFFFF : 0xFF; part > 0; --part)
      if (!used[static_cast<size_t>(part)]) {
        emptyPart_ = static_cast<uint16_t>(part);
        return;
      }
  }

  void Ask(bool met, const char* question) {
    if (!met) return;
    if (Prompter().MessageBox(nullptr, filetext::Tr(question), filetext::kQuestionCaption,
                              MsgIcon::Warning, MsgButtons::OKCancel) != MsgResult::OK)
      throw EReadFailure(filetext::Tr(filetext::kCancelled));
  }

  void AskQuestions() {
    Ask(issues_.flipped, tiledtext::kFlippedQuestion);
    Ask(issues_.mixed, tiledtext::kMixedTilesetsQuestion);
    Ask(issues_.offGrid, tiledtext::kOffGridQuestion);
    Ask(t_.dropped.objectLayers, tiledtext::kObjectLayersQuestion);
    Ask(t_.dropped.imageLayers, tiledtext::kImageLayersQuestion);
    Ask(animations_, tiledtext::kAnimationsQuestion);
    Ask(tileImages_, tiledtext::kTileImagesQuestion);
    Ask(spacing_, tiledtext::kSpacingQuestion);
    Ask(!saved_.hasColorKey && transColours_.size() > 1, tiledtext::kTransColorsQuestion);
  }

  void SetRecords() {
    TMapHeaderRecord& h = records_.header;
    h.width = t_.width;
    h.height = t_.height;
    h.partWidth = t_.tileWidth;
    h.partHeight = t_.tileHeight;
    h.layerCount = static_cast<uint8_t>(t_.layers.size());
    h.bitsPerCell = static_cast<uint8_t>(bits_);
    // Tiled keeps tileset images beside the map or below it: relative paths find them again.
    h.relativePaths = saved_.hasRelativePaths ? saved_.relativePaths : 1;
    if (saved_.hasColorKey) {
      records_.colorKey.color = tiled::RgbToKey(saved_.colorKey);
      records_.colorKey.enabled = saved_.colorKeyUsed;
    } else if (!transColours_.empty()) {
      records_.colorKey.color = tiled::RgbToKey(transColours_.front());
      records_.colorKey.enabled = 1;
    } else if (alphaImages_) {
      // Tiled always leaves out a PNG's transparent pixels; with the key on, so does Brimwell.
      records_.colorKey.enabled = 1;
    } else {
      records_.colorKey.enabled = 0;
    }
    records_.transparentPart.number = emptyPart_;
    records_.transparentPart.enabled = emptyPartUsed_;
    records_.comment = saved_.hasComment ? CrLfLines(saved_.comment) : std::string();
  }

  void FillDocument() {
    map_.ClearLayers();
    if (!map_.Setup(t_.width, t_.height, t_.tileWidth, t_.tileHeight, static_cast<uint8_t>(bits_)))
      throw EReadFailure(filetext::Tr(filetext::kCannotCreateMap));
    host_.BeforeLayers(static_cast<int>(t_.layers.size()));
    const int perRow = tiled::PartsPerRow(bits_);
    for (size_t i = 0; i < t_.layers.size(); ++i) {
      TTiledLayer& layer = t_.layers[i];
      const int index = static_cast<int>(i);
      if (!host_.AddLayer(layer.name) || map_.LayerCount() != index + 1)
        throw EReadFailure(filetext::Tr(filetext::kLayerNotCreated));
      std::vector<uint16_t>& cells = map_.LayerAt(index).Cells;
      const size_t n = std::min(cells.size(), layer.gids.size());
      for (size_t c = 0; c < n; ++c) {
        const int64_t part = PartOf(layer.gids[c], plans_[i], perRow, nullptr);
        cells[c] = part < 0 ? emptyPart_ : static_cast<uint16_t>(part);
      }
      std::vector<uint32_t>().swap(layer.gids);
      map_.SetLayerVisible(index, layer.visible);
      host_.SetLayerVisibleState(index, layer.visible);
      const int s = plans_[i].tileset;
      if (s >= 0 && !t_.tilesets[static_cast<size_t>(s)].image.empty())
        host_.AttachImage(index, t_.tilesets[static_cast<size_t>(s)].imageFullPath);
      else if (const std::string* image = LayerImage(layer))
        host_.AttachImage(index, *image);
      host_.LayerDone();
    }
  }

  TTiledMap& t_;
  TMap& map_;
  TProjectRecords& records_;
  IProjectLoadHost& host_;
  SavedSettings saved_;
  std::vector<LayerPlan> plans_;
  Issues issues_;
  bool animations_ = false;
  bool tileImages_ = false;
  bool spacing_ = false;
  bool alphaImages_ = false;
  std::vector<uint32_t> transColours_;
  int bits_ = 8;
  uint16_t emptyPart_ = 0;
  bool emptyPartUsed_ = false;
};

}  // namespace

void CheckTiledMapHeader(const TTiledMap& t) {
  if (t.orientation != "orthogonal") throw EReadFailure(filetext::Tr(tiledtext::kNotOrthogonal));
  if (t.infinite) throw EReadFailure(filetext::Tr(tiledtext::kInfinite));
  if (t.width > tiled::kMaxSide || t.height > tiled::kMaxSide)
    throw EReadFailure(filetext::Tr(tiledtext::kTooLarge));
  if (t.width < 1 || t.height < 1) throw EReadFailure(filetext::Tr(tiledtext::kNotTiled));
  if (!PartSideOk(t.tileWidth) || !PartSideOk(t.tileHeight))
    throw EReadFailure(filetext::Tr(tiledtext::kBadTileSize));
}

void CheckTiledLayerRoom(const TTiledMap& t, uint64_t memoryBudget) {
  if (t.layers.size() >= static_cast<size_t>(tiled::kMaxLayers))
    throw EReadFailure(filetext::Tr(filetext::kTooManyLayers));
  // Each layer is held twice for a moment: as gids and as the document's cells.
  const uint64_t layers = std::max<uint64_t>(t.layers.size() + 1, t.declaredLayers);
  const uint64_t cells = uint64_t(t.width) * uint64_t(t.height) * layers;
  if (cells * 6 > (memoryBudget ? memoryBudget : DefaultCellMemoryBudget()))
    throw EReadFailure(filetext::Tr(filetext::kMapTooLarge));
}

void ApplyTiledMap(TTiledMap& tiled, TMap& map, TProjectRecords& records, IProjectLoadHost& host) {
  TiledImporter(tiled, map, records, host).Run();
}

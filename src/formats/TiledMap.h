#pragma once
// A map as Tiled's two formats (TMX and JSON) describe it, between the document and a file,
// and the one rule that turns part numbers into tile ids and back. The writers serialise a
// TTiledMap that BuildTiledMap made; the readers fill one that ApplyTiledMap moves into the
// document.
#include <cstdint>
#include <string>
#include <vector>

class TMap;
class IProjectLoadHost;
struct TProjectRecords;

struct TTiledTileset {
  uint32_t firstGid = 1;
  std::string name;
  std::string image;          // as the file writes it: relative to the file that names it
  std::string imageFullPath;  // resolved when read
  int imageWidth = 0;
  int imageHeight = 0;
  int tileWidth = 0;
  int tileHeight = 0;
  int columns = 0;
  int tileCount = 0;
  int margin = 0;
  int spacing = 0;
  bool hasTrans = false;
  uint32_t trans = 0;  // 0xRRGGBB
  // What the reader met in the tiles that a parts image cannot hold.
  bool animated = false;
  bool tileImages = false;
};

struct TTiledProperty {
  std::string name;
  std::string type;  // "string", "int", "bool", "color"
  std::string value;
};

struct TTiledLayer {
  std::string name;  // UTF-8
  bool visible = true;
  std::vector<uint32_t> gids;  // width x height, row by row, flip bits included
  std::vector<TTiledProperty> properties;
};

// What a reader skipped or could not read faithfully; each is told once.
struct TTiledDropped {
  bool objectLayers = false;
  bool imageLayers = false;
};

struct TTiledMap {
  std::string orientation = "orthogonal";
  std::string renderOrder = "right-down";
  bool infinite = false;
  int width = 0;
  int height = 0;
  int tileWidth = 0;
  int tileHeight = 0;
  std::vector<TTiledProperty> properties;
  std::vector<TTiledTileset> tilesets;
  std::vector<TTiledLayer> layers;
  // Tile layers the file declares (at least those read), so that the memory check counts the
  // whole map before the first layer is allocated.
  size_t declaredLayers = 0;
  TTiledDropped dropped;
};

namespace tiled {

constexpr uint32_t kFlipBits = 0xF0000000u;  // horizontal, vertical, diagonal, hexagonal turn
constexpr int kMaxSide = 10000;
constexpr int kMaxLayers = 255;

// The map properties that keep what Tiled has no field for.
inline const char* const kBitsProperty = "brimwell.bitsPerCell";
inline const char* const kTransparentPartProperty = "brimwell.transparentPart";
inline const char* const kTransparentPartUsedProperty = "brimwell.transparentPartUsed";
inline const char* const kColorKeyProperty = "brimwell.colorKey";
inline const char* const kColorKeyUsedProperty = "brimwell.colorKeyUsed";
inline const char* const kRelativePathsProperty = "brimwell.relativePaths";
inline const char* const kCommentProperty = "brimwell.comment";
// A layer property: the first gid of the layer's tileset, which keeps the layer's parts image
// even when none of its cells shows a tile.
inline const char* const kLayerTilesetProperty = "brimwell.tileset";
// The path of a layer's parts image that could not be read when the map was written, relative
// to the map file; the layer uses the image-less tileset meanwhile.
inline const char* const kLayerImageProperty = "brimwell.image";
// The tileset of layers without a parts image: no image, one tile per part number.
inline const char* const kNoImageTileset = "no image";

// Parts per row of the parts grid: 16 for 8-bit maps, 256 for 16-bit ones.
inline int PartsPerRow(int bitsPerCell) {
  return bitsPerCell == 16 ? 256 : 16;
}

// The tile of part `part` in a tileset of `columns` x `rows` tiles, or -1 when the part lies
// outside it: (part div R) x columns + (part mod R).
int64_t LocalIdOfPart(uint32_t part, int partsPerRow, int columns, int rows);
// The part number of tile `localId` of a tileset `columns` wide, or -1 when the grid of
// `partsPerRow` parts per row has no place for it.
int64_t PartOfLocalId(uint32_t localId, int partsPerRow, int columns);

// "#AARRGGBB" / "#RRGGBB" / "RRGGBB" and back; colours in 0xRRGGBB.
std::string ColorText(uint32_t rgb, bool withAlpha);
bool ParseColor(const std::string& text, uint32_t& rgb);
// The document's colour key (0x00BBGGRR) as 0xRRGGBB and back.
uint32_t KeyToRgb(uint32_t key);
uint32_t RgbToKey(uint32_t rgb);

}  // namespace tiled

// The document and its project records as a Tiled map to be written to `path`: one tileset per
// distinct parts image (its path relative to `path`'s folder), one shared tileset without an
// image for layers without one.
void BuildTiledMap(const TMap& map, const TProjectRecords& records, const std::string& path,
                   TTiledMap& tiled);

// Refuses what the document cannot hold (raises EReadFailure): other orientations, infinite
// maps, sides above 10000 or a part side outside 1 .. 255. The readers call it before they
// allocate any layer.
void CheckTiledMapHeader(const TTiledMap& tiled);
// Refuses a further tile layer that would exceed 255 layers or the memory budget.
void CheckTiledLayerRoom(const TTiledMap& tiled, uint64_t memoryBudget);

// Sets the document and the records up from a read map: asks one question (OK/Cancel, through
// the prompter) for each kind of thing it cannot hold faithfully, and fails with the cancel text
// when the answer is Cancel. Layers come through the host, images by their full paths.
void ApplyTiledMap(TTiledMap& tiled, TMap& map, TProjectRecords& records, IProjectLoadHost& host);

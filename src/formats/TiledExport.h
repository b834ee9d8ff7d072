#pragma once
// Tiled maps out: the document written as TMX (XML) or JSON for Tiled 1.8 and the engines that
// read its maps. Both writers take the map BuildTiledMap makes, so both say the same thing.
#include <string>

#include "formats/FileResult.h"

class TMap;
class QIODevice;
struct TProjectRecords;
struct TTiledMap;

enum class TTiledFormat { Tmx, Json };

TFileResult ExportTiledFile(const TMap& map, const TProjectRecords& records,
                            const std::string& path, TTiledFormat format);

// The serialisers alone.
void WriteTmx(const TTiledMap& tiled, QIODevice& out);
void WriteTiledJson(const TTiledMap& tiled, QIODevice& out);

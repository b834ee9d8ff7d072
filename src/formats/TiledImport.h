#pragma once
// Tiled maps in: TMX (XML) and JSON maps, told apart by their content, with external tilesets
// (.tsx/.tsj) and every data encoding Tiled writes but zstd. The import sets the document and
// the project records up as a new map; the caller marks it modified and sets up the editor.
#include <cstdint>
#include <string>

#include "formats/FileResult.h"

class QByteArray;
class TMap;
class TByteSource;
class IProjectLoadHost;
struct TProjectRecords;
struct TTiledMap;

// `path` is where the map lives: tilesets and images are resolved against its folder.
TFileResult ImportTiled(TByteSource& source, const std::string& path, TMap& map,
                        TProjectRecords& records, IProjectLoadHost& host,
                        uint64_t memoryBudget = 0);
TFileResult ImportTiledFile(const std::string& path, TMap& map, TProjectRecords& records,
                            IProjectLoadHost& host, uint64_t memoryBudget = 0);

// True for the extensions the import takes as Tiled maps: .tmx, .tmj, .json (any case).
bool IsTiledMapPath(const std::string& path);

// The readers alone (raise EReadFailure). `budget` bounds the layers' memory.
void ReadTmx(const QByteArray& bytes, const std::string& path, TTiledMap& tiled, uint64_t budget);
void ReadTiledJson(const QByteArray& bytes, const std::string& path, TTiledMap& tiled,
                   uint64_t budget);

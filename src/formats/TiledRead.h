#pragma once
// What the two Tiled readers share: files named by a map (external tilesets), paths relative
// to the file that names them, and tilesets in either format.
#include <QByteArray>
#include <string>

struct TTiledTileset;

// The whole file, refused when it is larger than a map file can sensibly be.
QByteArray ReadTiledFileBytes(const std::string& path, const char* failure);
// `relative` (either separator) against the folder of `namingFile`, or as is when absolute.
std::string ResolveTiledPath(const std::string& relative, const std::string& namingFile);
// Sets the tileset's imageFullPath from its image, against the folder of `namingFile`.
void ResolveImage(TTiledTileset& tileset, const std::string& namingFile);
// A .tsx or .tsj file, told apart by its content; firstGid stays as it is.
void ReadExternalTileset(const std::string& path, TTiledTileset& tileset);
void ReadTsx(const QByteArray& bytes, const std::string& path, TTiledTileset& tileset);
void ReadTsj(const QByteArray& bytes, const std::string& path, TTiledTileset& tileset);
// True when the first non-blank byte opens a JSON object.
bool LooksLikeJson(const QByteArray& bytes);

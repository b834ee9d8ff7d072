// Tiled maps in: the file, its format and the external tilesets it names.
#include "formats/TiledImport.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "formats/ByteSource.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/MemoryBudget.h"
#include "formats/ReadFailure.h"
#include "formats/TiledMap.h"
#include "formats/TiledRead.h"
#include "formats/TiledTexts.h"

namespace {

constexpr qint64 kMaxMapFileBytes = qint64{1} << 30;

QByteArray ReadSource(TByteSource& source) {
  if (source.Size() > static_cast<uint64_t>(kMaxMapFileBytes))
    throw EReadFailure(filetext::Tr(filetext::kMapTooLarge));
  QByteArray bytes(static_cast<qsizetype>(source.Size()), Qt::Uninitialized);
  source.ReadExact(0, bytes.data(), static_cast<size_t>(bytes.size()));
  return bytes;
}

}  // namespace

bool LooksLikeJson(const QByteArray& bytes) {
  for (const char c : bytes) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    return c == '{';
  }
  return false;
}

QByteArray ReadTiledFileBytes(const std::string& path, const char* failure) {
  try {
    const std::unique_ptr<TByteSource> source = OpenFileByteSource(path);
    return ReadSource(*source);
  } catch (const std::exception&) {
    throw EReadFailure(filetext::Tr(failure) + " (" + FileNamePart(path) + ")");
  }
}

std::string ResolveTiledPath(const std::string& relative, const std::string& namingFile) {
  const bool absolute = !relative.empty() && (relative[0] == '/' || relative[0] == '\\' ||
                                              (relative.size() > 1 && relative[1] == ':'));
  return NormalizePath(absolute ? relative : FolderPart(AbsolutePath(namingFile)) + "/" + relative);
}

void ResolveImage(TTiledTileset& tileset, const std::string& namingFile) {
  if (!tileset.image.empty()) tileset.imageFullPath = ResolveTiledPath(tileset.image, namingFile);
}

void ReadExternalTileset(const std::string& path, TTiledTileset& tileset) {
  const QByteArray bytes = ReadTiledFileBytes(path, tiledtext::kTilesetUnreadable);
  if (LooksLikeJson(bytes))
    ReadTsj(bytes, path, tileset);
  else
    ReadTsx(bytes, path, tileset);
}

bool IsTiledMapPath(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* ext : {".tmx", ".tmj", ".json"}) {
    const std::string e = ext;
    if (lower.size() > e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0)
      return true;
  }
  return false;
}

TFileResult ImportTiled(TByteSource& source, const std::string& path, TMap& map,
                        TProjectRecords& records, IProjectLoadHost& host, uint64_t memoryBudget) {
  return RunReader([&] {
    const QByteArray bytes = ReadSource(source);
    TTiledMap tiled;
    if (LooksLikeJson(bytes)) {
      // The whole document is parsed before any size in it can be checked: about 16 bytes
      // of memory for every value of at least 2 bytes of text.
      const uint64_t budget = memoryBudget ? memoryBudget : DefaultCellMemoryBudget();
      if (uint64_t(bytes.size()) * 8 > budget)
        throw EReadFailure(filetext::Tr(filetext::kMapTooLarge));
      ReadTiledJson(bytes, path, tiled, memoryBudget);
    } else {
      ReadTmx(bytes, path, tiled, memoryBudget);
    }
    for (TTiledLayer& layer : tiled.layers)
      for (TTiledProperty& p : layer.properties)
        if (p.name == tiled::kLayerImageProperty) p.value = ResolveTiledPath(p.value, path);
    ApplyTiledMap(tiled, map, records, host);
  });
}

TFileResult ImportTiledFile(const std::string& path, TMap& map, TProjectRecords& records,
                            IProjectLoadHost& host, uint64_t memoryBudget) {
  return ReadFileWith(path, [&](TByteSource& source) {
    return ImportTiled(source, path, map, records, host, memoryBudget);
  });
}

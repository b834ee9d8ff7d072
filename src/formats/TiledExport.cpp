#include "formats/TiledExport.h"

#include <QBuffer>
#include <exception>

#include "formats/FileTexts.h"
#include "formats/SafeFileWriter.h"
#include "formats/TiledMap.h"

TFileResult ExportTiledFile(const TMap& map, const TProjectRecords& records,
                            const std::string& path, TTiledFormat format) {
  QByteArray bytes;
  try {
    TTiledMap tiled;
    BuildTiledMap(map, records, path, tiled);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == TTiledFormat::Tmx)
      WriteTmx(tiled, buffer);
    else
      WriteTiledJson(tiled, buffer);
  } catch (const std::bad_alloc&) {
    return TFileResult::Failure(filetext::Tr(filetext::kOutOfMemory));
  }
  TSafeFileWriter out(path);
  if (!out.Open() || !out.Write(bytes.constData(), static_cast<size_t>(bytes.size())) ||
      !out.Commit())
    return TFileResult::Failure(out.Error());
  return TFileResult::Success();
}

#include "editor/DroppedFile.h"

#include <QFileInfo>

TDroppedFile ClassifyDroppedFile(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == QLatin1String("bwp")) return TDroppedFile::Project;
  if (extension == QLatin1String("fmf")) return TDroppedFile::MapData;
  return TDroppedFile::Other;
}

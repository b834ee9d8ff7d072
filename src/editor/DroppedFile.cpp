#include "editor/DroppedFile.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

TDroppedFile ClassifyDroppedFile(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == QLatin1String("bwp")) return TDroppedFile::Project;
  if (extension == QLatin1String("fmf")) return TDroppedFile::MapData;
  return TDroppedFile::Other;
}

QStringList DroppedLocalFiles(const QMimeData& data) {
  QStringList paths;
  for (const QUrl& url : data.urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  return paths;
}

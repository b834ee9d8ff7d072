#include "editor/DroppedFile.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

TDroppedFile ClassifyDroppedFile(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == QLatin1String("bwp")) return TDroppedFile::Project;
  if (extension == QLatin1String("fmf")) return TDroppedFile::MapData;
  if (extension == QLatin1String("tmx") || extension == QLatin1String("tmj"))
    return TDroppedFile::TiledMap;
  return TDroppedFile::Other;
}

void AcceptFileDrag(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

QStringList AcceptFileDrop(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  event->acceptProposedAction();
  return paths;
}

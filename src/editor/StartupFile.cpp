#include "editor/StartupFile.h"

#include "editor/DroppedFile.h"
#include "editor/MainFormUnit.h"

void OpenStartupFile(TMainForm& form, const QString& path) {
  const TDroppedFile kind = ClassifyDroppedFile(path);
  if (kind == TDroppedFile::MapData)
    form.importFMF(path.toStdString());
  else if (kind == TDroppedFile::TiledMap)
    form.importTiled(path.toStdString());
  else
    form.OpenProjectFile(path.toStdString());
}

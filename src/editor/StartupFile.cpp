#include "editor/StartupFile.h"

#include "editor/DroppedFile.h"
#include "editor/MainFormUnit.h"

void OpenStartupFile(TMainForm& form, const QString& path) {
  if (ClassifyDroppedFile(path) == TDroppedFile::MapData)
    form.importFMF(path.toStdString());
  else
    form.OpenProjectFile(path.toStdString());
}

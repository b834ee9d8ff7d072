// Opening, saving, importing and exporting.
#include <QAction>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "model/MapDataUnit.h"

// The project file and the map data file are not read or written yet: every entry point
// reports that nothing happened.
bool TMainForm::OpenProjectFile(const std::string&) {
  return false;
}

bool TMainForm::importFMF(const std::string&) {
  return false;
}

bool TMainForm::Save() {
  return false;
}

void TMainForm::OpenMenuItemClick() {}

void TMainForm::OpenToolButtonClick() {
  OpenMenuItemClick();
}

void TMainForm::SaveMenuItemClick() {
  if (SaveMenuItem->isEnabled()) Save();
}

void TMainForm::SaveToolButtonClick() {
  D2Click();
  SaveMenuItemClick();
}

void TMainForm::SaveAs1Click() {}

void TMainForm::N32Click() {}

void TMainForm::N31Click() {}

void TMainForm::N34Click() {}

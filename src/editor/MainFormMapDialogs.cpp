// The map-wide dialogs: resize, replace, fill and project settings.
#include "editor/MainFormUnit.h"

void TMainForm::N23Click() {}

void TMainForm::N29Click() {}

void TMainForm::N5Click() {}

void TMainForm::N28Click() {}

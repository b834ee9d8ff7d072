// Commands that hand over to a tool window or a dialog: the Layer menu, the parts-window zoom,
// and the Help menu. The map-wide dialogs are in MainFormMapDialogs.cpp.
#include <QAction>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/ModalRunner.h"
#include "model/MapDataUnit.h"
#include "platform/Errors.h"
#include "platform/Prompter.h"
#include "windows/AboutBoxUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

void TMainForm::A3Click() {
  if (LayerForm) LayerForm->AddLayer("");
}

void TMainForm::C1Click() {
  if (LayerForm) LayerForm->CopyCurrentLayer();
}

void TMainForm::D1Click() {
  if (LayerForm && D1->isEnabled()) LayerForm->DeleteCurrentLayer();
}

void TMainForm::S1Click() {
  if (LayerForm) LayerForm->OpenCurrentLayerSetting();
}

void TMainForm::N8Click() {
  if (ChipForm) ChipForm->ToolButton5Click();
}

void TMainForm::N9Click() {
  if (ChipForm) ChipForm->ToolButton6Click();
}

void TMainForm::N10Click() {
  if (ChipForm) ChipForm->ResumeDrawSize();
}

void TMainForm::N6Click() {
  TAboutBox dialog(this);
  ShowModal(dialog);
}

// Never runs: the item is hidden and disabled.
void TMainForm::N35Click() {}

void TMainForm::N19Click() {
  try {
    if (Map && Map->IsReady()) {
      Map->DumpMap();
      Map->DumpHistory();
    }
    DebugOut_CopyData();
  } catch (const EInOutError& error) {
    Prompter().ShowMessage(error.what());
  }
}

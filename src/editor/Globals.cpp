#include "editor/Globals.h"

#include "editor/MainFormUnit.h"
#include "model/MapDataUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

TMap* Map = nullptr;
TMainForm* MainForm = nullptr;
TChipForm* ChipForm = nullptr;
TLayerForm* LayerForm = nullptr;
TPreviewForm* PreviewForm = nullptr;

int CurrentLayerIndex() {
  return LayerForm ? LayerForm->GetCurrentLayerIndex() : -1;
}

void CreateApplicationObjects() {
  Map = new TMap();
  MainForm = new TMainForm();
  ChipForm = new TChipForm(MainForm);
  LayerForm = new TLayerForm(MainForm);
  PreviewForm = new TPreviewForm(MainForm);
}

namespace {

template <typename T>
void Release(T*& object) {
  delete object;
  object = nullptr;
}

}  // namespace

void DestroyApplicationObjects() {
  Release(PreviewForm);
  Release(LayerForm);
  Release(ChipForm);
  Release(MainForm);
  Release(Map);
}

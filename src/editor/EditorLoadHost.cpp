#include "editor/EditorLoadHost.h"

#include <QString>
#include <QWindow>

#include "editor/FileProgress.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

// Only windows already on the screen: at start-up the windows have just been shown, and some
// window managers lose a window that is hidden and shown again before they have taken it.
void TEditorLoadHost::HideWindows() {
  for (QWidget* window : {static_cast<QWidget*>(MainForm), static_cast<QWidget*>(ChipForm),
                          static_cast<QWidget*>(LayerForm), static_cast<QWidget*>(PreviewForm)})
    if (window && window->windowHandle() && window->windowHandle()->isExposed()) window->hide();
}

void TEditorLoadHost::BeforeLayers(int layerCount) {
  if (ChipForm) ChipForm->Init();
  if (progress_) progress_->Start(layerCount + 2);
  if (LayerForm) LayerForm->Init();
}

bool TEditorLoadHost::AddLayer(const std::string& name) {
  return LayerForm && LayerForm->AddNamedLayer(name, nullptr);
}

// The layer just added is the current one, which is where the parts window puts the image.
void TEditorLoadHost::AttachImage(int, const std::string& fullPath) {
  if (ChipForm) ChipForm->AddMapChip(QString::fromStdString(fullPath));
}

// A layer joins the list checked; changing a check redraws every window, so only hidden
// layers change it.
void TEditorLoadHost::SetLayerVisibleState(int layerIndex, bool visible) {
  if (LayerForm && LayerForm->GetLayerVisibleState(layerIndex) != visible)
    LayerForm->SetLayerVisibleState(layerIndex, visible);
}

void TEditorLoadHost::LayerDone() {
  if (progress_) progress_->Step();
}

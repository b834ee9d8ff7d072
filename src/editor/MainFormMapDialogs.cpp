// The map-wide dialogs: resize, replace, fill and project settings.
#include <QCoreApplication>
#include <QDialog>
#include <string>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/ModalRunner.h"
#include "model/MapDataUnit.h"
#include "platform/Errors.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/FillDialogUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PrefsFormUnit.h"
#include "windows/PreviewFormUnit.h"
#include "windows/ReplaceDialogUnit.h"
#include "windows/ResizeDialogUnit.h"

namespace {

// Tiles `block` over the selection of `layer`. A failed write changes nothing the user needs
// to hear about: the view is redrawn from the document either way.
void TileOverSelection(const TCellRange& selection, int layer, TModified& block) {
  block.layer = layer;
  block.destination = selection;
  try {
    Map->WriteTiledBlock(block);
  } catch (const EAbort&) {
  }
}

void ShowResizeFailure(QWidget* owner, const std::string& detail) {
  Prompter().MessageBox(
      owner,
      QCoreApplication::translate("TMainForm", "マップのリサイズに失敗しました。\n").toStdString() +
          detail,
      QCoreApplication::translate("TMainForm", "エラー").toStdString(), MsgIcon::Error,
      MsgButtons::OK);
}

}  // namespace

void TMainForm::N23Click() {
  if (!Map) return;
  int32_t width = 0, height = 0;
  Map->GetSize(width, height);
  int newWidth = width, newHeight = height;
  {
    TResizeDialog dialog(width, height, Map->LayerCount(), Records.header.bitsPerCell, this);
    if (ShowModal(dialog) != QDialog::Accepted) return;
    newWidth = dialog.NewWidth();
    newHeight = dialog.NewHeight();
  }
  // A failure may leave the map at its new size, so the layout runs in every case.
  try {
    Map->Resize(newWidth, newHeight);
  } catch (const EInOutError& error) {
    ShowResizeFailure(this, error.what());
  } catch (const EAbort&) {
    ShowResizeFailure(this, tr("メモリを確保出来ませんでした").toStdString());
    // The document gives up its layers only when it could not put them back.
    if (Map->LayerCount() == 0) {
      CreateNewMap(newWidth, newHeight, 1, Map->GetPartWidth(), Map->GetPartHeight(),
                   Map->GetBitsPerCell());
      return;
    }
  }
  FormResize();
  if (PreviewForm) PreviewForm->FormResize();
  FormatTittle();
}

void TMainForm::N29Click() {
  if (!Map || !LayerForm) return;
  {
    TReplaceDialog dialog(Map->GetBitsPerCell(), this);
    if (ShowModal(dialog) == QDialog::Accepted) {
      try {
        Map->ReplaceValue(dialog.SearchPartNumber(), dialog.ReplacePartNumber(), CurrentLayerIndex());
      } catch (const EAbort&) {
      }
    }
  }
  UpdateFullCanvas();
  ToolButtonMediator();
  // Every change of content also reaches the preview, or it would show the old cells.
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TMainForm::N5Click() {
  if (!Map) return;
  int item = TFillDialog::kSelectedParts;
  {
    TFillDialog dialog(this);
    if (ShowModal(dialog) != QDialog::Accepted) return;
    item = dialog.ItemIndex();
  }
  // A floating block is put down first: the selection it hangs on is about to be replaced, and
  // it would otherwise land at the map's corner on the next click.
  if (Floating) {
    Floating = false;
    WriteSelectData(false);
  }
  SelectAll(false);
  switch (item) {
    case TFillDialog::kSelectedParts:
      if (ChipForm) ChipForm->SetCurrentData(CurrentData);
      TileOverSelection(Selection, CurrentLayerIndex(), CurrentData);
      break;
    case TFillDialog::kPattern:
      if (PatternMode) TileOverSelection(Selection, CurrentLayerIndex(), PatternData);
      break;
    case TFillDialog::kTransparentPart:
      CurrentData.data.assign(1, Records.transparentPart.number);
      CurrentData.source = {1, 0, 0, 0, 0, 0};
      CurrentData.srcPitch = 0;
      TileOverSelection(Selection, CurrentLayerIndex(), CurrentData);
      break;
  }
  Selection.active = 0;
  UpdateFullCanvas();
  ToolButtonMediator();
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TMainForm::N28Click() {
  if (!Map) return;
  {
    TPrefsForm dialog(Map->GetBitsPerCell(), this);
    dialog.LoadFrom(Records);
    if (ShowModal(dialog) == QDialog::Accepted) {
      dialog.StoreTo(Records);
      Map->SetModified();
    }
  }
  UpdateFullCanvas();
  if (ChipForm) ChipForm->UpdateFullCanvas();
  ToolButtonMediator();
  // The transparent part may have changed, which the preview leaves out too.
  if (PreviewForm) PreviewForm->RefreshPreview();
}

#include "windows/PreviewFormUnit.h"

#include <algorithm>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"

TPreviewForm::TPreviewForm(QWidget* parent)
    : TToolWindow(parent, QStringLiteral("プレビュー"), &TMainForm::N2) {
  ResetPreview();
  show();
}

void TPreviewForm::ResetPreview() {
  if (!MainForm) return;
  const TWindowRecord& r = MainForm->Records.previewWin;
  Place(r);
  PreviewScale = std::clamp<int>(r.zoom, 1, 4);
  RefreshPreview();
  MainForm->FocusMainWindow();
}

void TPreviewForm::RefreshPreview() {
  DrawViewFrame();
}

void TPreviewForm::DrawViewFrame() {
  update();
}

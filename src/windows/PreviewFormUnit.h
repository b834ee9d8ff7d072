#pragma once
// The preview window: the whole map in miniature with a frame around what the main view shows.
#include "windows/ToolWindow.h"

class TPreviewForm : public TToolWindow {
 public:
  explicit TPreviewForm(QWidget* parent);

  // Places the window and takes its scale from the editor's settings, for a new map.
  void ResetPreview();
  void RefreshPreview();
  void DrawViewFrame();
  int GetPreviewScale() const { return PreviewScale; }

  int PreviewScale = 2;  // pixels per map cell, 1 to 4
};

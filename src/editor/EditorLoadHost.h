#pragma once
// The readers' host in the editor: layers go through the layer window, parts images through
// the parts window, and a project's layers step the progress window.
#include "formats/ProjectLoadHost.h"

class TFileProgress;

class TEditorLoadHost : public IProjectLoadHost {
 public:
  // `progress` may be null: the map data import shows no progress.
  explicit TEditorLoadHost(TFileProgress* progress) : progress_(progress) {}

  void HideWindows() override;
  void BeforeLayers(int layerCount) override;
  bool AddLayer(const std::string& name) override;
  void AttachImage(int layerIndex, const std::string& fullPath) override;
  void SetLayerVisibleState(int layerIndex, bool visible) override;
  void LayerDone() override;

 private:
  TFileProgress* progress_;
};

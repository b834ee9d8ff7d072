#pragma once
// The layer window: one row per layer, the highest layer at the top. The selected row is the
// current layer and each row's check box says whether the layer is drawn.
#include <cstdint>
#include <string>

#include "windows/ToolWindow.h"

class QListWidget;
class QListWidgetItem;
class TStatusBar;

class TLayerForm : public TToolWindow {
 public:
  explicit TLayerForm(QWidget* parent);

  // Empties the list, for a new or opened map.
  void Init();
  // Appends a layer to the document and shows it as the new top row, checked and selected.
  // An empty name asks for one.
  bool AddLayer(const std::string& name);
  void CopyCurrentLayer();
  void DeleteCurrentLayer();
  void OpenCurrentLayerSetting();
  // Document index of the selected row; -1 when the list is empty.
  int GetCurrentLayerIndex() const;
  int GetCurrentMapIndex() const;
  bool GetLayerVisibleState(int layer) const;
  bool SetLayerVisibleState(int layer, bool visible);
  void CheckDelLayerButton();

  QListWidget* CheckList = nullptr;
  TStatusBar* StatusBar = nullptr;
  uint16_t AddedLayerCount = 0;

 private:
  int RowOfLayer(int layer) const;
  void CheckListClickCheck(QListWidgetItem* item);
  void CurrentRowChanged();
  void RedrawOtherWindows();
  void UpdateLayerCount();
  bool filling_ = false;  // rows are being set up: their check boxes are not user changes
};

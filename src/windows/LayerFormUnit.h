#pragma once
// The layer window: one row per layer, the highest layer at the top. The selected row is the
// current layer and each row's check box says whether the layer is drawn. One class, defined
// across files by concern:
//   LayerFormUnit.cpp      creation, reset, adding layers, the queries the editor asks
//   LayerFormCommands.cpp  copying, deleting, merging, reordering, the layer settings
//   LayerFormList.cpp      what the list's mouse, keys and check boxes do, folding
#include <QCoreApplication>
#include <QPoint>
#include <QStringList>
#include <cstdint>
#include <string>

#include "windows/LayerCheckList.h"
#include "windows/ToolWindow.h"

class QListWidgetItem;
class QMenu;
class QToolBar;
class QToolButton;
class TStatusBar;
struct TMapChip;

class TLayerForm : public TToolWindow {
  Q_DECLARE_TR_FUNCTIONS(TLayerForm)

 public:
  // The check boxes take the list's first 14 pixels: no drops, popup or double click there.
  static constexpr int kCheckBoxColumn = 14;

  explicit TLayerForm(QWidget* parent);

  // --- reset, adding, queries (LayerFormUnit.cpp) -------------------------------------------
  // Empties the list, for a new or opened map.
  void Init();
  // Appends a layer to the document and shows it as the new top row, checked and selected.
  // An empty name asks for the name and the parts image in the new-layer dialog.
  bool AddLayer(const std::string& name);
  // Adds a layer under exactly this name, even an empty one, without asking: for the readers.
  bool AddNamedLayer(const std::string& name, TMapChip* chip);
  // Document index of the selected row; -1 when the list is empty.
  int GetCurrentLayerIndex() const;
  int GetCurrentMapIndex() const;
  bool GetLayerVisibleState(int layer) const;
  // Sets the layer's check box, and with it the document's flag; returns the check state it
  // then has.
  bool SetLayerVisibleState(int layer, bool visible);
  // The delete button and popup item are enabled with two rows or more.
  void CheckDelLayerButton();
  void AddLayerToolButtonClick();

  // Window title, hints, popup items and the layer count in the current language.
  void RetranslateUi();

  // --- commands (LayerFormCommands.cpp) -----------------------------------------------------
  void CopyCurrentLayer();
  void DeleteCurrentLayer();
  void OpenCurrentLayerSetting();
  // Merges the current layer into the layer below it ("下のレイヤーと合成").
  void MergeCurrentLayer();
  // Reordering: whether a row dragged to `pos` (list viewport coordinates) may drop there,
  // and the drop, which swaps the dragged layer with the one under the pointer.
  bool CheckListDragOver(const QPoint& pos) const;
  void CheckListDragDrop(const QPoint& pos);

  // --- the list's events (LayerFormList.cpp) ------------------------------------------------
  void CheckListClickCheck(QListWidgetItem* item);
  void CheckListMouseMove(const QPoint& pos);
  void CheckListMouseUp();
  void CheckListKeyUp(int key);
  void CheckListDblClick(const QPoint& pos);
  // Right of the check boxes, over a row: the hand cursor and the popup menu apply.
  bool PopupAllowedAt(const QPoint& pos) const;
  void ToolButton4Click();  // fold up to the toolbar, or back

  QToolBar* ToolBar1 = nullptr;
  QToolButton* AddLayerToolButton = nullptr;
  QToolButton* CopyLayerToolButton = nullptr;
  QToolButton* DelLayerToolButton = nullptr;
  QToolButton* LayerOptToolButton = nullptr;
  QToolButton* ToolButton4 = nullptr;
  TLayerCheckList* CheckList = nullptr;
  TStatusBar* StatusBar = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* CopyLayerMenuItem = nullptr;
  QAction* DeleteLayerMenuItem = nullptr;
  QAction* MergeLayerMenuItem = nullptr;
  QAction* LayerSettingMenuItem = nullptr;
  uint16_t AddedLayerCount = 0;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // LayerFormUnit.cpp
  void CreateToolBar();
  void CreatePopupMenu();
  int RowOfLayer(int layer) const;
  bool LayerLimitReached() const;
  QStringList ChipFileNames() const;
  // Inserts the top row for a new layer, checked and selected.
  void InsertTopRow(const std::string& name);
  void UpdateLayerCount();
  // LayerFormList.cpp
  // What shows the current layer: the parts window, the main view and the title.
  void RedrawCurrentLayerViews();
  // After the layers themselves changed: also the preview.
  void RedrawAfterLayerChange();

  bool filling_ = false;  // rows are being set up: their check boxes are not user changes
};

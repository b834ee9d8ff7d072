#pragma once
// The parts window: the list of loaded parts images, the part grid of the current layer's
// image, and the selection of one part or a block of parts that the drawing tools write.
#include <memory>
#include <string>
#include <vector>

#include "model/DefineUnit.h"
#include "windows/ToolWindow.h"

class TChipForm : public TToolWindow {
 public:
  explicit TChipForm(QWidget* parent);
  ~TChipForm() override;

  // Forgets every parts image and selects part 0, for a new or opened map.
  void Init();
  // Pixel position of `part` in a parts image; false (and (0, 0)) without a part grid.
  bool GetImagePosition(int part, int& x, int& y) const;
  TCellRange GetSelectedInfo() const { return Selection; }
  // Fills the block's source, pitch and part numbers from the selection; false without one.
  bool SetCurrentData(TModified& block) const;
  // Selects part `part` alone, or nothing when it is negative.
  void Selectchip(int part);
  // Displayed part width in 1/256 of the part width.
  int GetZoomRatio() const;
  void ResumeDrawSize();
  // Loads the image at `path` (asks with the picture dialog when empty), or reuses the entry
  // already loaded from it, and gives it to the current layer.
  bool AddMapChip(const QString& path = QString());
  void CheckMapChipChanged();
  void UpdateFullCanvas();
  void ToolButton5Click();  // zoom in
  void ToolButton6Click();  // zoom out

  int PartsPerRow = 16;  // 16 for 8-bit maps, 256 for 16-bit maps
  int DrawWidth = 32;    // displayed part size
  int DrawHeight = 32;
  int ScrollX = 0;  // parts column and row at the top-left corner
  int ScrollY = 0;
  TCellRange Selection;
  std::vector<std::unique_ptr<TMapChip>> MapChips;  // in load order

 private:
  void Zoom(int direction);
};

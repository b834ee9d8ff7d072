#pragma once
// The parts window: the list of loaded parts images, the part grid of the current layer's
// image, and the selection of one part or a block of parts that the drawing tools write.
// One class, defined across files by concern:
//   ChipFormUnit.cpp    creation, reset, the selection and zoom queries and commands
//   ChipFormImages.cpp  loading, reusing, closing and reloading parts images, dropped files
//   ChipFormView.cpp    drawing into the back buffer, layout, scrolling, rolling up
//   ChipFormMouse.cpp   picking parts with the mouse and the status texts
//
// View coordinates: x from the window's left edge, y from the toolbar's bottom edge; the view
// widget sits there, so its own coordinates are view coordinates.
#include <QCoreApplication>
#include <QPoint>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "imaging/DIBDrawUnit.h"
#include "model/DefineUnit.h"
#include "windows/ToolWindow.h"

class QToolBar;
class QToolButton;
class TChipView;
class TScrollBar;
class TStatusBar;

class TChipForm : public TToolWindow {
  Q_DECLARE_TR_FUNCTIONS(TChipForm)

 public:
  explicit TChipForm(QWidget* parent);
  ~TChipForm() override;

  // --- reset and queries (ChipFormUnit.cpp) -------------------------------------------------
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
  // Makes dx and dy non-negative by moving the anchor; index = y * PartsPerRow + x.
  void FixSelection(TCellRange& range) const;
  // Close image, zoom in and zoom out are enabled when they would act.
  void CheckDelImageToolButton();
  int GetMapChipCount() const { return static_cast<int>(MapChips.size()); }
  // FileName of entry `index`; empty beyond the list.
  std::string GetMapChipName(int index) const;
  // Entry `index`, or nullptr beyond the list.
  TMapChip* GetMapChipAddr(int index) const;
  void ToolButton5Click();  // zoom in
  void ToolButton6Click();  // zoom out

  // --- parts images (ChipFormImages.cpp) ----------------------------------------------------
  // Loads the image at `path` (asks with the picture dialog when empty), or reuses the entry
  // already loaded from it, and gives it to the current layer.
  bool AddMapChip(const QString& path = QString());
  // Asks, file by file, whether to reload images whose files changed since they were loaded.
  void CheckMapChipChanged();
  // Frees every entry; no layer keeps a reference to one.
  void FreeAllChips();
  void ToolButton2Click();  // load an image
  void ToolButton3Click();  // close the current layer's image
  // Loads the dropped ".bmp" and ".png" files in the order given; other files are ignored.
  void WMDropFiles(const QStringList& paths);
  // Gives the images' transparent pixels the colour key `key` (0x00BBGGRR) and redraws this
  // window when that changed any; true then.
  bool FollowColorKey(uint32_t key);

  // --- drawing, layout, scrolling (ChipFormView.cpp) ----------------------------------------
  void UpdateFullCanvas();
  void FormResize();
  void ToolButton13Click();  // roll up to the toolbar, or back
  void PaintView(QPainter& painter, const QRect& area);

  // --- mouse (ChipFormMouse.cpp) ------------------------------------------------------------
  void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void FormMouseMove(int x, int y);
  void FormMouseUp(int x, int y);

  // --- state --------------------------------------------------------------------------------
  int PartsPerRow = 16;  // 16 for 8-bit maps, 256 for 16-bit maps
  int DrawWidth = 32;    // displayed part size
  int DrawHeight = 32;
  int ScrollX = 0;  // parts column and row at the top-left corner
  int ScrollY = 0;
  int TopLeftIndex = 0;
  int ViewWidth = 0;
  int ViewHeight = 0;
  TCellRange Selection;
  bool Dragging = false;
  QPoint LastCell;  // view cell of the last mouse event
  TBitmap BackBuffer;
  std::vector<std::unique_ptr<TMapChip>> MapChips;  // in load order

  // --- widgets ------------------------------------------------------------------------------
  QToolBar* ToolBar = nullptr;
  QToolButton* ToolButton2 = nullptr;
  QToolButton* ToolButton3 = nullptr;
  QToolButton* ToolButton5 = nullptr;
  QToolButton* ToolButton6 = nullptr;
  QToolButton* ToolButton13 = nullptr;
  TChipView* View = nullptr;
  TScrollBar* HorizScrollBar = nullptr;
  TScrollBar* VertScrollBar = nullptr;
  TStatusBar* StatusBar = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // ChipFormUnit.cpp
  void FormCreate();
  void CreateToolBar();
  void CreateBars();
  void Zoom(int direction);
  TMapChip* CurrentChip() const;
  // ChipFormImages.cpp
  TMapChip* FindChip(const std::string& path) const;
  bool LoadNewChip(const std::string& path);
  bool ReloadChip(TMapChip& chip);
  void RedrawOthers();
  // ChipFormView.cpp
  void PlaceBars();
  void LayOutView();
  void TakeScrollPositions();
  void DrawFullChips();
  void DrawFullGridLine();
  void DrawTransparentPartMark();
  void DrawCurrentSelection();
  // ChipFormMouse.cpp
  void ShowPixelColour(int x, int y);
  void SetStatusText(int panel, const QString& text);
  void ShowCursorStatus(const QPoint& cell);
  void ShowSelectionStatus();
  // Title and hints in the current language.
  void RetranslateUi();

  bool checkingFiles_ = false;  // a reload question is open
};

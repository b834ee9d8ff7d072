#pragma once
// The main window: menu, toolbar, map view with its two scroll bars, status bar, and the
// project-level and editor state that is not part of the document. One class, defined across
// files by concern:
//   MainFormShell.cpp      start-up, new map, title, close, dropped files, tool windows
//   MainFormMenus.cpp      the menu and toolbar tables and what builds them
//   MainFormView.cpp       rendering and the status texts that follow the view
//   MainFormLayout.cpp     layout, scrolling, zoom
//   MainFormState.cpp      editor flags, ToolButtonMediator, view toggles, keys, wheel
//   MainFormTools.cpp      the tool commands and the block writes of the tools
//   MainFormMouse.cpp      the view's mouse handlers
//   MainFormSelection.cpp  selection, copy buffer and the Edit commands
//   MainFormFiles.cpp      opening and saving projects
//   MainFormMapData.cpp    importing and exporting map data
//   MainFormMapDialogs.cpp the map-wide dialogs: resize, replace, fill, project settings
//   MainFormCommands.cpp   commands handed to a tool window or a dialog: Layer menu, parts
//                          zoom, Help menu
//
// Client coordinates. The drawing and mouse formulas use the window's client area with the
// toolbar at its top: x counts from the view's left edge, y from the toolbar's top edge, so a
// view pixel (vx, vy) is the client point (vx, vy + ToolBarHeight()). The menu bar is not part
// of the client area. TMapView converts its event positions before calling the Form* handlers.
#include <QCoreApplication>
#include <QMainWindow>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <string>

#include "editor/BackgroundBrush.h"
#include "editor/NumberStamps.h"
#include "editor/PartCovers.h"
#include "formats/FileResult.h"
#include "formats/ProjectRecords.h"
#include "imaging/DIBDrawUnit.h"
#include "model/DefineUnit.h"

class IProjectLoadHost;
class QAction;
class QMenu;
class QPainter;
class QToolBar;
class QToolButton;
class QWidget;
class TMapView;
class TScrollBar;
class TStatusBar;
struct TLayerDrawing;
struct TRecoveryNote;

enum class TToolKind { Pen, TilePen, Fill, PatternSelect, RectSelect, Hand };

// A frame given by its edges as the drawing formulas compute them: right and bottom are one
// past the last framed pixel.
struct TFrameRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class TMainForm : public QMainWindow {
  Q_DECLARE_TR_FUNCTIONS(TMainForm)

 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // --- shell: start-up, maps, title, closing (MainFormShell.cpp) --------------------------
  void FormCreate();
  bool CreateNewMap(int32_t width, int32_t height, int32_t layerCount, int32_t partWidth,
                    int32_t partHeight, uint8_t bitsPerCell);
  bool Init();
  void FormatTittle();
  // The map's name as the interface shows it: a new map's "名称未設定" in the interface's language.
  std::string ShownMapName() const;
  void HideTollWindows();
  void AppOnActive();
  void WMDropFiles(const QStringList& paths);
  // The unsaved-changes question; true when the command may go on.
  bool AskToSaveChanges();
  bool FormCloseQuery();
  void FormClose();
  // Activates the window and gives the view the keyboard focus.
  void FocusMainWindow();

  // --- files (MainFormFiles.cpp, MainFormMapData.cpp) ---------------------------------------
  bool OpenProjectFile(const std::string& path);
  // Writes the document and the project state; on failure nothing of the editor changes.
  bool SaveProjectFile(const std::string& path);
  bool Save();
  // Asks about unsaved changes first, as opening a project does.
  bool importFMF(const std::string& path);
  // A Tiled map (.tmx, .tmj, .json): asks about unsaved changes, then imports like FMF.
  bool importTiled(const std::string& path);
  bool importCSV(const std::string& path);
  // The records as a save would write them now.
  TProjectRecords RecordsToSave() const;
  // Opens a recovery copy as the unsaved document that `note` describes.
  bool RestoreRecoveryCopy(const std::string& copyPath, const TRecoveryNote& note);

  // --- view (MainFormView.cpp, MainFormLayout.cpp) ------------------------------------------
  void UpdateFullCanvas();
  void UpdateCanvas(int column, int row, int dx, int dy);
  void DrawSelectionChip(int column, int row, int columns, int rows);
  void DrawSelectedDataChip();
  void DrawChipNumber(int column, int row, int columns, int rows);
  void DrawGridLine();
  void DrawCurrentSelection();
  void DrawActiveGridLine(int x, int y);
  void DrawActiveGridLineFill(int column, int row);
  void FormPaint(QPainter& painter, const QRect& area);
  void FormResize();
  void PaintScrollBarCorner();
  void HorizScrollBarScroll(int& position);
  void VertScrollBarScroll(int& position);
  void HorizScrollBarChange();
  void VertScrollBarChange();
  // Scroll requests from keys, wheel, preview and tools: clamped, then set on the bar.
  void SetHorizPosition(int position);
  void SetVertPosition(int position);
  // The view's size without its scroll bars, for the preview.
  void GetClientSize(int& width, int& height) const;
  void PointToCell(int x, int y, QPoint& viewCell, QPoint& mapCell) const;
  int ToolBarHeight() const;

  // --- editor state and keyboard (MainFormState.cpp) ----------------------------------------
  void SetDefaultEditorFlag();
  void ApplyEditorFlags();
  void ToolButtonMediator();
  void FormKeyDown(int key, Qt::KeyboardModifiers shift, bool autoRepeat);
  void FormKeyUp(int key, Qt::KeyboardModifiers shift, bool autoRepeat);
  void FormKeyPress(QChar key);
  void FormMouseWheelDown(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons);
  void FormMouseWheelUp(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons);
  // Runs the zoom command whose keypad shortcut the key is, when the platform's shortcut
  // handling let it through (X11 does so for keypad keys); true when one ran.
  bool RunKeypadShortcut(int key, Qt::KeyboardModifiers shift);

  // --- mouse (MainFormMouse.cpp) -------------------------------------------------------------
  void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
  void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  // Ends a drag whose release has not come (as if the button went up) and closes the pen's
  // history group. Commands call it before they act; inside the mouse handlers it does nothing.
  void EndPendingDrag();
  // Forgets drags, strokes, the floating block and the pattern, for a new or opened map.
  void ResetToolState();

  // --- tools (MainFormTools.cpp) ------------------------------------------------------------
  void SelectTool(TToolKind tool);
  QCursor ToolCursor(TToolKind tool) const;
  void WriteCurrentData(bool redraw);
  void WriteTileCurrentData(bool redraw);
  void WriteSelectData(bool redraw);
  void SetPatternSelect();
  void ExitPattern();

  // --- selection and copy buffer (MainFormSelection.cpp) ------------------------------------
  bool SelectAll(bool redraw);
  bool CutToCurrentSelection(bool redraw);
  bool CopyOfCurrentSelection();
  bool PasteToCurrentSelection(bool redraw);
  void DebugOut_CopyData();
  // Makes dx and dy non-negative by moving the anchor; index = y * map width + x.
  static void FixSelection(TCellRange& range);
  // True when the range cannot be cut, copied, pasted or written at.
  static bool IsFailedSelection(const TCellRange& range);

  // --- command handlers, bound by name to the menu items and toolbar buttons ----------------
  // File
  void NewMenuItemClick();
  void OpenMenuItemClick();
  void SaveMenuItemClick();
  void SaveAs1Click();
  void N32Click();
  void N31Click();
  void N34Click();
  void QuitMenuItemClick();
  // Edit
  void Cancel1Click();
  void Repeat1Click();
  void Cut1Click();
  void Copy1Click();
  void V1Click();
  void A1Click();
  void D2Click();
  void N29Click();
  void N5Click();
  void N25Click();
  void N28Click();
  // Show
  void P3Click();
  void L2Click();
  void N2Click();
  // Tool
  void P1Click();
  void M1Click();
  void F1Click();
  void A2Click();
  void N24Click();
  void N23Click();
  void N35Click();
  // Layer
  void A3Click();
  void C1Click();
  void D1Click();
  void S1Click();
  // View
  void I1Click();
  void O1Click();
  void Z1Click();
  void N8Click();
  void N9Click();
  void N10Click();
  void G1Click();
  void N20Click();
  void N15Click();
  void P2Click();
  void N17Click();
  void N18Click();
  // Help
  void N6Click();
  void N19Click();
  void N33Click();
  // Toolbar buttons that do more than click a menu item
  void OpenToolButtonClick();
  void SaveToolButtonClick();
  void PenToolButtonClick();
  void MPenToolButtonClick();
  void FillToolButtonClick();

  // --- project-level state ------------------------------------------------------------------
  TProjectRecords Records;  // live settings: header, windows, flags, colour key, parts
  std::string MapName;      // display name
  std::string FileName;     // full path of the project file, empty until saved or opened
  bool ToolWindowsHidden = false;
  bool DrawingEnabled = false;
  TBackgroundBrush BackgroundBrush;

  // --- view state ---------------------------------------------------------------------------
  TBitmap BackBuffer;
  TPartCovers PartCovers;  // which parts hide the layers below them
  TNumberStamps NumberStamps;
  int ViewWidth = 0;
  int ViewHeight = 0;
  int CellWidth = 32;  // displayed size of one cell
  int CellHeight = 32;
  int ScrollX = 0;  // map column and row at the view's top-left corner
  int ScrollY = 0;
  int TopLeftIndex = 0;
  bool ActiveFrameShown = false;  // the red cursor frame, in client coordinates
  TFrameRect ActiveFrame;

  // --- tool, selection and blocks -----------------------------------------------------------
  TToolKind Tool = TToolKind::Pen;
  TToolKind SavedTool = TToolKind::Pen;
  bool Dragging = false;
  Qt::MouseButton MouseButton = Qt::NoButton;  // the button that began the drag
  TToolKind DragTool = TToolKind::Pen;         // the tool that began it
  bool StrokeOpen = false;                     // the pen's history group is open
  QPoint LastCell;                             // view cell of the last mouse event
  TCellRange Selection;                        // on the map
  TModified CurrentData;                       // the block the pen, tiling pen and fill write
  bool PatternMode = false;
  TModified PatternData;  // the block picked from the map
  bool Floating = false;
  TModified SelectData;  // the lifted (floating) block
  TModified CopyData;    // the copy buffer

  // --- widgets --------------------------------------------------------------------------------
  QToolBar* ToolBar = nullptr;
  TMapView* View = nullptr;
  TScrollBar* HorizScrollBar = nullptr;
  TScrollBar* VertScrollBar = nullptr;
  QWidget* ScrollCorner = nullptr;
  TStatusBar* StatusBar = nullptr;

  QMenu* FileMenu = nullptr;
  QMenu* EditMenu = nullptr;
  QMenu* ShowMenu = nullptr;
  QMenu* ToolMenu = nullptr;
  QMenu* LayerMenu = nullptr;
  QMenu* ViewMenu = nullptr;
  QMenu* HelpMenu = nullptr;

  QAction* NewMenuItem = nullptr;
  QAction* OpenMenuItem = nullptr;
  QAction* SaveMenuItem = nullptr;
  QAction* SaveAs1 = nullptr;
  QAction* N32 = nullptr;
  QAction* N31 = nullptr;
  QAction* N34 = nullptr;
  QAction* QuitMenuItem = nullptr;
  QAction* Cancel1 = nullptr;
  QAction* Repeat1 = nullptr;
  QAction* Cut1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* V1 = nullptr;
  QAction* A1 = nullptr;
  QAction* D2 = nullptr;
  QAction* N29 = nullptr;
  QAction* N5 = nullptr;
  QAction* N25 = nullptr;
  QAction* N28 = nullptr;
  QAction* P3 = nullptr;
  QAction* L2 = nullptr;
  QAction* N2 = nullptr;
  QAction* P1 = nullptr;
  QAction* M1 = nullptr;
  QAction* F1 = nullptr;
  QAction* A2 = nullptr;
  QAction* N24 = nullptr;
  QAction* N23 = nullptr;
  QAction* N35 = nullptr;
  QAction* A3 = nullptr;
  QAction* C1 = nullptr;
  QAction* D1 = nullptr;
  QAction* S1 = nullptr;
  QAction* I1 = nullptr;
  QAction* O1 = nullptr;
  QAction* Z1 = nullptr;
  QAction* N8 = nullptr;
  QAction* N9 = nullptr;
  QAction* N10 = nullptr;
  QAction* G1 = nullptr;
  QAction* N20 = nullptr;
  QAction* N15 = nullptr;
  QAction* P2 = nullptr;
  QAction* N17 = nullptr;
  QAction* N18 = nullptr;
  QAction* N6 = nullptr;
  QAction* N19 = nullptr;
  QAction* N33 = nullptr;

  QToolButton* NewToolButton = nullptr;
  QToolButton* OpenToolButton = nullptr;
  QToolButton* SaveToolButton = nullptr;
  QToolButton* CutToolButton = nullptr;
  QToolButton* CopyToolButton = nullptr;
  QToolButton* PasteToolButton = nullptr;
  QToolButton* UndoToolButton = nullptr;
  QToolButton* RedoToolButton = nullptr;
  QToolButton* PenToolButton = nullptr;
  QToolButton* MPenToolButton = nullptr;
  QToolButton* FillToolButton = nullptr;
  QToolButton* SelectToolButton = nullptr;
  QToolButton* PtnToolButton = nullptr;
  QToolButton* NumToolButton = nullptr;
  QToolButton* BigToolButton = nullptr;
  QToolButton* SmallToolButton = nullptr;
  QToolButton* PartsWinToolButton = nullptr;
  QToolButton* LayerWinToolButton = nullptr;
  QToolButton* PreWinToolButton = nullptr;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // MainFormMenus.cpp
  void CreateMenus();
  void CreateToolBar();
  void AssignZoomShortcuts();
  // Menus, hints and title again in the language just chosen.
  void RetranslateUi();
  // MainFormShell.cpp
  void CreateStatusPanels();
  void CreateView();
  void ShowToolWindowsAsChecked();
  // MainFormView.cpp
  TLayerDrawing LayerDrawing() const;
  void UpdateVisibleRangePanel();
  // All three panels again, for a new language.
  void UpdateStatusPanels();
  void SetStatusText(int panel, const std::string& text);
  void FrameOnBackBuffer(const TFrameRect& frame, uint32_t colour);
  // MainFormLayout.cpp
  void LayOutScrollBars(int areaWidth, int areaHeight);
  void TakeScrollPositions();
  // One zoom step (editor/ZoomSteps.h) in `direction`: +1 in, -1 out.
  void ZoomView(int direction);
  // MainFormState.cpp
  void ToggleFlag(uint8_t& flag, QAction* item);
  void ScrollBy(int dx, int dy);
  bool ExactlyCtrl(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons) const;
  // MainFormTools.cpp
  bool TakeBlock(TModified& block, bool keepLastBlock);
  void ReturnToSavedTool();
  // MainFormMouse.cpp
  void PressAt(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& viewCell,
               const QPoint& mapCell);
  void PressSelectTool(Qt::KeyboardModifiers shift, const QPoint& mapCell);
  void LiftSelection(bool cut);
  void KeepFloating();
  void SelectCell(const QPoint& mapCell);
  bool DragTo(int x, int y, const QPoint& viewCell, const QPoint& mapCell);
  bool DragRectangle(int x, int y, const QPoint& viewCell, const QPoint& mapCell);
  void AutoScroll(int x, int y);
  void UpdateMoveCursor(const QPoint& mapCell);
  void ReleaseDrag(Qt::MouseButton button);
  void ReleaseSelectTool(Qt::MouseButton button);
  void ReleaseFill();
  bool DragToolIs(TToolKind tool) const;
  void CloseStroke();
  void UpdateCursorPanel(const QPoint& viewCell, const QPoint& mapCell);
  // Shows the part number that the cell named in the cursor panel holds now.
  void RefreshCursorPanel();
  // MainFormSelection.cpp
  bool CurrentLayerVisible() const;
  void DropFloating(bool redraw);
  bool SelectionUsable(bool redraw);
  bool ReadCopyBuffer();
  void UndoOrRedo(bool undo);
  // MainFormFiles.cpp, MainFormMapData.cpp
  void RefreshWindowRecords(TProjectRecords& records) const;
  // Reads a project as `name` at `fullPath`; a restored copy stays unsaved.
  bool LoadProject(const std::string& path, const std::string& name, const std::string& fullPath,
                   const TRecoveryNote* restored);
  void FinishOpenedMap();
  void ReplaceByDefaultMap(const std::string& failedFile, const std::string& reason);
  bool ReadMapData(const std::string& path);
  bool ReadTiledMap(const std::string& path);
  bool ReadImportedMap(const std::string& path,
                       const std::function<TFileResult(IProjectLoadHost&)>& read);
  void ExportMapData(const std::string& path, int type);
  void WriteBitmapExport(const std::string& path);
  bool AskBitmapSize(const char* question);
  // `failure` with the file layer's reason.
  void ReportWriteFailure(const char* failure, const std::string& reason);

  std::string lastWriteError_;  // why the last SaveProjectFile failed

  int mouseHandlerDepth_ = 0;  // > 0 while a mouse handler runs
  QPoint cursorCell_{-1, -1};  // the map cell the cursor panel names; negative for none
  TWindowRecord placement_;    // the last rectangle given by ApplyEditorFlags
  bool framed_ = false;        // the window manager's frame is known
};

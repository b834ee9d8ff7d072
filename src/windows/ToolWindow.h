#pragma once
// What the parts, layer and preview windows share: a small window that stays on top of the
// main window, hides all tool windows on Escape, unchecks its Show-menu item when closed with
// its close box, and can fold itself up to its toolbar.
#include <QWidget>
#include <functional>
#include <initializer_list>

#include "formats/ProjectRecords.h"

class QAction;
class QToolBar;
class QToolButton;
class TMainForm;

class TToolWindow : public QWidget {
 public:
  TToolWindow(QWidget* parent, const QString& caption, QAction* TMainForm::*showItem);

  // Places the window's frame on `record` (see PlaceWindow).
  void Place(const TWindowRecord& record);
  // The frame rectangle to store: where the window is while it is shown and framed, else
  // where it was placed or last seen, unchanged.
  QRect StoredFrame() const;
  void setVisible(bool visible) override;

  bool Minimized = false;  // folded up to the toolbar
  int RestoreHeight = 0;   // frame height before folding

 protected:
  // Frame height of a window folded up to its toolbar.
  static constexpr int kFoldedHeight = 52;

  // One of the editor's toolbars (editor/ToolBarButtons.h), without a context menu.
  QToolBar* MakeToolBar();
  // AddToolBarButton, its clicks running `click`.
  QToolButton* AddToolButton(QToolBar* bar, const char* image, const QString& hint,
                             std::function<void()> click);
  // Folds the frame to kFoldedHeight, hiding `panes`, or restores the height it had and shows
  // them again; the button's hint says what a click will do next.
  void ToggleFolded(QToolButton* button, std::initializer_list<QWidget*> panes);
  // The fold button's hint: what a click will do next.
  QString FoldHint() const;
  // What the window system's frame adds to the height.
  int FrameExtraHeight() const;
  // The inside height of the folded window: its frame is kFoldedHeight high where the frame
  // leaves room for the whole toolbar, and higher where it does not.
  int FoldedHeight() const;

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* TMainForm::*showItem_;
  QRect placed_;  // the frame rectangle given or last seen
  QToolBar* toolBar_ = nullptr;
};
